<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tidebolt</source>
        <translation>Informazioni su Tidebolt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Andrei Sokolov</source>
        <translation>Andrej Sokolov</translation>
    </message>
    <message>
        <source>Petrozavodsk, Petrozavodsk State University, group 22405</source>
        <translation>Petrozavodsk, Università statale di Petrozavodsk, gruppo 22405</translation>
    </message>
    <message>
        <source>Made with C++ and Qt 6</source>
        <translation>Realizzato con C++ e Qt 6</translation>
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
        <translation>Invia</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Chat</translation>
    </message>
    <message>
        <source>Your line</source>
        <translation>Il tuo messaggio</translation>
    </message>
    <message>
        <source>Chat works in a network game, once a partner is connected.</source>
        <translation>La chat funziona nelle partite in rete, quando un avversario è collegato.</translation>
    </message>
    <message>
        <source>Chat is unavailable with this partner.</source>
        <translation>La chat non è disponibile con questo avversario.</translation>
    </message>
</context>
<context>
    <name>CGameDlg</name>
    <message>
        <source>Game</source>
        <translation>Partita</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nuova partita</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Punteggi</translation>
    </message>
    <message>
        <source>Game with computer</source>
        <translation>Contro il computer</translation>
    </message>
    <message>
        <source>Game in Network</source>
        <translation>Partita in rete</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
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
        <translation>Vuoi uscire dal gioco?</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Attendere...</translation>
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
        <translation>Partita-&gt;Nuova partita	-  inizia una nuova partita
Partita-&gt;Punteggi	-  i dieci migliori giocatori
Partita-&gt;Esci	-  esci dal gioco

Opzioni	-  apri le opzioni
  &gt;&gt;Difficoltà	-  livello del computer
  &gt;&gt;Lingua	-  lingua del gioco
  &gt;&gt;Regola classica	-  dopo un colpo a segno si spara ancora
  &gt;&gt;Segna acqua	-  segna l’acqua intorno alle navi affondate
  &gt;&gt;Numero di navi	-  tabella delle navi a galla
  &gt;&gt;Riproduci suoni	-  suoni sì o no

Aiuto-&gt;Aiuto	-  apri questa finestra
Aiuto-&gt;Informazioni	-  l’autore del gioco

    Tasti rapidi:
F1 	-  apri l’aiuto
F2 	-  inizia una nuova partita
F3 	-  i dieci migliori giocatori
Esc	-  esci dal gioco

	           Buona fortuna!</translation>
    </message>
    <message>
        <source>Server now is plaing.</source>
        <translation>Il server sta già giocando.</translation>
    </message>
    <message>
        <source>Connect closed</source>
        <translation>Connessione chiusa</translation>
    </message>
    <message>
        <source>N</source>
        <comment>Alt letter of New game</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Alt letter of Scores</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>c</source>
        <comment>Alt letter of Game with computer</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>w</source>
        <comment>Alt letter of Game in Network</comment>
        <translation>r</translation>
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
        <translation>E</translation>
    </message>
    <message>
        <source>G</source>
        <comment>Alt letter of the Game menu</comment>
        <translation>P</translation>
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
        <translation>I</translation>
    </message>
</context>
<context>
    <name>CNameDlg</name>
    <message>
        <source>Enter your name</source>
        <translation>Inserisci il tuo nome</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Put the ships</source>
        <translation>Disponi le navi</translation>
    </message>
    <message>
        <source>Начать игру</source>
        <translation>Inizia la partita</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Inserisci al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>The name contains characters that cannot be used. Please use Latin or Cyrillic letters, digits and ordinary signs.</source>
        <translation>Il nome contiene caratteri non ammessi. Usa lettere latine o cirilliche, cifre e segni comuni.</translation>
    </message>
</context>
<context>
    <name>CNetDlg</name>
    <message>
        <source>Game in Network</source>
        <translation>Partita in rete</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Inizia partita</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>This computer name</source>
        <translation>Nome di questo computer</translation>
    </message>
    <message>
        <source>IP addres</source>
        <translation>Indirizzo IP</translation>
    </message>
    <message>
        <source>Please choice type</source>
        <translation>Scegli il ruolo</translation>
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
        <translation>Nome o IP del server</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connetti</translation>
    </message>
    <message>
        <source>Error gethostname.</source>
        <translation>Impossibile ottenere il nome di questo computer.</translation>
    </message>
    <message>
        <source>Wait for client...</source>
        <translation>In attesa del client...</translation>
    </message>
    <message>
        <source>Connect successful!</source>
        <translation>Connessione riuscita!</translation>
    </message>
    <message>
        <source>Connect failed</source>
        <translation>Connessione al server non riuscita</translation>
    </message>
    <message>
        <source>Connect successful</source>
        <translation>Connessione riuscita</translation>
    </message>
    <message>
        <source>Connect closed</source>
        <translation>Connessione chiusa</translation>
    </message>
