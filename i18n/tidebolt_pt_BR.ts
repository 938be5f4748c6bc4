<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tidebolt</source>
        <translation>Sobre o Tidebolt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Andrei Sokolov</source>
        <translation>Andrei Sokolov</translation>
    </message>
    <message>
        <source>Petrozavodsk, Petrozavodsk State University, group 22405</source>
        <translation>Petrozavodsk, Universidade Estatal de Petrozavodsk, turma 22405</translation>
    </message>
    <message>
        <source>Made with C++ and Qt 6</source>
        <translation>Feito com C++ e Qt 6</translation>
    </message>
</context>
<context>
    <name>CChatPanel</name>
    <message>
        <source>Tidebolt: chat</source>
        <translation>Tidebolt: bate-papo</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Bate-papo</translation>
    </message>
    <message>
        <source>Your line</source>
        <translation>Sua mensagem</translation>
    </message>
    <message>
        <source>Chat works in a network game, once a partner is connected.</source>
        <translation>O bate-papo funciona no jogo em rede, quando há um adversário conectado.</translation>
    </message>
    <message>
        <source>Chat is unavailable with this partner.</source>
        <translation>O bate-papo não está disponível com este adversário.</translation>
    </message>
</context>
<context>
    <name>CGameDlg</name>
    <message>
        <source>Game</source>
        <translation>Jogo</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Novo jogo</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Recordes</translation>
    </message>
    <message>
        <source>Game with computer</source>
        <translation>Contra o computador</translation>
    </message>
    <message>
        <source>Game in Network</source>
        <translation>Jogo em rede</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Tidebolt [ Server ]</source>
        <translation>Tidebolt [ Servidor ]</translation>
    </message>
    <message>
        <source>Tidebolt [ Client ]</source>
        <translation>Tidebolt [ Cliente ]</translation>
    </message>
    <message>
        <source>Do you want exit game?</source>
        <translation>Deseja sair do jogo?</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Aguarde...</translation>
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
        <translation>Jogo-&gt;Novo jogo	-  começar um novo jogo
Jogo-&gt;Recordes	-  os dez melhores jogadores
Jogo-&gt;Sair	-  sair do jogo

Opções	-  abrir as opções
  &gt;&gt;Dificuldade	-  nível do computador
  &gt;&gt;Idioma	-  idioma do jogo
  &gt;&gt;Regra clássica	-  atirar de novo após acertar
  &gt;&gt;Marcar água	-  marcar a água em volta dos navios afundados
  &gt;&gt;Número de navios	-  tabela dos navios à tona
  &gt;&gt;Tocar sons	-  ligar ou desligar o som

Ajuda-&gt;Ajuda	-  abrir esta janela
Ajuda-&gt;Sobre	-  o autor do jogo

    Atalhos de teclado:
F1 	-  abrir a ajuda
F2 	-  começar um novo jogo
F3 	-  os dez melhores jogadores
Esc	-  sair do jogo

	           Boa sorte!</translation>
    </message>
    <message>
        <source>Server now is plaing.</source>
        <translation>O servidor já está jogando.</translation>
    </message>
    <message>
        <source>Connect closed</source>
        <translation>Conexão encerrada</translation>
    </message>
    <message>
        <source>N</source>
        <comment>Alt letter of New game</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Alt letter of Scores</comment>
        <translation>R</translation>
    </message>
    <message>
        <source>c</source>
        <comment>Alt letter of Game with computer</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>w</source>
        <comment>Alt letter of Game in Network</comment>
        <translation>J</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Bate-papo</translation>
    </message>
    <message>
        <source>h</source>
        <comment>Alt letter of Chat</comment>
        <translation>B</translation>
    </message>
    <message>
        <source>x</source>
        <comment>Alt letter of Exit</comment>
        <translation>S</translation>
    </message>
    <message>
        <source>G</source>
        <comment>Alt letter of the Game menu</comment>
        <translation>J</translation>
    </message>
    <message>
        <source>O</source>
        <comment>Alt letter of the Options menu</comment>
        <translation>O</translation>
    </message>
    <message>
        <source>H</source>
        <comment>Alt letter of the Help menu</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>H</source>
        <comment>Alt letter of Help in the Help menu</comment>
        <translation>A</translation>
    </message>
    <message>
        <source>A</source>
        <comment>Alt letter of About</comment>
        <translation>S</translation>
    </message>
