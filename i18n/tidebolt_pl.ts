<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tidebolt</source>
        <translation>O grze Tidebolt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Andrei Sokolov</source>
        <translation>Andriej Sokołow</translation>
    </message>
    <message>
        <source>Petrozavodsk, Petrozavodsk State University, group 22405</source>
        <translation>Pietrozawodsk, Państwowy Uniwersytet w Pietrozawodsku, grupa 22405</translation>
    </message>
    <message>
        <source>Made with C++ and Qt 6</source>
        <translation>Stworzono w C++ i Qt 6</translation>
    </message>
</context>
<context>
    <name>CChatPanel</name>
    <message>
        <source>Tidebolt: chat</source>
        <translation>Tidebolt: czat</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Wyślij</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Czat</translation>
    </message>
    <message>
        <source>Your line</source>
        <translation>Twoja wiadomość</translation>
    </message>
    <message>
        <source>Chat works in a network game, once a partner is connected.</source>
        <translation>Czat działa w grze przez sieć, gdy przeciwnik jest połączony.</translation>
    </message>
    <message>
        <source>Chat is unavailable with this partner.</source>
        <translation>Czat z tym przeciwnikiem jest niedostępny.</translation>
    </message>
</context>
<context>
    <name>CGameDlg</name>
    <message>
        <source>Game</source>
        <translation>Gra</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nowa gra</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Najlepsi</translation>
    </message>
    <message>
        <source>Game with computer</source>
        <translation>Gra z komputerem</translation>
    </message>
    <message>
        <source>Game in Network</source>
        <translation>Gra przez sieć</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjście</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O grze</translation>
    </message>
    <message>
        <source>Tidebolt [ Server ]</source>
        <translation>Tidebolt [ Serwer ]</translation>
    </message>
    <message>
        <source>Tidebolt [ Client ]</source>
        <translation>Tidebolt [ Klient ]</translation>
    </message>
    <message>
        <source>Do you want exit game?</source>
        <translation>Czy na pewno wyjść z gry?</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Proszę czekać...</translation>
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
        <translation>Gra-&gt;Nowa gra	-  rozpocznij nową grę
Gra-&gt;Najlepsi	-  najlepsza dziesiątka
Gra-&gt;Wyjście	-  zakończ grę

Opcje	-  otwórz opcje
  &gt;&gt;Poziom	-  siła komputera
  &gt;&gt;Język	-  język gry
  &gt;&gt;Zasada klasyczna	-  po trafieniu strzelasz jeszcze raz
  &gt;&gt;Znaczenie pudeł	-  pudła wokół zatopionych statków
  &gt;&gt;Liczba statków	-  tabela statków na wodzie
  &gt;&gt;Odtwarzaj dźwięki	-  dźwięk włączony lub nie

Pomoc-&gt;Pomoc	-  otwórz to okno
Pomoc-&gt;O grze	-  autor gry

    Skróty klawiszowe:
F1 	-  otwórz pomoc
F2 	-  rozpocznij nową grę
F3 	-  najlepsza dziesiątka
Esc	-  zakończ grę

	           Powodzenia!</translation>
    </message>
    <message>
        <source>Server now is plaing.</source>
        <translation>Serwer właśnie gra.</translation>
    </message>
    <message>
        <source>Connect closed</source>
        <translation>Połączenie zerwane</translation>
    </message>
    <message>
        <source>N</source>
        <comment>Alt letter of New game</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Alt letter of Scores</comment>
        <translation>j</translation>
    </message>
    <message>
        <source>c</source>
        <comment>Alt letter of Game with computer</comment>
        <translation>k</translation>
    </message>
    <message>
        <source>w</source>
        <comment>Alt letter of Game in Network</comment>
        <translation>s</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Czat</translation>
    </message>
    <message>
        <source>h</source>
        <comment>Alt letter of Chat</comment>
        <translation>C</translation>
    </message>
    <message>
        <source>x</source>
        <comment>Alt letter of Exit</comment>
        <translation>W</translation>
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
        <translation>P</translation>
    </message>
    <message>
        <source>H</source>
        <comment>Alt letter of Help in the Help menu</comment>
        <translation>P</translation>
    </message>
    <message>
        <source>A</source>
        <comment>Alt letter of About</comment>
        <translation>O</translation>
    </message>
