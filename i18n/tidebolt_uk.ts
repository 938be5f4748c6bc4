<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
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
        <translation>Андрій Соколов</translation>
    </message>
    <message>
        <source>Petrozavodsk, Petrozavodsk State University, group 22405</source>
        <translation>Петрозаводськ, Петрозаводський державний університет, група 22405</translation>
    </message>
    <message>
        <source>Made with C++ and Qt 6</source>
        <translation>Зроблено на C++ і Qt 6</translation>
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
        <translation>Надіслати</translation>
    </message>
    <message>
        <source>Chat</source>
        <translation>Чат</translation>
    </message>
    <message>
        <source>Your line</source>
        <translation>Ваш рядок</translation>
    </message>
    <message>
        <source>Chat works in a network game, once a partner is connected.</source>
        <translation>Чат працює в мережевій грі, коли суперник під’єднаний.</translation>
    </message>
    <message>
        <source>Chat is unavailable with this partner.</source>
        <translation>Чат із цим суперником недоступний.</translation>
    </message>
</context>
<context>
    <name>CGameDlg</name>
    <message>
        <source>Game</source>
        <translation>Гра</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>Scores</source>
        <translation>10 чемпіонів</translation>
    </message>
    <message>
        <source>Game with computer</source>
        <translation>Гра з комп’ютером</translation>
    </message>
    <message>
        <source>Game in Network</source>
        <translation>Гра через мережу</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Довідка</translation>
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
        <translation>Tidebolt [ Клієнт ]</translation>
    </message>
    <message>
        <source>Do you want exit game?</source>
        <translation>Вийти з гри?</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Зачекайте...</translation>
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
        <translation>Гра-&gt;Нова гра	-  почати нову гру
Гра-&gt;10 чемпіонів	-  найкраща десятка
Гра-&gt;Вихід	-  вийти з гри

Налаштування	-  відкрити налаштування
  &gt;&gt;Складність	-  складність гри
  &gt;&gt;Мова	-  мова гри
  &gt;&gt;Класичні правила	-  влучив — стріляй ще раз
  &gt;&gt;Позначати промахи	-  промахи навколо потоплених кораблів
  &gt;&gt;Кількість кораблів	-  таблиця кораблів на плаву
  &gt;&gt;Звуки гри	-  звук увімкнено чи ні

Довідка-&gt;Довідка	-  відкрити це вікно
Довідка-&gt;Про автора	-  автор гри

    Гарячі клавіші:
F1 	-  відкрити довідку
F2 	-  почати нову гру
F3 	-  найкраща десятка
Esc	-  вийти з гри

	           Щасти!</translation>
    </message>
    <message>
        <source>Server now is plaing.</source>
        <translation>Сервер уже грає.</translation>
    </message>
    <message>
        <source>Connect closed</source>
        <translation>З’єднання розірвано</translation>
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
        <translation>м</translation>
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
        <translation>Г</translation>
    </message>
    <message>
        <source>O</source>
        <comment>Alt letter of the Options menu</comment>
        <translation>Н</translation>
    </message>
    <message>
        <source>H</source>
        <comment>Alt letter of the Help menu</comment>
        <translation>Д</translation>
    </message>
    <message>
        <source>H</source>
        <comment>Alt letter of Help in the Help menu</comment>
        <translation>Д</translation>
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
        <translation>Введіть ваше ім’я</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Put the ships</source>
        <translation>Розставити кораблі</translation>
    </message>
    <message>
        <source>Начать игру</source>
        <translation>Почати гру</translation>
    </message>
    <message>
        <source>Please enter no more than %1 characters.</source>
        <translation>Введіть не більше %1 символів.</translation>
    </message>
    <message>
        <source>The name contains characters that cannot be used. Please use Latin or Cyrillic letters, digits and ordinary signs.</source>
        <translation>Ім’я містить недозволені символи. Використовуйте латинські або кириличні літери, цифри та звичайні знаки.</translation>
    </message>