</context>
<context>
    <name>CNameDlg</name>
    <message>
        <source>Enter your name</source>
        <translation>Digite seu nome</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Put the ships</source>
        <translation>Posicionar os navios</translation>
    </message>
    <message>
        <source>Начать игру</source>
        <translation>Começar o jogo</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Digite no máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>The name contains characters that cannot be used. Please use Latin or Cyrillic letters, digits and ordinary signs.</source>
        <translation>O nome contém caracteres não permitidos. Use letras latinas ou cirílicas, algarismos e sinais comuns.</translation>
    </message>
</context>
<context>
    <name>CNetDlg</name>
    <message>
        <source>Game in Network</source>
        <translation>Jogo em rede</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Iniciar jogo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This computer name</source>
        <translation>Nome deste computador</translation>
    </message>
    <message>
        <source>IP addres</source>
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Please choice type</source>
        <translation>Escolha o papel</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Server name or IP</source>
        <translation>Nome ou IP do servidor</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Error gethostname.</source>
        <translation>Não foi possível obter o nome deste computador.</translation>
    </message>
    <message>
        <source>Wait for client...</source>
        <translation>Aguardando o cliente...</translation>
    </message>
    <message>
        <source>Connect successful!</source>
        <translation>Conexão estabelecida!</translation>
    </message>
    <message>
        <source>Connect failed</source>
        <translation>Não foi possível conectar ao servidor</translation>
    </message>
    <message>
        <source>Connect successful</source>
        <translation>Conexão estabelecida</translation>
    </message>
    <message>
        <source>Connect closed</source>
        <translation>Conexão encerrada</translation>
    </message>
</context>
<context>
    <name>CNetSession</name>
    <message>
        <source>Partner</source>
        <translation>Adversário</translation>
    </message>
    <message>
        <source>The partner&apos;s fleet breaks the rules of the game. The connection is closed.</source>
        <translation>A frota do adversário não segue as regras do jogo. A conexão foi encerrada.</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Difficulty *</source>
        <translation>Dificuldade *</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Tradition game *</source>
        <translation>Regra clássica *</translation>
    </message>
    <message>
        <source>Show number of ships</source>
        <translation>Mostrar o número de navios</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Tocar sons</translation>
    </message>
    <message>
        <source>Delay then computer went (ms)</source>
        <translation>Pausa do computador (ms)</translation>
    </message>
    <message>
        <source>* Current game will be stoped.</source>
        <translation>* O jogo em andamento será interrompido.</translation>
    </message>
    <message>
        <source>Язык/Language</source>
        <translation>Idioma/Language</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>The button for every language but Russian: this language&apos;s own name.</extracomment>
        <translation>Português</translation>
    </message>
    <message>
        <source>Begin new game ?</source>
        <translation>Com essas opções o jogo não pode continuar.
Começar um novo jogo?</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Digite um número inteiro positivo.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Digite um número inteiro entre %1 e %2.</translation>
    </message>
</context>
<context>
    <name>CPlaceShipsDlg</name>
    <message>
        <source>Placing ships</source>
        <translation>Posicionamento dos navios</translation>
    </message>
    <message>
        <source>Left MB :
   Move

Right MB :
   Rotate</source>
        <translation>Botão esquerdo:
   Mover

Botão direito:
   Girar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatório</translation>
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
   Próximo navio
Setas :
   Mover
R, Espaço :
   Girar</translation>
    </message>