</context>
<context>
    <name>CNameDlg</name>
    <message>
        <source>Enter your name</source>
        <translation>Podaj swoje imię</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Put the ships</source>
        <translation>Rozstaw statki</translation>
    </message>
    <message>
        <source>Начать игру</source>
        <translation>Rozpocznij grę</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Wpisz najwyżej %1 znaków.</translation>
    </message>
    <message>
        <source>The name contains characters that cannot be used. Please use Latin or Cyrillic letters, digits and ordinary signs.</source>
        <translation>Imię zawiera niedozwolone znaki. Użyj liter łacińskich lub cyrylicy, cyfr i zwykłych znaków.</translation>
    </message>
</context>
<context>
    <name>CNetDlg</name>
    <message>
        <source>Game in Network</source>
        <translation>Gra przez sieć</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Rozpocznij grę</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>This computer name</source>
        <translation>Nazwa tego komputera</translation>
    </message>
    <message>
        <source>IP addres</source>
        <translation>Adres IP</translation>
    </message>
    <message>
        <source>Please choice type</source>
        <translation>Wybierz rolę</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serwer</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Klient</translation>
    </message>
    <message>
        <source>Server name or IP</source>
        <translation>Nazwa lub IP serwera</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Połącz</translation>
    </message>
    <message>
        <source>Error gethostname.</source>
        <translation>Nie można ustalić nazwy tego komputera.</translation>
    </message>
    <message>
        <source>Wait for client...</source>
        <translation>Czekam na klienta...</translation>
    </message>
    <message>
        <source>Connect successful!</source>
        <translation>Połączono!</translation>
    </message>
    <message>
        <source>Connect failed</source>
        <translation>Nie udało się połączyć z serwerem</translation>
    </message>
    <message>
        <source>Connect successful</source>
        <translation>Połączono</translation>
    </message>
    <message>
        <source>Connect closed</source>
        <translation>Połączenie zerwane</translation>
    </message>
</context>
<context>
    <name>CNetSession</name>
    <message>
        <source>Partner</source>
        <translation>Przeciwnik</translation>
    </message>
    <message>
        <source>The partner&apos;s fleet breaks the rules of the game. The connection is closed.</source>
        <translation>Flota przeciwnika łamie zasady gry. Połączenie zostało zamknięte.</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Difficulty *</source>
        <translation>Poziom *</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Trudny</translation>
    </message>
    <message>
        <source>Tradition game *</source>
        <translation>Zasada klasyczna *</translation>
    </message>
    <message>
        <source>Show number of ships</source>
        <translation>Pokazuj liczbę statków</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Odtwarzaj dźwięki</translation>
    </message>
    <message>
        <source>Delay then computer went (ms)</source>
        <translation>Opóźnienie ruchu komputera (ms)</translation>
    </message>
    <message>
        <source>* Current game will be stoped.</source>
        <translation>* Bieżąca gra zostanie przerwana.</translation>
    </message>
    <message>
        <source>Язык/Language</source>
        <translation>Język/Language</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>The button for every language but Russian: this language&apos;s own name.</extracomment>
        <translation>Polski</translation>
    </message>
    <message>
        <source>Begin new game ?</source>
        <translation>Po tej zmianie gra nie może być kontynuowana.
Rozpocząć nową grę?</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Wpisz dodatnią liczbę całkowitą.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Wpisz liczbę całkowitą od %1 do %2.</translation>
    </message>
</context>
<context>
    <name>CPlaceShipsDlg</name>
    <message>
        <source>Placing ships</source>
        <translation>Rozstawianie statków</translation>
    </message>
    <message>
        <source>Left MB :
   Move

Right MB :
   Rotate</source>
        <translation>Lewy przycisk:
   Przesuń

Prawy przycisk:
   Obróć</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Losowo</translation>
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
   Następny statek
Strzałki :
   Przesuń
R, Spacja :
   Obróć</translation>
    </message>
