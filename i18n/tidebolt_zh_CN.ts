<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tidebolt</source>
        <translation>关于 Tidebolt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Andrei Sokolov</source>
        <translation>安德烈·索科洛夫</translation>
    </message>
    <message>
        <source>Petrozavodsk, Petrozavodsk State University, group 22405</source>
        <translation>彼得罗扎沃茨克，彼得罗扎沃茨克国立大学，22405 班</translation>
    </message>
    <message>
        <source>Made with C++ and Qt 6</source>
        <translation>使用 C++ 和 Qt 6 制作</translation>
    </message>
</context>
<context>
    <name>CChatPanel</name>
    <message>
        <source>Tidebolt: chat</source>
        <translation>Tidebolt：聊天</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>聊天</translation>
    </message>
    <message>
        <source>Your line</source>
        <translation>你的消息</translation>
    </message>
    <message>
        <source>Chat works in a network game, once a partner is connected.</source>
        <translation>聊天仅在联网对战中、对手连接后可用。</translation>
    </message>
    <message>
        <source>Chat is unavailable with this partner.</source>
        <translation>无法与该对手聊天。</translation>
    </message>
</context>
<context>
    <name>CGameDlg</name>
    <message>
        <source>Game</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>新游戏</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>排行榜</translation>
    </message>
    <message>
        <source>Game with computer</source>
        <translation>人机对战</translation>
    </message>
    <message>
        <source>Game in Network</source>
        <translation>局域网对战</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Tidebolt [ Server ]</source>
        <translation>Tidebolt [ 服务器 ]</translation>
    </message>
    <message>
        <source>Tidebolt [ Client ]</source>
        <translation>Tidebolt [ 客户端 ]</translation>
    </message>
    <message>
        <source>Do you want exit game?</source>
        <translation>确定要退出游戏吗？</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>请稍候...</translation>
    </message>
    <message>
        <source>Game-&gt;New game	-  start new game
Game-&gt;Scores  	-  open window Scores
Game-&gt;Exit    	-  exit game

Options            	-  open window Options
  &gt;&gt;Difficulty     	-  difficulty game
  &gt;&gt;Language       	-  language the game
  &gt;&gt;Tradition      	-  tradition game
  &gt;&gt;Auto put mimo  	-  auto put mimo if to get
  &gt;&gt;Number of ships	-  show number of ships
  &gt;&gt;Play sound     	-  sound support

Help-&gt;Help     	-  open this window
Help-&gt;About    	-  autor this game

    Hot keys:
F1 	-  open window Help
F2 	-  start new game
F3 	-  open window Scores
Esc	-  exit game

	           Good luck.</source>
        <extracomment>Columns are aligned by tabs; keep each line short.</extracomment>
        <translation>游戏-&gt;新游戏	-  开始新游戏
游戏-&gt;排行榜	-  十佳玩家
游戏-&gt;退出	-  退出游戏

选项	-  打开选项窗口
  &gt;&gt;难度	-  电脑的水平
  &gt;&gt;语言	-  游戏语言
  &gt;&gt;经典规则	-  命中后再射一次
  &gt;&gt;自动标记	-  在击沉的舰船周围标记未命中
  &gt;&gt;剩余舰船数	-  显示剩余舰船表
  &gt;&gt;播放声音	-  开启或关闭声音

帮助-&gt;帮助	-  打开本窗口
帮助-&gt;关于	-  游戏作者

    快捷键:
F1 	-  打开帮助
F2 	-  开始新游戏
F3 	-  十佳玩家
Esc	-  退出游戏

	           祝你好运！</translation>
    </message>
    <message>
        <source>Server now is plaing.</source>
        <translation>服务器正在游戏中。</translation>
    </message>
    <message>
        <source>Connect closed</source>
        <translation>连接已断开</translation>
    </message>
    <message>
        <source>N</source>
        <comment>Alt letter of New game</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Alt letter of Scores</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>c</source>
        <comment>Alt letter of Game with computer</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>w</source>
        <comment>Alt letter of Game in Network</comment>
        <translation>W</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>聊天</translation>
    </message>
    <message>
        <source>h</source>
        <comment>Alt letter of Chat</comment>
        <translation>H</translation>
    </message>
    <message>
        <source>x</source>
        <comment>Alt letter of Exit</comment>
        <translation>X</translation>
    </message>
    <message>
        <source>G</source>
        <comment>Alt letter of the Game menu</comment>
        <translation>G</translation>
    </message>
    <message>
        <source>O</source>
        <comment>Alt letter of the Options menu</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>H</source>
        <comment>Alt letter of the Help menu</comment>
        <translation>H</translation>
    </message>
    <message>
        <source>H</source>
        <comment>Alt letter of Help in the Help menu</comment>
        <translation>H</translation>
    </message>
    <message>
        <source>A</source>
        <comment>Alt letter of About</comment>
        <translation>A</translation>
    </message>
