<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tidebolt</source>
        <translation>À propos de Tidebolt</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Andrei Sokolov</source>
        <translation>Andreï Sokolov</translation>
    </message>
    <message>
        <source>Petrozavodsk, Petrozavodsk State University, group 22405</source>
        <translation>Petrozavodsk, Université d’État de Petrozavodsk, groupe 22405</translation>
    </message>
    <message>
        <source>Made with C++ and Qt 6</source>
        <translation>Réalisé avec C++ et Qt 6</translation>
    </message>
</context>
<context>
    <name>CChatPanel</name>
    <message>
        <source>Tidebolt: chat</source>
        <translation>Tidebolt : discussion</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Discussion</translation>
    </message>
    <message>
        <source>Your line</source>
        <translation>Votre message</translation>
    </message>
    <message>
        <source>Chat works in a network game, once a partner is connected.</source>
        <translation>La discussion fonctionne en partie en réseau, dès qu’un adversaire est connecté.</translation>
    </message>
    <message>
        <source>Chat is unavailable with this partner.</source>
        <translation>La discussion n’est pas possible avec cet adversaire.</translation>
    </message>
</context>
<context>
    <name>CGameDlg</name>
    <message>
        <source>Game</source>
        <translation>Partie</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>Meilleurs scores</translation>
    </message>
    <message>
        <source>Game with computer</source>
        <translation>Contre l’ordinateur</translation>
    </message>
    <message>
        <source>Game in Network</source>
        <translation>Partie en réseau</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Tidebolt [ Server ]</source>
        <translation>Tidebolt [ Serveur ]</translation>
    </message>
    <message>
        <source>Tidebolt [ Client ]</source>
        <translation>Tidebolt [ Client ]</translation>
    </message>
    <message>
        <source>Do you want exit game?</source>
        <translation>Voulez-vous quitter la partie ?</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter...</translation>
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
        <translation>Partie-&gt;Nouvelle partie	-  commencer une nouvelle partie
Partie-&gt;Meilleurs scores	-  les dix meilleurs joueurs
Partie-&gt;Quitter	-  quitter le jeu

Options	-  ouvrir les options
  &gt;&gt;Difficulté	-  niveau de l’ordinateur
  &gt;&gt;Langue	-  langue du jeu
  &gt;&gt;Règle classique	-  rejouer après un tir touché
  &gt;&gt;Marquer l’eau	-  marquer l’eau autour des navires coulés
  &gt;&gt;Nombre de navires	-  tableau des navires à flot
  &gt;&gt;Jouer les sons	-  sons activés ou non

Aide-&gt;Aide	-  ouvrir cette fenêtre
Aide-&gt;À propos	-  l’auteur du jeu

    Raccourcis clavier:
F1 	-  ouvrir l’aide
F2 	-  commencer une nouvelle partie
F3 	-  les dix meilleurs joueurs
Esc	-  quitter le jeu

	           Bonne chance !</translation>
    </message>
    <message>
        <source>Server now is plaing.</source>
        <translation>Le serveur est déjà en partie.</translation>
    </message>
    <message>
        <source>Connect closed</source>
        <translation>Connexion fermée</translation>
    </message>
    <message>
        <source>N</source>
        <comment>Alt letter of New game</comment>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Alt letter of Scores</comment>
        <translation>M</translation>
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
        <translation>Discussion</translation>
    </message>
    <message>
        <source>h</source>
        <comment>Alt letter of Chat</comment>
        <translation>D</translation>
    </message>
    <message>
        <source>x</source>
        <comment>Alt letter of Exit</comment>
        <translation>Q</translation>
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
        <translation>p</translation>
    </message>
</context>
<context>
    <name>CNameDlg</name>
    <message>
        <source>Enter your name</source>
        <translation>Entrez votre nom</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Put the ships</source>
        <translation>Placer les navires</translation>
    </message>
    <message>
        <source>Начать игру</source>
        <translation>Commencer la partie</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Veuillez saisir au plus %1 caractères.</translation>
    </message>
    <message>
        <source>The name contains characters that cannot be used. Please use Latin or Cyrillic letters, digits and ordinary signs.</source>
        <translation>Le nom contient des caractères interdits. Utilisez des lettres latines ou cyrilliques, des chiffres et des signes courants.</translation>
    </message>
</context>
<context>
    <name>CNetDlg</name>
    <message>
        <source>Game in Network</source>
        <translation>Partie en réseau</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Lancer la partie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>This computer name</source>
        <translation>Nom de cet ordinateur</translation>
    </message>
    <message>
        <source>IP addres</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Please choice type</source>
        <translation>Choisissez le rôle</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Server name or IP</source>
        <translation>Nom ou IP du serveur</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Se connecter</translation>
    </message>
    <message>
        <source>Error gethostname.</source>
        <translation>Impossible de trouver le nom de cet ordinateur.</translation>
    </message>
    <message>
        <source>Wait for client...</source>
        <translation>En attente d’un client...</translation>
    </message>
    <message>
        <source>Connect successful!</source>
        <translation>Connexion réussie !</translation>
    </message>
    <message>
        <source>Connect failed</source>
        <translation>Connexion au serveur impossible</translation>
    </message>
    <message>
        <source>Connect successful</source>
        <translation>Connexion réussie</translation>
    </message>
    <message>
        <source>Connect closed</source>
        <translation>Connexion fermée</translation>
    </message>