</context>
<context>
    <name>CPlayer</name>
    <message>
        <source>Easy</source>
        <translation>Nowicjusz</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Bywalec</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Computer - </source>
        <translation>Komputer - </translation>
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
        <translation>Nr</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Gracz</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Wygrane</translation>
    </message>
    <message>
        <source>Lose</source>
        <translation>Przegrane</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkty</translation>
    </message>
    <message>
        <source>Top 10</source>
        <translation>Najlepsza dziesiątka</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Delete the player &quot;%1&quot; from the table of records?</source>
        <translation>Usunąć gracza „%1” z tabeli wyników?</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Your turn</source>
        <translation>Twój ruch</translation>
    </message>
    <message>
        <source>You win!</source>
        <translation>Wygrałeś!</translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>Przegrałeś!</translation>
    </message>
    <message>
        <source>Battlefield</source>
        <translation>Pole bitwy</translation>
    </message>
    <message>
        <source>Your fleet</source>
        <translation>Twoja flota</translation>
    </message>
    <message>
        <source>Tab: next ship, arrows: move it, R or Space: turn it</source>
        <translation>Tab: następny statek, strzałki: przesuń, R lub spacja: obróć</translation>
    </message>
    <message>
        <source>ABCDEFGHIJ</source>
        <extracomment>The ten column letters of a board, left to right, one character each.</extracomment>
        <translation>ABCDEFGHIJ</translation>
    </message>
    <message>
        <source>not shot</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>nieostrzelane</translation>
    </message>
    <message>
        <source>miss</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>pudło</translation>
    </message>
    <message>
        <source>your deck</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>twój statek</translation>
    </message>
    <message>
        <source>hit</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>trafiony</translation>
    </message>
    <message>
        <source>sunk</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>zatopiony</translation>
    </message>
    <message>
        <source>afloat</source>
        <extracomment>A cell of a board: a deck shown after a lost game.</extracomment>
        <translation>ocalały</translation>
    </message>
    <message numerus="yes">
        <source>%n deck(s)</source>
        <translation>
            <numerusform>%n maszt</numerusform>
            <numerusform>%n maszty</numerusform>
            <numerusform>%n masztów</numerusform>
        </translation>
    </message>
    <message>
        <source>one-deck</source>
        <extracomment>Ships afloat: the count of ships of one deck follows.</extracomment>
        <translation>jednomasztowce</translation>
    </message>
    <message>
        <source>two-deck</source>
        <extracomment>Ships afloat: the count of ships of two decks follows.</extracomment>
        <translation>dwumasztowce</translation>
    </message>
    <message>
        <source>three-deck</source>
        <extracomment>Ships afloat: the count of ships of three decks follows.</extracomment>
        <translation>trójmasztowce</translation>
    </message>
    <message>
        <source>four-deck</source>
        <extracomment>Ships afloat: the count of ships of four decks follows.</extracomment>
        <translation>czteromasztowce</translation>
    </message>
    <message>
        <source> to </source>
        <extracomment>Between the first and the last cell of a ship: A1 to A4.</extracomment>
        <translation> do </translation>
    </message>
    <message>
        <source> (ships touch: OK is refused)</source>
        <translation> (statki się stykają: OK niedostępne)</translation>
    </message>
    <message>
        <source>your board</source>
        <extracomment>The player&apos;s own board, as the opponent&apos;s shots at it are reported.</extracomment>
        <translation>twoja plansza</translation>
    </message>
    <message>
        <source>Your ships afloat</source>
        <translation>Twoje statki na wodzie</translation>
    </message>
    <message>
        <source>Enemy ships afloat</source>
        <translation>Statki wroga na wodzie</translation>
    </message>
    <message>
        <source>water</source>
        <extracomment>A cell of the placement board with no ship on it.</extracomment>
        <translation>woda</translation>
    </message>
    <message>
        <source>ships overlap</source>
        <extracomment>A cell of the placement board where two ships lie on each other.</extracomment>
        <translation>statki nachodzą na siebie</translation>
    </message>
    <message>
        <source>ship of %1</source>
        <extracomment>A cell of the placement board; %1 is the ship&apos;s length: &quot;3 decks&quot;.</extracomment>
        <translation>statek, %1</translation>
    </message>
</context>
</TS>
