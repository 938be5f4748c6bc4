// The English and Russian texts players of the first versions know, char
// for char: each English text is a source of the catalogue exactly as it was
// written, misspellings included, and the Russian catalogue gives the Russian
// text. A translator's slip or a "fixed" source both show here.
#include "game/player.h"
#include "store/settings.h"
#include "ui/language.h"

#include <QTranslator>
#include <QtTest>

namespace {

void Row(const char* context, const char* english, const char* russian)
{
    QTest::addRow("%s: %.40s", context, english) << QByteArray(context) << QString::fromUtf8(english)
                                               << QString::fromUtf8(russian);
}

const char* const HELP_ENGLISH =
    "Game->New game\t-  start new game\n"
    "Game->Scores  \t-  open window Scores\n"
    "Game->Exit    \t-  exit game\n"
    "\n"
    "Options            \t-  open window Options\n"
    "  >>Difficulty     \t-  difficulty game\n"
    "  >>Language       \t-  language the game\n"
    "  >>Tradition      \t-  tradition game\n"
    "  >>Auto put mimo  \t-  auto put mimo if to get\n"
    "  >>Number of ships\t-  show number of ships\n"
    "  >>Play sound     \t-  sound support\n"
    "\n"
    "Help->Help     \t-  open this window\n"
    "Help->About    \t-  autor this game\n"
    "\n"
    "    Hot keys:\n"
    "F1 \t-  open window Help\n"
    "F2 \t-  start new game\n"
    "F3 \t-  open window Scores\n"
    "Esc\t-  exit game\n"
    "\n"
    "\t           Good luck.";

const char* const HELP_RUSSIAN =
    "Игра->Новая              -  Начать новую игру\n"
    "Игра->10 чемпионов -  Лучшая десятка\n"
    "Игра->Выход              -  Покинуть игру\n"
    "\n"
    "Опции             -  Нстройки игры\n"
    "  >>Сложность     -  сложность игры\n"
    "  >>Язык          -  язык игры\n"
    "  >>Традиционная игра - при попадании стреляеш еще раз \n"
    "  >>Автоматичкая растановка промахов - ставить промахи вокруг\n"
    "                                       сбитых кораблей\n"
    "  >>Показывать число живых кораблей - таблица еще живых кораблей\n"
    "  >>Озвучивать игру     - в прямом смысле\n"
    "\n"
    "Помощь->Помощь     -  Показывает это окно\n"
    "Помощь->Про автора -  Создатель этой игры\n"
    "\n"
    "    Горячие клавиши:\n"
    "F1 \t-  Показывает это окно\n"
    "F2 \t-  Начать новую игру\n"
    "F3 \t-  Лучшая десятка\n"
    "Esc\t-  Покинуть игру\n"
    "\n"
    "\t\t           Удачи.";

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_english.load(QStringLiteral(":/i18n/tidebolt_en.qm")));
        QVERIFY(m_russian.load(QStringLiteral(":/i18n/tidebolt_ru.qm")));
    }

    void bothLanguagesKeepTheirTexts_data()
    {
        QTest::addColumn<QByteArray>("context");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("russian");
        Row("CAboutDlg", "About Tidebolt", "Про автора");
        Row("CAboutDlg", "OK", "OK");
        Row("CGameDlg", "Game", "Игра");
        Row("CGameDlg", "New game", "Новая");
        Row("CGameDlg", "Scores", "10 чемпионов");
        Row("CGameDlg", "Game with computer", "Игра с компьютером");
        Row("CGameDlg", "Game in Network", "Игра по сети");
        Row("CGameDlg", "Exit", "Выход");
        Row("CGameDlg", "Options", "Опции");
        Row("CGameDlg", "Help", "Помощь");
        Row("CGameDlg", "About", "Про автора");
        Row("CGameDlg", "Tidebolt [ Server ]", "Tidebolt [ Сервер ]");
        Row("CGameDlg", "Tidebolt [ Client ]", "Tidebolt [ Клиент ]");
        Row("CGameDlg", "Do you want exit game?", "Выйти из игры?");
        Row("CGameDlg", "Please wait...", "Please wait...");
        Row("CGameDlg", "Server now is plaing.", "Server now is plaing.");
        Row("CGameDlg", "Connect closed", "Соединение разорвано");
        Row("CNameDlg", "Enter your name", "Введите ваше имя");
        Row("CNameDlg", "OK", "OK");
        Row("CNameDlg", "Put the ships", "Ростановка кораблей");
        Row("CNameDlg", "Начать игру", "Начать игру");
        Row("CNameDlg", "Please enter no more than %1 characters.", "Please enter no more than %1 characters.");
        Row("CNetDlg", "Game in Network", "Играем по сети");
        Row("CNetDlg", "Start Game", "Начать Игру");
        Row("CNetDlg", "Cancel", "Отмена");
        Row("CNetDlg", "This computer name", "Имя этого компа");
        Row("CNetDlg", "IP addres", "Ваш IP адрес");
        Row("CNetDlg", "Please choice type", "Выберите тип");
        Row("CNetDlg", "Server", "Сервер");
        Row("CNetDlg", "Client", "Клиент");
        Row("CNetDlg", "Server name or IP", "Имя сервера");
        Row("CNetDlg", "Connect", "Соединиться");
        Row("CNetDlg", "Error gethostname.", "Error gethostname.");
        Row("CNetDlg", "Wait for client...", "Ждем клиента...");
        Row("CNetDlg", "Connect successful!", "Успешное соединение!");
        Row("CNetDlg", "Connect failed", "Не удалось соединиться с сервером");
        Row("CNetDlg", "Connect successful", "Успешное соединение");
        Row("CNetDlg", "Connect closed", "Соединение разорвано");
        Row("COptionsDlg", "Options", "Опции");
        Row("COptionsDlg", "OK", "OK");
        Row("COptionsDlg", "Cancel", "Cancel");
        Row("COptionsDlg", "Difficulty *", "Сложность *");
        Row("COptionsDlg", "Easy", "Легко");
        Row("COptionsDlg", "Normal", "Нормально");
        Row("COptionsDlg", "Hard", "Сложно");
        Row("COptionsDlg", "Tradition game *", "Традиционная игра *");
        Row("COptionsDlg", "Show number of ships", "Показывать число живых кораблей");
        Row("COptionsDlg", "Play sound", "Озвучивать игру");
        Row("COptionsDlg", "Delay then computer went (ms)", "Задержка хода компа (мс)");
        Row("COptionsDlg", "* Current game will be stoped.", "* При изменении этих настроек текущая игра будет прервана.");
        Row("COptionsDlg", "Язык/Language", "Язык/Language");
        Row("COptionsDlg", "Русский", "Русский");
        Row("COptionsDlg", "English", "English");
        Row("COptionsDlg", "Begin new game ?", "Изменены настройки при которых текущая игра не может быть продолжена.\nНачать новую игру ?");
        Row("COptionsDlg", "Please enter a positive integer.", "Please enter a positive integer.");
        Row("COptionsDlg", "Please enter an integer between %1 and %2.", "Please enter an integer between %1 and %2.");
        Row("CPlaceShipsDlg", "Placing ships", "Расстановка кораблей");
        Row("CPlaceShipsDlg", "Left MB :\n   Move\n\nRight MB :\n   Rotate", "Left MB :\n   Двигать\n\nRight MB :\n   Поворачивать");
        Row("CPlaceShipsDlg", "OK", "OK");
        Row("CPlaceShipsDlg", "Cancel", "Cancel");
        Row("CPlaceShipsDlg", "Random", "Random");
        Row("CPlaceShipsDlg", "!", "!");
        Row("CPlayer", "Easy", "Ламер");
        Row("CPlayer", "Normal", "Юзер");
        Row("CPlayer", "Hard", "Хакер");
        Row("CPlayer", "Computer - ", "Компьютер - ");
        Row("CResultDlg", "OK", "OK");
        Row("CScoresDlg", "№", "№");
        Row("CScoresDlg", "Name", "Имя");
        Row("CScoresDlg", "Win", "Побед");
        Row("CScoresDlg", "Lose", "Поражений");
        Row("CScoresDlg", "Score", "Очки");
        Row("CScoresDlg", "Top 10", "Лучшая десятка");
        Row("CScoresDlg", "OK", "OK");
        Row("CScoresDlg", "Delete", "Удалить");
        Row("CGameDlg", HELP_ENGLISH, HELP_RUSSIAN);
    }
    void bothLanguagesKeepTheirTexts()
    {
        QFETCH(QByteArray, context);
        QFETCH(QString, english);
        QFETCH(QString, russian);
        const QByteArray source = english.toUtf8();
        // The English catalogue answers only a source it holds.
        QCOMPARE(m_english.translate(context, source), english);
        QCOMPARE(m_russian.translate(context, source), russian);
    }

    void computerIsNamedInTheGameLanguage_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("name");
        QTest::newRow("Russian, easy") << "ru" << 1 << QStringLiteral("Компьютер - Ламер");
        QTest::newRow("Russian, normal") << "ru" << 2 << QStringLiteral("Компьютер - Юзер");
        QTest::newRow("Russian, hard") << "ru" << 3 << QStringLiteral("Компьютер - Хакер");
        QTest::newRow("English, hard") << "en" << 3 << QStringLiteral("Computer - Hard");
        QTest::newRow("German, easy") << "de" << 1 << QStringLiteral("Computer - Anfänger");
    }
    void computerIsNamedInTheGameLanguage()
    {
        QFETCH(QString, language);
        QFETCH(int, level);
        UseLanguage(language);
        Level = level;
        CPlayer computer(false);
        computer.SetComputerName();
        QTEST(QString::fromStdString(computer.GetName()), "name");
    }

private:
    QTranslator m_english;
    QTranslator m_russian;
};

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
