<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tidebolt</source>
        <translation>Acerca de Tidebolt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Andrei Sokolov</source>
        <translation>Andréi Sokolov</translation>
    </message>
    <message>
        <source>Petrozavodsk, Petrozavodsk State University, group 22405</source>
        <translation>Petrozavodsk, Universidad Estatal de Petrozavodsk, grupo 22405</translation>
    </message>
    <message>
        <source>Made with C++ and Qt 6</source>
        <translation>Hecho con C++ y Qt 6</translation>
    </message>
</context>
<context>
    <name>CChatPanel</name>
    <message>
        <source>Tidebolt: chat</source>
        <translation>Tidebolt: chat</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Your line</source>
        <translation>Tu mensaje</translation>
    </message>
    <message>
        <source>Chat works in a network game, once a partner is connected.</source>
        <translation>El chat funciona en una partida en red, cuando hay un rival conectado.</translation>
    </message>
    <message>
        <source>Chat is unavailable with this partner.</source>
        <translation>El chat no está disponible con este rival.</translation>
    </message>
</context>
<context>
    <name>CGameDlg</name>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Récords</translation>
    </message>
    <message>
        <source>Game with computer</source>
        <translation>Contra el ordenador</translation>
    </message>
    <message>
        <source>Game in Network</source>
        <translation>Partida en red</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
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
        <translation>¿Quieres salir del juego?</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Espera, por favor...</translation>
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
        <translation>Juego-&gt;Nueva partida	-  empezar una partida nueva
Juego-&gt;Récords	-  los diez mejores jugadores
Juego-&gt;Salir	-  salir del juego

Opciones	-  abrir las opciones
  &gt;&gt;Dificultad	-  nivel del ordenador
  &gt;&gt;Idioma	-  idioma del juego
  &gt;&gt;Regla clásica	-  volver a disparar tras un acierto
  &gt;&gt;Marcar agua	-  marcar el agua alrededor de los barcos hundidos
  &gt;&gt;Número de barcos	-  tabla de barcos a flote
  &gt;&gt;Reproducir sonidos	-  activar o no el sonido

Ayuda-&gt;Ayuda	-  abrir esta ventana
Ayuda-&gt;Acerca de	-  el autor del juego

    Atajos de teclado:
F1 	-  abrir la ayuda
F2 	-  empezar una partida nueva
F3 	-  los diez mejores jugadores
Esc	-  salir del juego

	           ¡Buena suerte!</translation>
    </message>
    <message>
        <source>Server now is plaing.</source>
        <translation>El servidor ya está jugando.</translation>
    </message>
    <message>
        <source>Connect closed</source>
        <translation>Conexión cerrada</translation>
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
        <translation>P</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>h</source>
        <comment>Alt letter of Chat</comment>
        <translation>h</translation>
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
        <translation>c</translation>
    </message>
</context>
<context>
    <name>CNameDlg</name>
    <message>
        <source>Enter your name</source>
        <translation>Escribe tu nombre</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Put the ships</source>
        <translation>Colocar los barcos</translation>
    </message>
    <message>
        <source>Начать игру</source>
        <translation>Empezar la partida</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Escribe como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>The name contains characters that cannot be used. Please use Latin or Cyrillic letters, digits and ordinary signs.</source>
        <translation>El nombre contiene caracteres no permitidos. Usa letras latinas o cirílicas, cifras y signos corrientes.</translation>
    </message>
</context>
<context>
    <name>CNetDlg</name>
    <message>
        <source>Game in Network</source>
        <translation>Partida en red</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Empezar partida</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>This computer name</source>
        <translation>Nombre de este equipo</translation>
    </message>
    <message>
        <source>IP addres</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Please choice type</source>
        <translation>Elige el papel</translation>
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
        <translation>Nombre o IP del servidor</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Error gethostname.</source>
        <translation>No se puede obtener el nombre de este equipo.</translation>
    </message>
    <message>
        <source>Wait for client...</source>
        <translation>Esperando al cliente...</translation>
    </message>
    <message>
        <source>Connect successful!</source>
        <translation>¡Conexión establecida!</translation>
    </message>
    <message>
        <source>Connect failed</source>
        <translation>No se pudo conectar con el servidor</translation>
    </message>
    <message>
        <source>Connect successful</source>
        <translation>Conexión establecida</translation>
    </message>
    <message>
        <source>Connect closed</source>
        <translation>Conexión cerrada</translation>
    </message>
</context>
<context>
    <name>CNetSession</name>
    <message>
        <source>Partner</source>
        <translation>Rival</translation>
    </message>
    <message>
        <source>The partner&apos;s fleet breaks the rules of the game. The connection is closed.</source>
        <translation>La flota del rival no cumple las reglas del juego. Se cierra la conexión.</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Difficulty *</source>
        <translation>Dificultad *</translation>
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
        <translation>Regla clásica *</translation>
    </message>
    <message>
        <source>Show number of ships</source>
        <translation>Mostrar el número de barcos</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Reproducir sonidos</translation>
    </message>
    <message>
        <source>Delay then computer went (ms)</source>
        <translation>Pausa del ordenador (ms)</translation>
    </message>
    <message>
        <source>* Current game will be stoped.</source>
        <translation>* La partida en curso se interrumpirá.</translation>
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
        <translation>Español</translation>
    </message>
    <message>
        <source>Begin new game ?</source>
        <translation>Con estos ajustes la partida no puede continuar.
