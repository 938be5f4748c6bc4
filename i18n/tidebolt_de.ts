<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tidebolt</source>
        <translation>Über Tidebolt</translation>
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
        <translation>Petrosawodsk, Staatliche Universität Petrosawodsk, Gruppe 22405</translation>
    </message>
    <message>
        <source>Made with C++ and Qt 6</source>
        <translation>Erstellt mit C++ und Qt 6</translation>
    </message>
</context>
<context>
    <name>CChatPanel</name>
    <message>
        <source>Tidebolt: chat</source>
        <translation>Tidebolt: Chat</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Your line</source>
        <translation>Deine Zeile</translation>
    </message>
    <message>
        <source>Chat works in a network game, once a partner is connected.</source>
        <translation>Der Chat ist im Netzwerkspiel verfügbar, sobald ein Mitspieler verbunden ist.</translation>
    </message>
    <message>
        <source>Chat is unavailable with this partner.</source>
        <translation>Mit diesem Mitspieler ist kein Chat möglich.</translation>
    </message>
</context>
<context>
    <name>CGameDlg</name>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Game with computer</source>
        <translation>Gegen den Computer</translation>
    </message>
    <message>
        <source>Game in Network</source>
        <translation>Netzwerkspiel</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Tidebolt [ Server ]</source>
        <translation>Tidebolt [ Server ]</translation>
    </message>
    <message>
        <source>Tidebolt [ Client ]</source>
        <translation>Tidebolt [ Client ]</translation>
    </message>
    <message>
        <source>Do you want exit game?</source>
        <translation>Spiel wirklich beenden?</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten...</translation>
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
        <translation>Spiel-&gt;Neues Spiel	-  neues Spiel beginnen
Spiel-&gt;Bestenliste	-  die besten zehn Spieler
Spiel-&gt;Beenden	-  Spiel beenden

Optionen	-  Fenster Optionen öffnen
  &gt;&gt;Schwierigkeit	-  wie stark der Computer spielt
  &gt;&gt;Sprache	-  Sprache des Spiels
  &gt;&gt;Klassische Regel	-  nach einem Treffer noch einmal schießen
  &gt;&gt;Fehlschüsse setzen	-  Wasser um versenkte Schiffe markieren
  &gt;&gt;Anzahl der Schiffe	-  Tabelle der Schiffe im Spiel
  &gt;&gt;Ton abspielen	-  Töne an oder aus

Hilfe-&gt;Hilfe	-  dieses Fenster öffnen
Hilfe-&gt;Über	-  wer das Spiel gemacht hat

    Tastenkürzel:
F1 	-  Hilfe öffnen
F2 	-  neues Spiel beginnen
F3 	-  die besten zehn Spieler
Esc	-  Spiel beenden

	           Viel Glück!</translation>
    </message>
    <message>
        <source>Server now is plaing.</source>
        <translation>Der Server spielt gerade.</translation>
    </message>
    <message>
        <source>Connect closed</source>
        <translation>Verbindung getrennt</translation>
    </message>
    <message>
        <source>N</source>
        <comment>Alt letter of New game</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Alt letter of Scores</comment>
        <translation>B</translation>
    </message>
    <message>
        <source>c</source>
        <comment>Alt letter of Game with computer</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>w</source>
        <comment>Alt letter of Game in Network</comment>
        <translation>w</translation>
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
        <translation>e</translation>
    </message>
    <message>
        <source>G</source>
        <comment>Alt letter of the Game menu</comment>
        <translation>S</translation>
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
        <translation>b</translation>
    </message>
</context>
<context>
    <name>CNameDlg</name>
    <message>
        <source>Enter your name</source>
        <translation>Gib deinen Namen ein</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Put the ships</source>
        <translation>Schiffe aufstellen</translation>
    </message>
    <message>
        <source>Начать игру</source>
        <translation>Spiel beginnen</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Bitte höchstens %1 Zeichen eingeben.</translation>
    </message>
    <message>
        <source>The name contains characters that cannot be used. Please use Latin or Cyrillic letters, digits and ordinary signs.</source>
        <translation>Der Name enthält Zeichen, die nicht erlaubt sind. Bitte nur lateinische oder kyrillische Buchstaben, Ziffern und gewöhnliche Zeichen verwenden.</translation>
    </message>
</context>
<context>
    <name>CNetDlg</name>
    <message>
        <source>Game in Network</source>
        <translation>Netzwerkspiel</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>This computer name</source>
        <translation>Name dieses Computers</translation>
    </message>
    <message>
        <source>IP addres</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Please choice type</source>
        <translation>Rolle wählen</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Server name or IP</source>
        <translation>Servername oder IP</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Error gethostname.</source>
        <translation>Der Name dieses Computers ist nicht zu ermitteln.</translation>
    </message>
    <message>
        <source>Wait for client...</source>
        <translation>Warte auf Mitspieler...</translation>
    </message>
    <message>
        <source>Connect successful!</source>
        <translation>Verbunden!</translation>
    </message>
    <message>
        <source>Connect failed</source>
        <translation>Verbindung zum Server fehlgeschlagen</translation>
    </message>
    <message>
        <source>Connect successful</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Connect closed</source>
        <translation>Verbindung getrennt</translation>
    </message>