</context>
<context>
    <name>CNetDlg</name>
    <message>
        <source>Game in Network</source>
        <translation>Гра через мережу</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Почати гру</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>This computer name</source>
        <translation>Ім’я цього комп’ютера</translation>
    </message>
    <message>
        <source>IP addres</source>
        <translation>Ваша IP-адреса</translation>
    </message>
    <message>
        <source>Please choice type</source>
        <translation>Виберіть роль</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Сервер</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Клієнт</translation>
    </message>
    <message>
        <source>Server name or IP</source>
        <translation>Ім’я або IP сервера</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>З’єднатися</translation>
    </message>
    <message>
        <source>Error gethostname.</source>
        <translation>Не вдалося визначити ім’я цього комп’ютера.</translation>
    </message>
    <message>
        <source>Wait for client...</source>
        <translation>Чекаємо клієнта...</translation>
    </message>
    <message>
        <source>Connect successful!</source>
        <translation>З’єднання встановлено!</translation>
    </message>
    <message>
        <source>Connect failed</source>
        <translation>Не вдалося з’єднатися з сервером</translation>
    </message>
    <message>
        <source>Connect successful</source>
        <translation>З’єднання встановлено</translation>
    </message>
    <message>
        <source>Connect closed</source>
        <translation>З’єднання розірвано</translation>
    </message>
</context>
<context>
    <name>CNetSession</name>
    <message>
        <source>Partner</source>
        <translation>Суперник</translation>
    </message>
    <message>
        <source>The partner&apos;s fleet breaks the rules of the game. The connection is closed.</source>
        <translation>Флот суперника порушує правила гри. З’єднання закрито.</translation>
    </message>
</context>
<context>
    <name>COptionsDlg</name>
    <message>
        <source>Options</source>
        <translation>Налаштування</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Difficulty *</source>
        <translation>Складність *</translation>
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
        <translation>Складно</translation>
    </message>
    <message>
        <source>Tradition game *</source>
        <translation>Класичні правила *</translation>
    </message>
    <message>
        <source>Show number of ships</source>
        <translation>Показувати кількість кораблів</translation>
    </message>
    <message>
        <source>Play sound</source>
        <translation>Звуки гри</translation>
    </message>
    <message>
        <source>Delay then computer went (ms)</source>
        <translation>Затримка ходу комп’ютера (мс)</translation>
    </message>
    <message>
        <source>* Current game will be stoped.</source>
        <translation>* Поточну гру буде перервано.</translation>
    </message>
    <message>
        <source>Язык/Language</source>
        <translation>Мова/Language</translation>
    </message>
    <message>
        <source>Русский</source>
        <translation>Русский</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>The button for every language but Russian: this language&apos;s own name.</extracomment>
        <translation>Українська</translation>
    </message>
    <message>
        <source>Begin new game ?</source>
        <translation>Змінено налаштування, з якими поточну гру не можна продовжити.
Почати нову гру?</translation>
    </message>
    <message>
        <source>Please enter a positive integer.</source>
        <translation>Введіть додатне ціле число.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Введіть ціле число від %1 до %2.</translation>
    </message>
</context>
<context>
    <name>CPlaceShipsDlg</name>
    <message>
        <source>Placing ships</source>
        <translation>Розстановка кораблів</translation>
    </message>
    <message>
        <source>Left MB :
   Move

Right MB :
   Rotate</source>
        <translation>Ліва кнопка:
   Рухати

Права кнопка:
   Повертати</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Випадково</translation>
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
   Наступний корабель
Стрілки :
   Рухати
R, пробіл :
   Повертати</translation>
    </message>