¿Empezar una nueva partida?</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Escribe un número entero positivo.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Escribe un número entero entre %1 y %2.</translation>
    </message>
</context>
<context>
    <name>CPlaceShipsDlg</name>
    <message>
        <source>Placing ships</source>
        <translation>Colocación de barcos</translation>
    </message>
    <message>
        <source>Left MB :
   Move

Right MB :
   Rotate</source>
        <translation>Botón izquierdo:
   Mover

Botón derecho:
   Girar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Al azar</translation>
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
   Siguiente barco
Flechas :
   Mover
R, Espacio :
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
        <translation>As</translation>
    </message>
    <message>
        <source>Computer - </source>
        <translation>Ordenador - </translation>
    </message>
</context>
<context>
    <name>CResultDlg</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>CScoresDlg</name>
    <message>
        <source>№</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Victorias</translation>
    </message>
    <message>
        <source>Lose</source>
        <translation>Derrotas</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Top 10</source>
        <translation>Los 10 mejores</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete the player &quot;%1&quot; from the table of records?</source>
        <translation>¿Eliminar al jugador «%1» de la tabla de récords?</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Your turn</source>
        <translation>Tu turno</translation>
    </message>
    <message>
        <source>You win!</source>
        <translation>¡Has ganado!</translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>¡Has perdido!</translation>
    </message>
    <message>
        <source>Battlefield</source>
        <translation>Campo de batalla</translation>
    </message>
    <message>
        <source>Your fleet</source>
        <translation>Tu flota</translation>
    </message>
    <message>
        <source>Tab: next ship, arrows: move it, R or Space: turn it</source>
        <translation>Tab: siguiente barco, flechas: moverlo, R o Espacio: girarlo</translation>
    </message>
    <message>
        <source>ABCDEFGHIJ</source>
        <extracomment>The ten column letters of a board, left to right, one character each.</extracomment>
        <translation>ABCDEFGHIJ</translation>
    </message>
    <message>
        <source>not shot</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>sin disparar</translation>
    </message>
    <message>
        <source>miss</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>agua</translation>
    </message>
    <message>
        <source>your deck</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>tu barco</translation>
    </message>
    <message>
        <source>hit</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>tocado</translation>
    </message>
    <message>
        <source>sunk</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>hundido</translation>
    </message>
    <message>
        <source>afloat</source>
        <extracomment>A cell of a board: a deck shown after a lost game.</extracomment>
        <translation>a flote</translation>
    </message>
    <message numerus="yes">
        <source>%n deck(s)</source>
        <translation>
            <numerusform>%n casilla</numerusform>
            <numerusform>%n casillas</numerusform>
        </translation>
    </message>
    <message>
        <source>one-deck</source>
        <extracomment>Ships afloat: the count of ships of one deck follows.</extracomment>
        <translation>de una casilla</translation>
    </message>
    <message>
        <source>two-deck</source>
        <extracomment>Ships afloat: the count of ships of two decks follows.</extracomment>
        <translation>de dos casillas</translation>
    </message>
    <message>
        <source>three-deck</source>
        <extracomment>Ships afloat: the count of ships of three decks follows.</extracomment>
        <translation>de tres casillas</translation>
    </message>
    <message>
        <source>four-deck</source>
        <extracomment>Ships afloat: the count of ships of four decks follows.</extracomment>
        <translation>de cuatro casillas</translation>
    </message>
    <message>
        <source> to </source>
        <extracomment>Between the first and the last cell of a ship: A1 to A4.</extracomment>
        <translation> a </translation>
    </message>
    <message>
        <source> (ships touch: OK is refused)</source>
        <translation> (hay barcos que se tocan: OK no disponible)</translation>
    </message>
    <message>
        <source>your board</source>
        <extracomment>The player&apos;s own board, as the opponent&apos;s shots at it are reported.</extracomment>
        <translation>tu tablero</translation>
    </message>
    <message>
        <source>Your ships afloat</source>
        <translation>Tus barcos a flote</translation>
    </message>
    <message>
        <source>Enemy ships afloat</source>
        <translation>Barcos enemigos a flote</translation>
    </message>
    <message>
        <source>water</source>
        <extracomment>A cell of the placement board with no ship on it.</extracomment>
        <translation>agua</translation>
    </message>
    <message>
        <source>ships overlap</source>
        <extracomment>A cell of the placement board where two ships lie on each other.</extracomment>
        <translation>barcos superpuestos</translation>
    </message>
    <message>
        <source>ship of %1</source>
        <extracomment>A cell of the placement board; %1 is the ship&apos;s length: &quot;3 decks&quot;.</extracomment>
        <translation>barco de %1</translation>
    </message>
</context>
</TS>
