<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tidebolt</source>
        <translation>Про автора</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Andrei Sokolov</source>
        <translation>Андрей Соколов</translation>
    </message>
    <message>
        <source>Petrozavodsk, Petrozavodsk State University, group 22405</source>
        <translation>Петрозаводск, Петрозаводский государственный университет, группа 22405</translation>
    </message>
    <message>
        <source>Made with C++ and Qt 6</source>
        <translation>Сделано на C++ и Qt 6</translation>
    </message>
</context>
<context>
    <name>CChatPanel</name>
    <message>
        <source>Tidebolt: chat</source>
        <translation>Tidebolt: чат</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Чат</translation>
    </message>
    <message>
        <source>Your line</source>
        <translation>Ваша строка</translation>
    </message>
    <message>
        <source>Chat works in a network game, once a partner is connected.</source>
        <translation>Чат работает в сетевой игре, когда партнёр подключён.</translation>
    </message>
    <message>
        <source>Chat is unavailable with this partner.</source>
        <translation>Чат с этим партнёром недоступен.</translation>
    </message>
</context>
<context>
    <name>CGameDlg</name>
    <message>
        <source>Game</source>
        <translation>Игра</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Новая</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>10 чемпионов</translation>
    </message>
    <message>
        <source>Game with computer</source>
        <translation>Игра с компьютером</translation>
    </message>
    <message>
        <source>Game in Network</source>
        <translation>Игра по сети</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Опции</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помощь</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про автора</translation>
    </message>
    <message>
        <source>Tidebolt [ Server ]</source>
        <translation>Tidebolt [ Сервер ]</translation>
    </message>
    <message>
        <source>Tidebolt [ Client ]</source>
        <translation>Tidebolt [ Клиент ]</translation>
    </message>
    <message>
        <source>Do you want exit game?</source>
        <translation>Выйти из игры?</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Please wait...</translation>
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
        <translation>Игра-&gt;Новая              -  Начать новую игру
Игра-&gt;10 чемпионов -  Лучшая десятка
Игра-&gt;Выход              -  Покинуть игру

Опции             -  Нстройки игры
  &gt;&gt;Сложность     -  сложность игры
  &gt;&gt;Язык          -  язык игры
  &gt;&gt;Традиционная игра - при попадании стреляеш еще раз 
  &gt;&gt;Автоматичкая растановка промахов - ставить промахи вокруг
                                       сбитых кораблей
  &gt;&gt;Показывать число живых кораблей - таблица еще живых кораблей
  &gt;&gt;Озвучивать игру     - в прямом смысле

Помощь-&gt;Помощь     -  Показывает это окно
Помощь-&gt;Про автора -  Создатель этой игры

    Горячие клавиши:
F1 	-  Показывает это окно
F2 	-  Начать новую игру
F3 	-  Лучшая десятка
Esc	-  Покинуть игру

		           Удачи.</translation>
    </message>
    <message>
        <source>Server now is plaing.</source>
        <translation>Server now is plaing.</translation>
    </message>
    <message>
        <source>Connect closed</source>
        <translation>Соединение разорвано</translation>
    </message>
    <message>
        <source>N</source>
        <comment>Alt letter of New game</comment>
        <translation>Н</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Alt letter of Scores</comment>
        <translation>ч</translation>
    </message>
    <message>
        <source>c</source>
        <comment>Alt letter of Game with computer</comment>
        <translation>к</translation>
    </message>
    <message>
        <source>w</source>
        <comment>Alt letter of Game in Network</comment>
        <translation>с</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Чат</translation>
    </message>
    <message>
        <source>h</source>
        <comment>Alt letter of Chat</comment>
        <translation>а</translation>
    </message>
    <message>
        <source>x</source>
        <comment>Alt letter of Exit</comment>
        <translation>В</translation>
    </message>
    <message>
        <source>G</source>
        <comment>Alt letter of the Game menu</comment>
        <translation>И</translation>
    </message>
    <message>
        <source>O</source>
        <comment>Alt letter of the Options menu</comment>
        <translation>О</translation>
    </message>
    <message>
        <source>H</source>
        <comment>Alt letter of the Help menu</comment>
        <translation>П</translation>
    </message>
    <message>
        <source>H</source>
        <comment>Alt letter of Help in the Help menu</comment>
        <translation>П</translation>
    </message>
    <message>
        <source>A</source>
        <comment>Alt letter of About</comment>
        <translation>а</translation>
    </message>