</context>
<context>
    <name>CPlayer</name>
    <message>
        <source>Easy</source>
        <translation>Novato</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Veterano</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Ás</translation>
    </message>
    <message>
        <source>Computer - </source>
        <translation>Computador - </translation>
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
        <translation>Nº</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Vitórias</translation>
    </message>
    <message>
        <source>Lose</source>
        <translation>Derrotas</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Top 10</source>
        <translation>Top 10</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Delete the player &quot;%1&quot; from the table of records?</source>
        <translation>Excluir o jogador &quot;%1&quot; da tabela de recordes?</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Your turn</source>
        <translation>Sua vez</translation>
    </message>
    <message>
        <source>You win!</source>
        <translation>Você venceu!</translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>Você perdeu!</translation>
    </message>
    <message>
        <source>Battlefield</source>
        <translation>Campo de batalha</translation>
    </message>
    <message>
        <source>Your fleet</source>
        <translation>Sua frota</translation>
    </message>
    <message>
        <source>Tab: next ship, arrows: move it, R or Space: turn it</source>
        <translation>Tab: próximo navio, setas: mover, R ou Espaço: girar</translation>
    </message>
    <message>
        <source>ABCDEFGHIJ</source>
        <extracomment>The ten column letters of a board, left to right, one character each.</extracomment>
        <translation>ABCDEFGHIJ</translation>
    </message>
    <message>
        <source>not shot</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>não atingida</translation>
    </message>
    <message>
        <source>miss</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>água</translation>
    </message>
    <message>
        <source>your deck</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>seu navio</translation>
    </message>
    <message>
        <source>hit</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>atingido</translation>
    </message>
    <message>
        <source>sunk</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>afundado</translation>
    </message>
    <message>
        <source>afloat</source>
        <extracomment>A cell of a board: a deck shown after a lost game.</extracomment>
        <translation>intacto</translation>
    </message>
    <message numerus="yes">
        <source>%n deck(s)</source>
        <translation>
            <numerusform>%n casa</numerusform>
            <numerusform>%n casas</numerusform>
        </translation>
    </message>
    <message>
        <source>one-deck</source>
        <extracomment>Ships afloat: the count of ships of one deck follows.</extracomment>
        <translation>de uma casa</translation>
    </message>
    <message>
        <source>two-deck</source>
        <extracomment>Ships afloat: the count of ships of two decks follows.</extracomment>
        <translation>de duas casas</translation>
    </message>
    <message>
        <source>three-deck</source>
        <extracomment>Ships afloat: the count of ships of three decks follows.</extracomment>
        <translation>de três casas</translation>
    </message>
    <message>
        <source>four-deck</source>
        <extracomment>Ships afloat: the count of ships of four decks follows.</extracomment>
        <translation>de quatro casas</translation>
    </message>
    <message>
        <source> to </source>
        <extracomment>Between the first and the last cell of a ship: A1 to A4.</extracomment>
        <translation> a </translation>
    </message>
    <message>
        <source> (ships touch: OK is refused)</source>
        <translation> (navios encostados: OK indisponível)</translation>
    </message>
    <message>
        <source>your board</source>
        <extracomment>The player&apos;s own board, as the opponent&apos;s shots at it are reported.</extracomment>
        <translation>seu tabuleiro</translation>
    </message>
    <message>
        <source>Your ships afloat</source>
        <translation>Seus navios à tona</translation>
    </message>
    <message>
        <source>Enemy ships afloat</source>
        <translation>Navios inimigos à tona</translation>
    </message>
    <message>
        <source>water</source>
        <extracomment>A cell of the placement board with no ship on it.</extracomment>
        <translation>água</translation>
    </message>
    <message>
        <source>ships overlap</source>
        <extracomment>A cell of the placement board where two ships lie on each other.</extracomment>
        <translation>navios sobrepostos</translation>
    </message>
    <message>
        <source>ship of %1</source>
        <extracomment>A cell of the placement board; %1 is the ship&apos;s length: &quot;3 decks&quot;.</extracomment>
        <translation>navio de %1</translation>
    </message>
</context>
</TS>