</context>
<context>
    <name>CNetSession</name>
    <message>
        <source>Partner</source>
        <translation>Mitspieler</translation>
    </message>
    <message>
        <source>The partner&apos;s fleet breaks the rules of the game. The connection is closed.</source>
        <translation>Die Flotte des Mitspielers verstößt gegen die Spielregeln. Die Verbindung wird getrennt.</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Difficulty *</source>
        <translation>Schwierigkeit *</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Tradition game *</source>
        <translation>Klassische Regel *</translation>
    </message>
    <message>
        <source>Show number of ships</source>
        <translation>Anzahl der Schiffe zeigen</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Ton abspielen</translation>
    </message>
    <message>
        <source>Delay then computer went (ms)</source>
        <translation>Bedenkzeit des Computers (ms)</translation>
    </message>
    <message>
        <source>* Current game will be stoped.</source>
        <translation>* Eine laufende Partie wird dabei abgebrochen.</translation>
    </message>
    <message>
        <source>Язык/Language</source>
        <translation>Sprache/Language</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>The button for every language but Russian: this language&apos;s own name.</extracomment>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Begin new game ?</source>
        <translation>Mit diesen Einstellungen kann die Partie nicht weitergehen.
Neues Spiel beginnen?</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Bitte eine positive ganze Zahl eingeben.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Bitte eine ganze Zahl zwischen %1 und %2 eingeben.</translation>
    </message>
</context>
<context>
    <name>CPlaceShipsDlg</name>
    <message>
        <source>Placing ships</source>
        <translation>Schiffe aufstellen</translation>
    </message>
    <message>
        <source>Left MB :
   Move

Right MB :
   Rotate</source>
        <translation>Linke Maustaste:
   Verschieben

Rechte Maustaste:
   Drehen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufällig</translation>
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
   Nächstes Schiff
Pfeile :
   Bewegen
R, Leertaste :
   Drehen</translation>
    </message>
</context>
<context>
    <name>CPlayer</name>
    <message>
        <source>Easy</source>
        <translation>Anfänger</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Kenner</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Meister</translation>
    </message>
    <message>
        <source>Computer - </source>
        <translation>Computer - </translation>
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
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Siege</translation>
    </message>
    <message>
        <source>Lose</source>
        <translation>Niederlagen</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
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
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the player &quot;%1&quot; from the table of records?</source>
        <translation>Spieler „%1“ aus der Bestenliste löschen?</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Your turn</source>
        <translation>Du bist am Zug</translation>
    </message>
    <message>
        <source>You win!</source>
        <translation>Du hast gewonnen!</translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>Du hast verloren!</translation>
    </message>
    <message>
        <source>Battlefield</source>
        <translation>Schlachtfeld</translation>
    </message>
    <message>
        <source>Your fleet</source>
        <translation>Deine Flotte</translation>
    </message>
    <message>
        <source>Tab: next ship, arrows: move it, R or Space: turn it</source>
        <translation>Tab: nächstes Schiff, Pfeiltasten: verschieben, R oder Leertaste: drehen</translation>
    </message>
    <message>
        <source>ABCDEFGHIJ</source>
        <extracomment>The ten column letters of a board, left to right, one character each.</extracomment>
        <translation>ABCDEFGHIJ</translation>
    </message>
    <message>
        <source>not shot</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>nicht beschossen</translation>
    </message>
    <message>
        <source>miss</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>your deck</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>dein Schiff</translation>
    </message>
    <message>
        <source>hit</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>sunk</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>versenkt</translation>
    </message>
    <message>
        <source>afloat</source>
        <extracomment>A cell of a board: a deck shown after a lost game.</extracomment>
        <translation>unversehrt</translation>
    </message>
    <message numerus="yes">
        <source>%n deck(s)</source>
        <translation>
            <numerusform>%n Feld</numerusform>
            <numerusform>%n Felder</numerusform>
        </translation>
    </message>
    <message>
        <source>one-deck</source>
        <extracomment>Ships afloat: the count of ships of one deck follows.</extracomment>
        <translation>Einer</translation>
    </message>
    <message>
        <source>two-deck</source>
        <extracomment>Ships afloat: the count of ships of two decks follows.</extracomment>
        <translation>Zweier</translation>
    </message>
    <message>
        <source>three-deck</source>
        <extracomment>Ships afloat: the count of ships of three decks follows.</extracomment>
        <translation>Dreier</translation>
    </message>
    <message>
        <source>four-deck</source>
        <extracomment>Ships afloat: the count of ships of four decks follows.</extracomment>
        <translation>Vierer</translation>
    </message>
    <message>
        <source> to </source>
        <extracomment>Between the first and the last cell of a ship: A1 to A4.</extracomment>
        <translation> bis </translation>
    </message>
    <message>
        <source> (ships touch: OK is refused)</source>
        <translation> (Schiffe berühren sich: OK ist gesperrt)</translation>
    </message>
    <message>
        <source>your board</source>
        <extracomment>The player&apos;s own board, as the opponent&apos;s shots at it are reported.</extracomment>
        <translation>dein Feld</translation>
    </message>
    <message>
        <source>Your ships afloat</source>
        <translation>Deine Schiffe im Spiel</translation>
    </message>
    <message>
        <source>Enemy ships afloat</source>
        <translation>Gegnerische Schiffe im Spiel</translation>
    </message>
    <message>
        <source>water</source>
        <extracomment>A cell of the placement board with no ship on it.</extracomment>
        <translation>Wasser</translation>
    </message>
    <message>
        <source>ships overlap</source>
        <extracomment>A cell of the placement board where two ships lie on each other.</extracomment>
        <translation>Schiffe überlappen</translation>
    </message>
    <message>
        <source>ship of %1</source>
        <extracomment>A cell of the placement board; %1 is the ship&apos;s length: &quot;3 decks&quot;.</extracomment>
        <translation>Schiff, %1</translation>
    </message>
</context>
</TS>