</context>
<context>
    <name>CNetSession</name>
    <message>
        <source>Partner</source>
        <translation>Avversario</translation>
    </message>
    <message>
        <source>The partner&apos;s fleet breaks the rules of the game. The connection is closed.</source>
        <translation>La flotta dell’avversario non rispetta le regole del gioco. La connessione è chiusa.</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Difficulty *</source>
        <translation>Difficoltà *</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normale</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Tradition game *</source>
        <translation>Regola classica *</translation>
    </message>
    <message>
        <source>Show number of ships</source>
        <translation>Mostra il numero di navi</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Riproduci suoni</translation>
    </message>
    <message>
        <source>Delay then computer went (ms)</source>
        <translation>Attesa del computer (ms)</translation>
    </message>
    <message>
        <source>* Current game will be stoped.</source>
        <translation>* La partita in corso verrà interrotta.</translation>
    </message>
    <message>
        <source>Язык/Language</source>
        <translation>Lingua/Language</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>The button for every language but Russian: this language&apos;s own name.</extracomment>
        <translation>Italiano</translation>
    </message>
    <message>
        <source>Begin new game ?</source>
        <translation>Con queste impostazioni la partita non può continuare.
Iniziare una nuova partita?</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Inserisci un numero intero positivo.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Inserisci un numero intero tra %1 e %2.</translation>
    </message>
</context>
<context>
    <name>CPlaceShipsDlg</name>
    <message>
        <source>Placing ships</source>
        <translation>Disposizione delle navi</translation>
    </message>
    <message>
        <source>Left MB :
   Move

Right MB :
   Rotate</source>
        <translation>Tasto sinistro:
   Sposta

Tasto destro:
   Ruota</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Casuale</translation>
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
   Nave successiva
Frecce :
   Sposta
R, Spazio :
   Ruota</translation>
    </message>
</context>
<context>
    <name>CPlayer</name>
    <message>
        <source>Easy</source>
        <translation>Principiante</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Esperto</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Asso</translation>
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
        <translation>N.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Vittorie</translation>
    </message>
    <message>
        <source>Lose</source>
        <translation>Sconfitte</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
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
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Delete the player &quot;%1&quot; from the table of records?</source>
        <translation>Eliminare il giocatore «%1» dalla classifica?</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Your turn</source>
        <translation>Tocca a te</translation>
    </message>
    <message>
        <source>You win!</source>
        <translation>Hai vinto!</translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>Hai perso!</translation>
    </message>
    <message>
        <source>Battlefield</source>
        <translation>Campo di battaglia</translation>
    </message>
    <message>
        <source>Your fleet</source>
        <translation>La tua flotta</translation>
    </message>
    <message>
        <source>Tab: next ship, arrows: move it, R or Space: turn it</source>
        <translation>Tab: nave successiva, frecce: spostala, R o Spazio: ruotala</translation>
    </message>
    <message>
        <source>ABCDEFGHIJ</source>
        <extracomment>The ten column letters of a board, left to right, one character each.</extracomment>
        <translation>ABCDEFGHIJ</translation>
    </message>
    <message>
        <source>not shot</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>non colpita</translation>
    </message>
    <message>
        <source>miss</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>acqua</translation>
    </message>
    <message>
        <source>your deck</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>tua nave</translation>
    </message>
    <message>
        <source>hit</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>colpito</translation>
    </message>
    <message>
        <source>sunk</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>affondato</translation>
    </message>
    <message>
        <source>afloat</source>
        <extracomment>A cell of a board: a deck shown after a lost game.</extracomment>
        <translation>intatto</translation>
    </message>
    <message numerus="yes">
        <source>%n deck(s)</source>
        <translation>
            <numerusform>%n casella</numerusform>
            <numerusform>%n caselle</numerusform>
        </translation>
    </message>
    <message>
        <source>one-deck</source>
        <extracomment>Ships afloat: the count of ships of one deck follows.</extracomment>
        <translation>da una casella</translation>
    </message>
    <message>
        <source>two-deck</source>
        <extracomment>Ships afloat: the count of ships of two decks follows.</extracomment>
        <translation>da due caselle</translation>
    </message>
    <message>
        <source>three-deck</source>
        <extracomment>Ships afloat: the count of ships of three decks follows.</extracomment>
        <translation>da tre caselle</translation>
    </message>
    <message>
        <source>four-deck</source>
        <extracomment>Ships afloat: the count of ships of four decks follows.</extracomment>
        <translation>da quattro caselle</translation>
    </message>
    <message>
        <source> to </source>
        <extracomment>Between the first and the last cell of a ship: A1 to A4.</extracomment>
        <translation> a </translation>
    </message>
    <message>
        <source> (ships touch: OK is refused)</source>
        <translation> (navi a contatto: OK non disponibile)</translation>
    </message>
    <message>
        <source>your board</source>
        <extracomment>The player&apos;s own board, as the opponent&apos;s shots at it are reported.</extracomment>
        <translation>il tuo campo</translation>
    </message>
    <message>
        <source>Your ships afloat</source>
        <translation>Le tue navi a galla</translation>
    </message>
    <message>
        <source>Enemy ships afloat</source>
        <translation>Navi nemiche a galla</translation>
    </message>
    <message>
        <source>water</source>
        <extracomment>A cell of the placement board with no ship on it.</extracomment>
        <translation>acqua</translation>
    </message>
    <message>
        <source>ships overlap</source>
        <extracomment>A cell of the placement board where two ships lie on each other.</extracomment>
        <translation>navi sovrapposte</translation>
    </message>
    <message>
        <source>ship of %1</source>
        <extracomment>A cell of the placement board; %1 is the ship&apos;s length: &quot;3 decks&quot;.</extracomment>
        <translation>nave da %1</translation>
    </message>
</context>
</TS>