</context>
<context>
    <name>CNetSession</name>
    <message>
        <source>Partner</source>
        <translation>Adversaire</translation>
    </message>
    <message>
        <source>The partner&apos;s fleet breaks the rules of the game. The connection is closed.</source>
        <translation>La flotte de l’adversaire enfreint les règles du jeu. La connexion est fermée.</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Difficulty *</source>
        <translation>Difficulté *</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Tradition game *</source>
        <translation>Règle classique *</translation>
    </message>
    <message>
        <source>Show number of ships</source>
        <translation>Afficher le nombre de navires</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Jouer les sons</translation>
    </message>
    <message>
        <source>Delay then computer went (ms)</source>
        <translation>Délai de jeu de l’ordinateur (ms)</translation>
    </message>
    <message>
        <source>* Current game will be stoped.</source>
        <translation>* La partie en cours sera interrompue.</translation>
    </message>
    <message>
        <source>Язык/Language</source>
        <translation>Langue/Language</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>The button for every language but Russian: this language&apos;s own name.</extracomment>
        <translation>Français</translation>
    </message>
    <message>
        <source>Begin new game ?</source>
        <translation>Ces réglages ne permettent pas de poursuivre la partie.
Commencer une nouvelle partie ?</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Veuillez saisir un entier positif.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Veuillez saisir un entier entre %1 et %2.</translation>
    </message>
</context>
<context>
    <name>CPlaceShipsDlg</name>
    <message>
        <source>Placing ships</source>
        <translation>Placement des navires</translation>
    </message>
    <message>
        <source>Left MB :
   Move

Right MB :
   Rotate</source>
        <translation>Clic gauche :
   Déplacer

Clic droit :
   Pivoter</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Au hasard</translation>
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
   Navire suivant
Flèches :
   Déplacer
R, Espace :
   Tourner</translation>
    </message>
</context>
<context>
    <name>CPlayer</name>
    <message>
        <source>Easy</source>
        <translation>Débutant</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Habitué</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>As</translation>
    </message>
    <message>
        <source>Computer - </source>
        <translation>Ordinateur - </translation>
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
        <translation>N°</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Victoires</translation>
    </message>
    <message>
        <source>Lose</source>
        <translation>Défaites</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Points</translation>
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
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete the player &quot;%1&quot; from the table of records?</source>
        <translation>Supprimer le joueur « %1 » du tableau des records ?</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Your turn</source>
        <translation>À vous de jouer</translation>
    </message>
    <message>
        <source>You win!</source>
        <translation>Vous avez gagné !</translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>Vous avez perdu !</translation>
    </message>
    <message>
        <source>Battlefield</source>
        <translation>Champ de bataille</translation>
    </message>
    <message>
        <source>Your fleet</source>
        <translation>Votre flotte</translation>
    </message>
    <message>
        <source>Tab: next ship, arrows: move it, R or Space: turn it</source>
        <translation>Tab : navire suivant, flèches : déplacer, R ou Espace : pivoter</translation>
    </message>
    <message>
        <source>ABCDEFGHIJ</source>
        <extracomment>The ten column letters of a board, left to right, one character each.</extracomment>
        <translation>ABCDEFGHIJ</translation>
    </message>
    <message>
        <source>not shot</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>pas encore visée</translation>
    </message>
    <message>
        <source>miss</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>à l’eau</translation>
    </message>
    <message>
        <source>your deck</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>votre navire</translation>
    </message>
    <message>
        <source>hit</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>touché</translation>
    </message>
    <message>
        <source>sunk</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>coulé</translation>
    </message>
    <message>
        <source>afloat</source>
        <extracomment>A cell of a board: a deck shown after a lost game.</extracomment>
        <translation>intact</translation>
    </message>
    <message numerus="yes">
        <source>%n deck(s)</source>
        <translation>
            <numerusform>%n case</numerusform>
            <numerusform>%n cases</numerusform>
        </translation>
    </message>
    <message>
        <source>one-deck</source>
        <extracomment>Ships afloat: the count of ships of one deck follows.</extracomment>
        <translation>d’une case</translation>
    </message>
    <message>
        <source>two-deck</source>
        <extracomment>Ships afloat: the count of ships of two decks follows.</extracomment>
        <translation>de deux cases</translation>
    </message>
    <message>
        <source>three-deck</source>
        <extracomment>Ships afloat: the count of ships of three decks follows.</extracomment>
        <translation>de trois cases</translation>
    </message>
    <message>
        <source>four-deck</source>
        <extracomment>Ships afloat: the count of ships of four decks follows.</extracomment>
        <translation>de quatre cases</translation>
    </message>
    <message>
        <source> to </source>
        <extracomment>Between the first and the last cell of a ship: A1 to A4.</extracomment>
        <translation> à </translation>
    </message>
    <message>
        <source> (ships touch: OK is refused)</source>
        <translation> (des navires se touchent : OK est refusé)</translation>
    </message>
    <message>
        <source>your board</source>
        <extracomment>The player&apos;s own board, as the opponent&apos;s shots at it are reported.</extracomment>
        <translation>votre grille</translation>
    </message>
    <message>
        <source>Your ships afloat</source>
        <translation>Vos navires à flot</translation>
    </message>
    <message>
        <source>Enemy ships afloat</source>
        <translation>Navires ennemis à flot</translation>
    </message>
    <message>
        <source>water</source>
        <extracomment>A cell of the placement board with no ship on it.</extracomment>
        <translation>eau</translation>
    </message>
    <message>
        <source>ships overlap</source>
        <extracomment>A cell of the placement board where two ships lie on each other.</extracomment>
        <translation>navires superposés</translation>
    </message>
    <message>
        <source>ship of %1</source>
        <extracomment>A cell of the placement board; %1 is the ship&apos;s length: &quot;3 decks&quot;.</extracomment>
        <translation>navire de %1</translation>
    </message>
</context>
</TS>