</context>
<context>
    <name>CNameDlg</name>
    <message>
        <source>Enter your name</source>
        <translation>Введите ваше имя</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Put the ships</source>
        <translation>Ростановка кораблей</translation>
    </message>
    <message>
        <source>Начать игру</source>
        <translation>Начать игру</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Please enter no more than %1 characters.</translation>
    </message>
    <message>
        <source>The name contains characters that cannot be used. Please use Latin or Cyrillic letters, digits and ordinary signs.</source>
        <translation>Имя содержит символы, которые нельзя использовать. Используйте латинские или русские буквы, цифры и обычные знаки.</translation>
    </message>
</context>
<context>
    <name>CNetDlg</name>
    <message>
        <source>Game in Network</source>
        <translation>Играем по сети</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Начать Игру</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>This computer name</source>
        <translation>Имя этого компа</translation>
    </message>
    <message>
        <source>IP addres</source>
        <translation>Ваш IP адрес</translation>
    </message>
    <message>
        <source>Please choice type</source>
        <translation>Выберите тип</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Сервер</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Клиент</translation>
    </message>
    <message>
        <source>Server name or IP</source>
        <translation>Имя сервера</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Соединиться</translation>
    </message>
    <message>
        <source>Error gethostname.</source>
        <translation>Error gethostname.</translation>
    </message>
    <message>
        <source>Wait for client...</source>
        <translation>Ждем клиента...</translation>
    </message>
    <message>
        <source>Connect successful!</source>
        <translation>Успешное соединение!</translation>
    </message>
    <message>
        <source>Connect failed</source>
        <translation>Не удалось соединиться с сервером</translation>
    </message>
    <message>
        <source>Connect successful</source>
        <translation>Успешное соединение</translation>
    </message>
    <message>
        <source>Connect closed</source>
        <translation>Соединение разорвано</translation>
    </message>
</context>
<context>
    <name>CNetSession</name>
    <message>
        <source>Partner</source>
        <translation>Партнёр</translation>
    </message>
    <message>
        <source>The partner&apos;s fleet breaks the rules of the game. The connection is closed.</source>
        <translation>Флот партнёра не отвечает правилам игры. Соединение закрыто.</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Опции</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Difficulty *</source>
        <translation>Сложность *</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Легко</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Нормально</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Сложно</translation>
    </message>
    <message>
        <source>Tradition game *</source>
        <translation>Традиционная игра *</translation>
    </message>
    <message>
        <source>Show number of ships</source>
        <translation>Показывать число живых кораблей</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Озвучивать игру</translation>
    </message>
    <message>
        <source>Delay then computer went (ms)</source>
        <translation>Задержка хода компа (мс)</translation>
    </message>
    <message>
        <source>* Current game will be stoped.</source>
        <translation>* При изменении этих настроек текущая игра будет прервана.</translation>
    </message>
    <message>
        <source>Язык/Language</source>
        <translation>Язык/Language</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>The button for every language but Russian: this language&apos;s own name.</extracomment>
        <translation>English</translation>
    </message>
    <message>
        <source>Begin new game ?</source>
        <translation>Изменены настройки при которых текущая игра не может быть продолжена.
Начать новую игру ?</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Please enter a positive integer.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Please enter an integer between %1 and %2.</translation>
    </message>
</context>
<context>
    <name>CPlaceShipsDlg</name>
    <message>
        <source>Placing ships</source>
        <translation>Расстановка кораблей</translation>
    </message>
    <message>
        <source>Left MB :
   Move

Right MB :
   Rotate</source>
        <translation>Left MB :
   Двигать

Right MB :
   Поворачивать</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Random</translation>
    </message>
    <message>
        <source>!</source>
        <translation>!</translation>
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
   Следующий корабль
Стрелки :
   Двигать
R, пробел :
   Поворачивать</translation>
    </message>