</context>
<context>
    <name>CNameDlg</name>
    <message>
        <source>Enter your name</source>
        <translation>请输入你的名字</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Put the ships</source>
        <translation>布置舰船</translation>
    </message>
    <message>
        <source>Начать игру</source>
        <translation>开始游戏</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>请最多输入 %1 个字符。</translation>
    </message>
    <message>
        <source>The name contains characters that cannot be used. Please use Latin or Cyrillic letters, digits and ordinary signs.</source>
        <translation>名字中含有不能使用的字符。请使用拉丁或西里尔字母、数字和常用符号。</translation>
    </message>
</context>
<context>
    <name>CNetDlg</name>
    <message>
        <source>Game in Network</source>
        <translation>局域网对战</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>开始游戏</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>This computer name</source>
        <translation>本机名称</translation>
    </message>
    <message>
        <source>IP addres</source>
        <translation>IP 地址</translation>
    </message>
    <message>
        <source>Please choice type</source>
        <translation>请选择角色</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>服务器</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>客户端</translation>
    </message>
    <message>
        <source>Server name or IP</source>
        <translation>服务器名称或 IP</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <source>Error gethostname.</source>
        <translation>无法获取本机名称。</translation>
    </message>
    <message>
        <source>Wait for client...</source>
        <translation>等待客户端...</translation>
    </message>
    <message>
        <source>Connect successful!</source>
        <translation>连接成功！</translation>
    </message>
    <message>
        <source>Connect failed</source>
        <translation>无法连接到服务器</translation>
    </message>
    <message>
        <source>Connect successful</source>
        <translation>连接成功</translation>
    </message>
    <message>
        <source>Connect closed</source>
        <translation>连接已断开</translation>
    </message>
</context>
<context>
    <name>CNetSession</name>
    <message>
        <source>Partner</source>
        <translation>对手</translation>
    </message>
    <message>
        <source>The partner&apos;s fleet breaks the rules of the game. The connection is closed.</source>
        <translation>对手的舰队不符合游戏规则。连接已关闭。</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Difficulty *</source>
        <translation>难度 *</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>简单</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>普通</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>困难</translation>
    </message>
    <message>
        <source>Tradition game *</source>
        <translation>经典规则 *</translation>
    </message>
    <message>
        <source>Show number of ships</source>
        <translation>显示剩余舰船数</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>播放声音</translation>
    </message>
    <message>
        <source>Delay then computer went (ms)</source>
        <translation>电脑出手延迟（毫秒）</translation>
    </message>
    <message>
        <source>* Current game will be stoped.</source>
        <translation>* 当前游戏将被中止。</translation>
    </message>
    <message>
        <source>Язык/Language</source>
        <translation>语言/Language</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>The button for every language but Russian: this language&apos;s own name.</extracomment>
        <translation>中文</translation>
    </message>
    <message>
        <source>Begin new game ?</source>
        <translation>更改后的设置无法继续当前游戏。
开始新游戏吗？</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>请输入一个正整数。</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>请输入 %1 到 %2 之间的整数。</translation>
    </message>
</context>
<context>
    <name>CPlaceShipsDlg</name>
    <message>
        <source>Placing ships</source>
        <translation>布置舰船</translation>
    </message>
    <message>
        <source>Left MB :
   Move

Right MB :
   Rotate</source>
        <translation>鼠标左键：
   移动

鼠标右键：
   旋转</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>随机</translation>
    </message>
    <message>
        <source>!</source>
        <translation>！</translation>
    </message>
    <message>
        <source>Tab :
   Next ship
Arrows :
   Move