</context>
<context>
    <name>CPlayer</name>
    <message>
        <source>Easy</source>
        <translation>Новачок</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Бувалий</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Ас</translation>
    </message>
    <message>
        <source>Computer - </source>
        <translation>Комп’ютер - </translation>
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
        <translation>Ім’я</translation>
    </message>
    <message>
        <source>Win</source>
        <translation>Перемог</translation>
    </message>
    <message>
        <source>Lose</source>
        <translation>Поразок</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Top 10</source>
        <translation>Найкраща десятка</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Видалити</translation>
    </message>
    <message>
        <source>Delete the player &quot;%1&quot; from the table of records?</source>
        <translation>Видалити гравця «%1» з таблиці рекордів?</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>Your turn</source>
        <translation>Ваш хід</translation>
    </message>
    <message>
        <source>You win!</source>
        <translation>Ви перемогли!</translation>
    </message>
    <message>
        <source>You lose!</source>
        <translation>Ви програли!</translation>
    </message>
    <message>
        <source>Battlefield</source>
        <translation>Поле бою</translation>
    </message>
    <message>
        <source>Your fleet</source>
        <translation>Ваш флот</translation>
    </message>
    <message>
        <source>Tab: next ship, arrows: move it, R or Space: turn it</source>
        <translation>Tab: наступний корабель, стрілки: рухати, R або пробіл: повернути</translation>
    </message>
    <message>
        <source>ABCDEFGHIJ</source>
        <extracomment>The ten column letters of a board, left to right, one character each.</extracomment>
        <translation>АБВГДЕЖЗИК</translation>
    </message>
    <message>
        <source>not shot</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>не обстріляна</translation>
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
        <translation>поранений</translation>
    </message>
    <message>
        <source>sunk</source>
        <extracomment>A cell of a board.</extracomment>
        <translation>потоплений</translation>
    </message>
    <message>
        <source>afloat</source>
        <extracomment>A cell of a board: a deck shown after a lost game.</extracomment>
        <translation>уцілів</translation>
    </message>
    <message numerus="yes">
        <source>%n deck(s)</source>
        <translation>
            <numerusform>%n палуба</numerusform>
            <numerusform>%n палуби</numerusform>
            <numerusform>%n палуб</numerusform>
        </translation>
    </message>
    <message>
        <source>one-deck</source>
        <extracomment>Ships afloat: the count of ships of one deck follows.</extracomment>
        <translation>однопалубних</translation>
    </message>
    <message>
        <source>two-deck</source>
        <extracomment>Ships afloat: the count of ships of two decks follows.</extracomment>
        <translation>двопалубних</translation>
    </message>
    <message>
        <source>three-deck</source>
        <extracomment>Ships afloat: the count of ships of three decks follows.</extracomment>
        <translation>трипалубних</translation>
    </message>
    <message>
        <source>four-deck</source>
        <extracomment>Ships afloat: the count of ships of four decks follows.</extracomment>
        <translation>чотирипалубних</translation>
    </message>
    <message>
        <source> to </source>
        <extracomment>Between the first and the last cell of a ship: A1 to A4.</extracomment>
        <translation> – </translation>
    </message>
    <message>
        <source> (ships touch: OK is refused)</source>
        <translation> (кораблі торкаються: OK недоступний)</translation>
    </message>
    <message>
        <source>your board</source>
        <extracomment>The player&apos;s own board, as the opponent&apos;s shots at it are reported.</extracomment>
        <translation>ваше поле</translation>
    </message>
    <message>
        <source>Your ships afloat</source>
        <translation>Ваші кораблі на плаву</translation>
    </message>
    <message>
        <source>Enemy ships afloat</source>
        <translation>Кораблі супротивника на плаву</translation>
    </message>
    <message>
        <source>water</source>
        <extracomment>A cell of the placement board with no ship on it.</extracomment>
        <translation>вода</translation>
    </message>
    <message>
        <source>ships overlap</source>
        <extracomment>A cell of the placement board where two ships lie on each other.</extracomment>
        <translation>кораблі накладаються</translation>
    </message>
    <message>
        <source>ship of %1</source>
        <extracomment>A cell of the placement board; %1 is the ship&apos;s length: &quot;3 decks&quot;.</extracomment>
        <translation>корабель, %1</translation>
    </message>
</context>
</TS>