</context>
<context>
    <name>CPlayer</name>
    <message>
        <source>Easy</source>
        <translation>Ламер</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Юзер</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Хакер</translation>
    </message>
    <message>
        <source>Computer - </source>
        <translation>Компьютер - </translation>
    </message>
</context>
<context>
    <name>CResultDlg</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CScoresDlg</name>
    <message>
        <source>№</source>
        <translation>№</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Побед</translation>
    </message>
    <message>
        <source>Lose</source>
        <translation>Поражений</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Top 10</source>
        <translation>Лучшая десятка</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete the player &quot;%1&quot; from the table of records?</source>
        <translation>Удалить игрока &quot;%1&quot; из таблицы рекордов?</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Your turn</source>
        <translation>Ваш ход</translation>
    </message>
    <message>
        <source>You win!</source>
        <translation>Вы победили!</translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>Вы проиграли!</translation>
    </message>
    <message>
        <source>Battlefield</source>
        <translation>Поле боя</translation>
    </message>
    <message>
        <source>Your fleet</source>
        <translation>Ваш флот</translation>
    </message>
    <message>
        <source>Tab: next ship, arrows: move it, R or Space: turn it</source>
        <translation>Tab: следующий корабль, стрелки: двигать, R или пробел: повернуть</translation>
    </message>
    <message>
        <source>ABCDEFGHIJ</source>
        <extracomment>The ten column letters of a board, left to right, one character each.</extracomment>
        <translation>АБВГДЕЖЗИК</translation>
    </message>
    <message>
        <source>not shot</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>не обстреляна</translation>
    </message>
    <message>
        <source>miss</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>мимо</translation>
    </message>
    <message>
        <source>your deck</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>ваша палуба</translation>
    </message>
    <message>
        <source>hit</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>ранен</translation>
    </message>
    <message>
        <source>sunk</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>убит</translation>
    </message>
    <message>
        <source>afloat</source>
        <extracomment>A cell of a board: a deck shown after a lost game.</extracomment>
        <translation>уцелел</translation>
    </message>
    <message numerus="yes">
        <source>%n deck(s)</source>
        <translation>
            <numerusform>%n палуба</numerusform>
            <numerusform>%n палубы</numerusform>
            <numerusform>%n палуб</numerusform>
        </translation>
    </message>
    <message>
        <source>one-deck</source>
        <extracomment>Ships afloat: the count of ships of one deck follows.</extracomment>
        <translation>однопалубных</translation>
    </message>
    <message>
        <source>two-deck</source>
        <extracomment>Ships afloat: the count of ships of two decks follows.</extracomment>
        <translation>двухпалубных</translation>
    </message>
    <message>
        <source>three-deck</source>
        <extracomment>Ships afloat: the count of ships of three decks follows.</extracomment>
        <translation>трёхпалубных</translation>
    </message>
    <message>
        <source>four-deck</source>
        <extracomment>Ships afloat: the count of ships of four decks follows.</extracomment>
        <translation>четырёхпалубных</translation>
    </message>
    <message>
        <source> to </source>
        <extracomment>Between the first and the last cell of a ship: A1 to A4.</extracomment>
        <translation> – </translation>
    </message>
    <message>
        <source> (ships touch: OK is refused)</source>
        <translation> (корабли касаются: OK недоступен)</translation>
    </message>
    <message>
        <source>your board</source>
        <extracomment>The player&apos;s own board, as the opponent&apos;s shots at it are reported.</extracomment>
        <translation>ваше поле</translation>
    </message>
    <message>
        <source>Your ships afloat</source>
        <translation>Ваши корабли на плаву</translation>
    </message>
    <message>
        <source>Enemy ships afloat</source>
        <translation>Корабли противника на плаву</translation>
    </message>
    <message>
        <source>water</source>
        <extracomment>A cell of the placement board with no ship on it.</extracomment>
        <translation>вода</translation>
    </message>
    <message>
        <source>ships overlap</source>
        <extracomment>A cell of the placement board where two ships lie on each other.</extracomment>
        <translation>корабли наложены</translation>
    </message>
    <message>
        <source>ship of %1</source>
        <extracomment>A cell of the placement board; %1 is the ship&apos;s length: &quot;3 decks&quot;.</extracomment>
        <translation>корабль, %1</translation>
    </message>
</context>
</TS>