R, Space :
   Rotate</source>
        <extracomment>Below the mouse help, in the same layout: the keys that work the board.</extracomment>
        <translation>Tab :
   下一艘船
方向键 :
   移动
R、空格 :
   旋转</translation>
    </message>
</context>
<context>
    <name>CPlayer</name>
    <message>
        <source>Easy</source>
        <translation>新手</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>老手</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>高手</translation>
    </message>
    <message>
        <source>Computer - </source>
        <translation>电脑 - </translation>
    </message>
</context>
<context>
    <name>CResultDlg</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>CScoresDlg</name>
    <message>
        <source>№</source>
        <translation>名次</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>玩家</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>胜</translation>
    </message>
    <message>
        <source>Lose</source>
        <translation>负</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Top 10</source>
        <translation>前十名</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Delete the player &quot;%1&quot; from the table of records?</source>
        <translation>要从排行榜中删除玩家“%1”吗？</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Your turn</source>
        <translation>轮到你了</translation>
    </message>
    <message>
        <source>You win!</source>
        <translation>你赢了！</translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>你输了！</translation>
    </message>
    <message>
        <source>Battlefield</source>
        <translation>战场</translation>
    </message>
    <message>
        <source>Your fleet</source>
        <translation>你的舰队</translation>
    </message>
    <message>
        <source>Tab: next ship, arrows: move it, R or Space: turn it</source>
        <translation>Tab：下一艘船，方向键：移动，R 或空格：旋转</translation>
    </message>
    <message>
        <source>ABCDEFGHIJ</source>
        <extracomment>The ten column letters of a board, left to right, one character each.</extracomment>
        <translation>ABCDEFGHIJ</translation>
    </message>
    <message>
        <source>not shot</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>未射击</translation>
    </message>
    <message>
        <source>miss</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>未命中</translation>
    </message>
    <message>
        <source>your deck</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>你的甲板</translation>
    </message>
    <message>
        <source>hit</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>命中</translation>
    </message>
    <message>
        <source>sunk</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>击沉</translation>
    </message>
    <message>
        <source>afloat</source>
        <extracomment>A cell of a board: a deck shown after a lost game.</extracomment>
        <translation>幸存</translation>
    </message>
    <message numerus="yes">
        <source>%n deck(s)</source>
        <translation>
            <numerusform>%n 格</numerusform>
        </translation>
    </message>
    <message>
        <source>one-deck</source>
        <extracomment>Ships afloat: the count of ships of one deck follows.</extracomment>
        <translation>单格舰</translation>
    </message>
    <message>
        <source>two-deck</source>
        <extracomment>Ships afloat: the count of ships of two decks follows.</extracomment>
        <translation>双格舰</translation>
    </message>
    <message>
        <source>three-deck</source>
        <extracomment>Ships afloat: the count of ships of three decks follows.</extracomment>
        <translation>三格舰</translation>
    </message>
    <message>
        <source>four-deck</source>
        <extracomment>Ships afloat: the count of ships of four decks follows.</extracomment>
        <translation>四格舰</translation>
    </message>
    <message>
        <source> to </source>
        <extracomment>Between the first and the last cell of a ship: A1 to A4.</extracomment>
        <translation> 至 </translation>
    </message>
    <message>
        <source> (ships touch: OK is refused)</source>
        <translation>（舰船相互接触：无法确定）</translation>
    </message>
    <message>
        <source>your board</source>
        <extracomment>The player&apos;s own board, as the opponent&apos;s shots at it are reported.</extracomment>
        <translation>你的棋盘</translation>
    </message>
    <message>
        <source>Your ships afloat</source>
        <translation>我方剩余舰船</translation>
    </message>
    <message>
        <source>Enemy ships afloat</source>
        <translation>敌方剩余舰船</translation>
    </message>
    <message>
        <source>water</source>
        <extracomment>A cell of the placement board with no ship on it.</extracomment>
        <translation>水</translation>
    </message>
    <message>
        <source>ships overlap</source>
        <extracomment>A cell of the placement board where two ships lie on each other.</extracomment>
        <translation>舰船重叠</translation>
    </message>
    <message>
        <source>ship of %1</source>
        <extracomment>A cell of the placement board; %1 is the ship&apos;s length: &quot;3 decks&quot;.</extracomment>
        <translation>舰船，%1</translation>
    </message>
</context>
</TS>
