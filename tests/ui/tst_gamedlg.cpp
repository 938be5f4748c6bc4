// A person playing the computer: the main window driven through its real
// widgets, with the profile in a temporary folder.
#include "game/gamerand.h"
#include "game/globals.h"
#include "game/player.h"
#include "game/resources.h"
#include "game/sound.h"
#include "net/netsession.h"
#include "store/profile.h"
#include "store/qt/qsettingsprofile.h"
#include "store/settings.h"
#include "support/gamewindow.h"
#include "support/modal.h"
#include "ui/gamedlg.h"
#include "ui/language.h"
#include "ui/namedlg.h"
#include "ui/optionsdlg.h"
#include "ui/pictures.h"
#include "ui/pixelview.h"
#include "ui/resultdlg.h"
#include "ui/scoresdlg.h"

#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QAccessible>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

Q_DECLARE_METATYPE(ENetRole)

namespace {

std::vector<std::string> g_sounds;
void RecordSound(const char* file) { g_sounds.emplace_back(file); }

QPoint CellCentre(const CPlayer& player, int row, int col)
{
    return {player.m_rcBoard.left + CELL_PITCH * col + 13, player.m_rcBoard.top + CELL_PITCH * row + 13};
}

std::vector<signed char> Grid(const signed char (&grid)[BOARD_CELLS])
{
    return std::vector<signed char>(grid, grid + BOARD_CELLS);
}

QRgb Rgb(COLORREF c) { return qRgb(GetRValue(c), GetGValue(c), GetBValue(c)); }

// The scores window opened first of those still open, closed by its close box.
int VisibleScores(CGameDlg& wnd)
{
    const auto all = wnd.findChildren<CScoresDlg*>();
    return int(std::count_if(all.begin(), all.end(), [](CScoresDlg* scores) { return scores->isVisible(); }));
}

// What a player finds pressing F1, F2 and F3 in turn: the windows they open,
// each closed again.
QStringList OpenedByFunctionKeys(CGameDlg& wnd)
{
    QStringList opened;
    const std::pair<Qt::Key, const char*> keys[] = {{Qt::Key_F1, "help"}, {Qt::Key_F2, "name"}, {Qt::Key_F3, "scores"}};
    for (const auto& [key, window] : keys) {
        const int scores = VisibleScores(wnd);
        bool modal = false;
        QTimer::singleShot(200, &wnd, [&modal] {
            if (auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                modal = true, dlg->reject();
        });
        wnd.activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(&wnd));
        QTest::keyClick(&wnd, key);
        QTest::qWait(250);
        if (modal || VisibleScores(wnd) > scores)
            opened << window;
    }
    return opened;
}

void CloseOldestScores(CGameDlg& wnd)
{
    for (CScoresDlg* scores : wnd.findChildren<CScoresDlg*>()) {
        if (scores->isVisible()) {
            scores->close();
            return;
        }
    }
}

} // namespace

class TestGameDlg : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void wholeGameWonByClickingTheEnemyFleet();
    void lostGameShowsTheComputersSurvivingShips();
    void keptPictureFollowsEveryShotOfAGame();
    void computerTakesItsTime_data();
    void computerTakesItsTime();
    void clicksThatChangeNothing_data();
    void clicksThatChangeNothing();
    void escapeAsksOnlyDuringABattle_data();
    void escapeAsksOnlyDuringABattle();
    void cancelledNameDialogKeepsTheBattle();
    void changedNameResetsTheTallies_data();
    void changedNameResetsTheTallies();
    void frameBeforeTheFirstGameIsEmpty();
    void runsAsAPlainWindowWithEveryIconSize();
    void waitingShowsPleaseWait();
    void titleAndMenuFollowTheMode_data();
    void titleAndMenuFollowTheMode();
    void menuLettersInEveryLanguage_data();
    void menuLettersInEveryLanguage();
    void windowsGiveBusyBack_data();
    void windowsGiveBusyBack();
    void optionsDuringABattle_data();
    void optionsDuringABattle();
    void inputWhileTheComputerPauses_data();
    void inputWhileTheComputerPauses();
    void optionsLanguageReachesTheMenu_data();
    void optionsLanguageReachesTheMenu();

private:
    void StartGame(const QString& name = "Player");
    void Click(QPoint p) { QTest::mouseClick(m_dlg->ClientArea(), Qt::LeftButton, {}, p); }
    QSettings Stored() const { return QSettings(m_ini, QSettings::IniFormat); }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_ini;
    std::unique_ptr<CQSettingsProfile> m_profile;
    std::unique_ptr<CGameDlg> m_dlg;
};

void TestGameDlg::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_ini = m_dir->filePath("Tidebolt.ini");
    {
        QSettings seed(m_ini, QSettings::IniFormat);
        seed.setValue("Options/CompDelay", 0);  // the computer answers at once
        seed.setValue("Options/English", 1);
    }
    m_profile = std::make_unique<CQSettingsProfile>(m_ini);
    SetProfile(m_profile.get());
    g_sounds.clear();
    SetSoundHook(RecordSound);
    m_dlg = OpenGameWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_dlg.get()));
}

void TestGameDlg::cleanup()
{
    m_dlg.reset();
    SetSoundHook(nullptr);
    SetProfile(nullptr);
    m_profile.reset();
    m_dir.reset();
}

void TestGameDlg::StartGame(const QString& name)
{
    const CModalWait named = WhenModal<CNameDlg>([name](CNameDlg* dlg) {
        auto* combo = dlg->findChild<QComboBox*>();
        combo->setEditText(name);
        QTest::keyClick(combo, Qt::Key_Return);
    });
    m_dlg->NewGame();
}

void TestGameDlg::wholeGameWonByClickingTheEnemyFleet()
{
    StartGame();
    QVERIFY(GameInProgress);
    QVERIFY(MyTurn);
    bool winShown = false;
    const CModalWait won = WhenModal<CWinDlg>([&winShown](CWinDlg* dlg) {
        winShown = true;
        FindButton(dlg, "OK")->click();
    });
    // Every deck is a hit, so under the traditional rule the human keeps the turn.
    for (int cell = 0; cell < BOARD_CELLS && GameInProgress; ++cell) {
        if (PlayerTwo.m_fleet[cell] == CELL_SHIP)
            Click(CellCentre(PlayerTwo, cell / 10, cell % 10));
    }
    QVERIFY(winShown);
    QVERIFY(!GameInProgress);
    QVERIFY(PlayerTwo.AllSunk());
    QCOMPARE(PlayerOne.m_nWins, 1);
    QCOMPARE(g_sounds.back(), std::string(SOUND_WIN));
    QCOMPARE(m_dlg->Records().GetName(0), std::string("Player"));
    QCOMPARE(m_dlg->Records().GetWins(0), 1);
    // The table reaches the profile at once, not only when the program ends.
    QSettings stored = Stored();
    QCOMPARE(stored.value("Records/count").toInt(), 1);
    QCOMPARE(stored.value("Records/N0").toString(), QString("Player"));
    QCOMPARE(stored.value("Records/w0").toInt(), 999);
    QCOMPARE(stored.value("Records/s0").toInt(), 999);  // one point at level 1
}

void TestGameDlg::lostGameShowsTheComputersSurvivingShips()
{
    Level = 3;
    StartGame();
    bool loseShown = false;
    const CModalWait lost = WhenModal<CLoseDlg>([&loseShown](CLoseDlg* dlg) {
        loseShown = true;
        FindButton(dlg, "OK")->click();
    });
    // Miss after miss: every miss hands the computer its turn.
    for (int cell = 0; cell < BOARD_CELLS && GameInProgress; ++cell) {
        if (PlayerTwo.m_fleet[cell] == CELL_WATER)
            Click(CellCentre(PlayerTwo, cell / 10, cell % 10));
    }
    QVERIFY(loseShown);
    QVERIFY(PlayerOne.AllSunk());
    QCOMPARE(PlayerTwo.m_nWins, 1);
    QCOMPARE(g_sounds.back(), std::string(SOUND_LOSE));
    QCOMPARE(m_dlg->Records().GetLosses(0), 1);
    QCOMPARE(m_dlg->Records().GetScore(0), -10);
    QCOMPARE(Stored().value("Records/l0").toInt(), 999);

    const QImage frame = m_dlg->RenderScene();
    const QImage shown = Picture(IDB_SHOWN).toImage();
    int revealed = 0;
    for (int cell = 0; cell < BOARD_CELLS; ++cell) {
        if (PlayerTwo.m_view[cell] != CELL_SHOWN)
            continue;
        ++revealed;
        const QPoint corner(PlayerTwo.m_rcBoard.left + CELL_PITCH * (cell % 10) + 1,
                            PlayerTwo.m_rcBoard.top + CELL_PITCH * (cell / 10) + 1);
        QCOMPARE(frame.pixel(corner + QPoint(12, 12)), shown.pixel(12, 12));
    }
    QCOMPARE(revealed, 20);  // no deck of the computer was ever hit
}

// The view keeps the scene and each shot redraws only what it changed.
// Through a whole game, hits, sinkings with the misses around them, the
// ship counts, the computer's answers and the keys' cell cursor included,
// what the view keeps is what a whole drawing of the scene gives.
void TestGameDlg::keptPictureFollowsEveryShotOfAGame()
{
    const auto* view = qobject_cast<const CPixelView*>(m_dlg->ClientArea());
    QVERIFY(view);
    StartGame();
    const CModalWait over = WhenModal<CResultDlg>([](CResultDlg* dlg) { FindButton(dlg, "OK")->click(); });
    int shots = 0;
    for (int cell = 0; cell < BOARD_CELLS && GameInProgress; ++cell) {
        Click(CellCentre(PlayerTwo, cell / 10, cell % 10));
        ++shots;
        QVERIFY2(view->Scene() == m_dlg->RenderScene(), qPrintable(QString("after shot %1").arg(shots)));
        // Every third shot the keys' cursor shows up on the next cell; the
        // next click hides it again.
        if (cell % 3 == 0 && GameInProgress) {
            QTest::keyClick(m_dlg->ClientArea(), Qt::Key_Right);
            QVERIFY(m_dlg->CellCursor().m_bShown);
            QVERIFY2(view->Scene() == m_dlg->RenderScene(), qPrintable(QString("cursor after shot %1").arg(shots)));
        }
    }
    QVERIFY(!GameInProgress);
    // The end of the game: the tallies and any surviving ships shown.
    QVERIFY(view->Scene() == m_dlg->RenderScene());
}

void TestGameDlg::computerTakesItsTime_data()
{
    QTest::addColumn<int>("delay");
    QTest::newRow("no delay: at once, the pointer left alone") << 0;
    QTest::newRow("a pause before each shot, under the wait cursor") << 250;
}

void TestGameDlg::computerTakesItsTime()
{
    QFETCH(int, delay);
    StartGame();
    CompDelay = static_cast<unsigned>(delay);
    int water = BOARD_CELLS - 1;
    while (PlayerTwo.m_fleet[water] != CELL_WATER)
        --water;
    const Qt::CursorShape pointer = m_dlg->ClientArea()->cursor().shape();
    bool waitShown = false;
    QTimer probe;
    connect(&probe, &QTimer::timeout, [&] { waitShown = waitShown || m_dlg->ClientArea()->cursor().shape() != pointer; });
    probe.start(20);
    QElapsedTimer clock;
    clock.start();
    Click(CellCentre(PlayerTwo, water / 10, water % 10));   // a miss hands the computer its turn
    const qint64 took = clock.elapsed();
    probe.stop();
    QVERIFY(MyTurn);
    QCOMPARE(waitShown, delay > 0);
    QVERIFY2(took >= delay, qPrintable(QString::number(took)));
    QCOMPARE(m_dlg->ClientArea()->cursor().shape(), pointer);   // the turn is back, and so is the pointer
}

void TestGameDlg::clicksThatChangeNothing_data()
{
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<bool>("shootFirst");
    QTest::addColumn<bool>("changes");
    QTest::newRow("vertical grid line") << 26 * 3 << 13 << false << false;
    QTest::newRow("horizontal grid line") << 13 << 26 * 4 << false << false;
    QTest::newRow("board's top-left corner") << 0 << 0 << false << false;
    QTest::newRow("beside the board") << -30 << 40 << false << false;
    QTest::newRow("a cell already shot") << 13 << 13 << true << false;
    // The control: the same click on a fresh cell is a shot.
    QTest::newRow("a cell not yet shot") << 13 << 13 << false << true;
}

void TestGameDlg::clicksThatChangeNothing()
{
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(bool, shootFirst);
    QFETCH(bool, changes);
    StartGame();
    const QPoint p(PlayerTwo.m_rcBoard.left + dx, PlayerTwo.m_rcBoard.top + dy);
    if (shootFirst)
        Click(p);
    const auto enemy = Grid(PlayerTwo.m_fleet);
    const auto mine = Grid(PlayerOne.m_fleet);
    QVERIFY(MyTurn);
    Click(p);
    QCOMPARE(Grid(PlayerTwo.m_fleet) != enemy, changes);
    if (changes)
        return;
    QCOMPARE(Grid(PlayerOne.m_fleet), mine);  // the computer did not shoot either
    QVERIFY(MyTurn);
}

void TestGameDlg::escapeAsksOnlyDuringABattle_data()
{
    QTest::addColumn<bool>("english");
    QTest::addColumn<bool>("battle");
    QTest::addColumn<QString>("answer");  // to the question; empty: none may be asked
    QTest::addColumn<QString>("asked");   // the question and its buttons
    QTest::addColumn<bool>("ends");
    QTest::addColumn<bool>("closeBox");   // the window's close box rather than Esc
    QTest::newRow("no battle: ends at once") << true << false << "" << "" << true << false;
    QTest::newRow("в бою, Отмена: игра идёт") << false << true << "Cancel" << "Выйти из игры? OK|Отмена" << false << false;
    QTest::newRow("battle, Cancel keeps playing") << true << true << "Cancel" << "Do you want exit game? OK|Cancel" << false << false;
    QTest::newRow("battle, OK ends the program") << true << true << "OK" << "Do you want exit game? OK|Cancel" << true << false;
    QTest::newRow("close box, no battle: ends at once") << true << false << "" << "" << true << true;
    QTest::newRow("close box in a battle asks too") << true << true << "Cancel" << "Do you want exit game? OK|Cancel" << false << true;
}

void TestGameDlg::escapeAsksOnlyDuringABattle()
{
    QFETCH(bool, english);
    QFETCH(bool, battle);
    QFETCH(QString, answer);
    QFETCH(bool, ends);
    // The language as the player switches it while the program runs.
    English = english;
    m_dlg->SetLanguage(english);
    if (battle)
        StartGame();
    QSignalSpy finished(m_dlg.get(), &QDialog::finished);
    QString asked;
    const auto act = [&asked, answer](QMessageBox* box) {
        asked = box->text() + ' ' + box->button(QMessageBox::Ok)->text() + '|' + box->button(QMessageBox::Cancel)->text();
        box->button(answer == "OK" ? QMessageBox::Ok : QMessageBox::Cancel)->click();
    };
    std::optional<CModalWait> question;
    if (battle) {
        question.emplace(WhenModal<QMessageBox>(act));
    } else {
        // None may come; one that does is answered, so the test fails on its text rather than hanging.
        QTimer::singleShot(300, m_dlg.get(), [act] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                act(box);
        });
    }
    QFETCH(bool, closeBox);
    if (closeBox)
        m_dlg->close();
    else
        QTest::keyClick(m_dlg.get(), Qt::Key_Escape);
    QTest::qWait(battle ? 0 : 400);
    QTEST(asked.remove('&'), "asked");
    QCOMPARE(finished.count(), ends ? 1 : 0);
    // Ending writes the settings and the table, also when nothing changed.
    QSettings stored = Stored();
    QCOMPARE(stored.contains("Options/Level"), ends);
    QCOMPARE(stored.value("Records/count", -1).toInt(), ends ? 0 : -1);
}

void TestGameDlg::cancelledNameDialogKeepsTheBattle()
{
    StartGame();
    Click(CellCentre(PlayerTwo, 9, 9));
    const auto enemy = Grid(PlayerTwo.m_view);
    const auto mine = Grid(PlayerOne.m_fleet);
    const CModalWait cancelled = WhenModal<CNameDlg>([](CNameDlg* dlg) { QTest::keyClick(dlg, Qt::Key_Escape); });
    m_dlg->NewGame();
    QVERIFY(GameInProgress);
    QVERIFY(MyTurn);
    QCOMPARE(int(m_dlg->IsBusy()), 0);
    QCOMPARE(Grid(PlayerTwo.m_view), enemy);
    QCOMPARE(Grid(PlayerOne.m_fleet), mine);
}

void TestGameDlg::changedNameResetsTheTallies_data()
{
    QTest::addColumn<QString>("next");
    QTest::addColumn<int>("humanWins");
    QTest::addColumn<int>("computerWins");
    QTest::newRow("same name keeps them") << "Player" << 3 << 2;
    QTest::newRow("another name clears them") << "Marina" << 0 << 0;
    QTest::newRow("names differ in case") << "player" << 0 << 0;
}

void TestGameDlg::changedNameResetsTheTallies()
{
    QFETCH(QString, next);
    QFETCH(int, humanWins);
    QFETCH(int, computerWins);
    StartGame("Player");
    PlayerOne.m_nWins = 3;
    PlayerTwo.m_nWins = 2;
    StartGame(next);
    QCOMPARE(PlayerOne.m_nWins, humanWins);
    QCOMPARE(PlayerTwo.m_nWins, computerWins);
    QCOMPARE(QString::fromStdString(PlayerOne.GetName()), next);
}

void TestGameDlg::frameBeforeTheFirstGameIsEmpty()
{
    const QImage frame = m_dlg->RenderScene();
    for (const QPoint p : {CellCentre(PlayerTwo, 0, 0), CellCentre(PlayerOne, 5, 5),
                           QPoint(BoardFrame.left, BoardFrame.top),
                           QPoint(BoardFrame.right - 1, BoardFrame.bottom - 1)})
        QCOMPARE(frame.pixel(p), Rgb(BackgroundColour));
    QCOMPARE(frame.pixel(FRAME_X, FRAME_Y + 100), qRgb(0, 0, 0));  // the frame's border
}

void TestGameDlg::runsAsAPlainWindowWithEveryIconSize()
{
    // What the window manager reads: a main window that says it is modal is
    // modal for every window of the program.
    bool modal = true;
    QTimer::singleShot(0, m_dlg.get(), [&] {
        modal = m_dlg->isModal() || QApplication::activeModalWidget();
        QTest::keyClick(m_dlg.get(), Qt::Key_Escape);   // no battle: the program ends
    });
    QTimer::singleShot(10000, m_dlg.get(), [&] { m_dlg->done(0); });   // fail rather than hang
    m_dlg->Run();
    QVERIFY(!modal);
    QVERIFY(m_dlg->isHidden());
    // The task bar and the window switcher get the size they ask for.
    const QList<QSize> offered = m_dlg->windowIcon().availableSizes();
    const QStringList installed = QDir(TIDEBOLT_DESKTOP_ICONS).entryList({"*x*"}, QDir::Dirs);
    QVERIFY(installed.size() >= 5);
    for (const QString& size : installed)
        QVERIFY2(offered.contains(QSize(size.section('x', 0, 0).toInt(), size.section('x', 1).toInt())), qPrintable(size));
}

void TestGameDlg::waitingShowsPleaseWait()
{
    // A battle played, then the window becomes a client waiting for its
    // server's first game.
    StartGame();
    m_dlg->BeginNetPlay(false);
    const QImage frame = m_dlg->RenderScene();
    m_dlg->GameWithComputer();
    int text = 0;
    bool sea = false;
    for (int y = BoardFrame.top; y < BoardFrame.bottom; ++y) {
        for (int x = BoardFrame.left; x < BoardFrame.right; ++x) {
            text += frame.pixel(x, y) == qRgb(0, 200, 250);
            sea = sea || frame.pixel(x, y) == qRgb(0, 102, 200);
        }
    }
    QVERIFY(!sea);  // the boards are not drawn
    QVERIFY(text > 20);
    // The words stand from the middle of the frame onwards.
    QCOMPARE(frame.pixel(BoardFrame.Width() / 4, BoardFrame.Height() / 4), Rgb(BackgroundColour));
}

void TestGameDlg::titleAndMenuFollowTheMode_data()
{
    QTest::addColumn<ENetRole>("role");
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("newGameEnabled");
    QTest::newRow("computer") << ENetRole::Computer << true << "Tidebolt" << true;
    QTest::newRow("server") << ENetRole::Server << true << "Tidebolt [ Server ]" << true;
    QTest::newRow("client") << ENetRole::Client << true << "Tidebolt [ Client ]" << false;
    QTest::newRow("сервер") << ENetRole::Server << false << "Tidebolt [ Сервер ]" << true;
    QTest::newRow("клиент") << ENetRole::Client << false << "Tidebolt [ Клиент ]" << false;
}

void TestGameDlg::titleAndMenuFollowTheMode()
{
    QFETCH(ENetRole, role);
    QFETCH(bool, english);
    QFETCH(QString, title);
    QFETCH(bool, newGameEnabled);
    if (role != ENetRole::Computer)
        m_dlg->BeginNetPlay(role == ENetRole::Server);
    English = english;
    m_dlg->SetLanguage(english);
    QCOMPARE(m_dlg->windowTitle(), title);
    QMenuBar* bar = m_dlg->findChild<QMenuBar*>();
    QMenu* game = bar->actions().first()->menu();
    // The menus as a screen reader reads them out: each item's text as the
    // game names it, and the key that works beside it.
    QStringList said;
    QAccessibleInterface* top = QAccessible::queryAccessibleInterface(bar);
    for (int i = 0; i < top->childCount(); ++i) {
        QAccessibleInterface* title = top->child(i);
        said << title->text(QAccessible::Name) + ' ' + title->text(QAccessible::Accelerator);
        QAccessibleInterface* menu = title->childCount() ? title->child(0) : nullptr;   // its pop-up
        for (int j = 0; menu && j < menu->childCount(); ++j) {
            QAccessibleInterface* item = menu->child(j);
            if (item->role() != QAccessible::Separator)
                said << "  " + item->text(QAccessible::Name) + ' ' + item->text(QAccessible::Accelerator);
        }
    }
    const QStringList menus = english ? QStringList{"Game Alt+G", "  New game F2", "  Scores F3", "  Game with computer Alt+c",
                                         "  Game in Network Alt+w", "  Chat F4", "  Exit Alt+x", "Options Alt+O", "Help Alt+H",
                                         "  Help F1", "  About Alt+A"}
                                      : QStringList{"Игра Alt+И", "  Новая F2", "  10 чемпионов F3", "  Игра с компьютером Alt+к",
                                         "  Игра по сети Alt+с", "  Чат F4", "  Выход Alt+В", "Опции Alt+О", "Помощь Alt+П",
                                         "  Помощь F1", "  Про автора Alt+а"};
    QCOMPARE(said, menus);
    const auto items = game->actions();
    QCOMPARE(items[0]->isEnabled(), newGameEnabled);
    // Only the mode in force shows a mark; the other looks like "Scores".
    QCursor::setPos(0, 0);  // away from the menu, which would show a row under it lit
    game->popup(QPoint(100, 100));
    QVERIFY(QTest::qWaitForWindowExposed(game));
    const QImage shown = game->grab().toImage();
    const auto markArea = [&](QAction* item) {
        const QRect row = game->actionGeometry(item);
        return shown.copy(QRect(row.topLeft(), QSize(row.height(), row.height())));
    };
    const QImage plain = markArea(items[1]);
    QCOMPARE(markArea(items[3]) != plain, role == ENetRole::Computer);  // "Game with computer"
    QCOMPARE(markArea(items[4]) != plain, role != ENetRole::Computer);  // "Game in Network"
    game->hide();
    m_dlg->GameWithComputer();
}

void TestGameDlg::menuLettersInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("game");      // the first menu's title, unmarked
    QTest::addColumn<bool>("inText");       // each letter is one of its item's own
    const QStringList titles{"Spiel", "Game", "Juego", "Partie", "Partita", "Gra", "Jogo", "Игра", "Гра", "游戏(G)"};
    const QStringList languages = GameLanguages();
    QCOMPARE(languages.size(), titles.size());
    for (int i = 0; i < languages.size(); ++i)
        QTest::newRow(qPrintable(languages[i])) << languages[i] << titles[i] << (languages[i] != "zh_CN");
}

// In every language each menu, the bar itself included, has one Alt letter
// per item and never the same letter twice; where the script has no such
// letters, the item shows the letter it takes in brackets.
void TestGameDlg::menuLettersInEveryLanguage()
{
    QFETCH(QString, language);
    QFETCH(bool, inText);
    struct Restore {
        CGameDlg* dlg;
        ~Restore() { Language.clear(), English = 1, dlg->SetLanguage(true); }
    } restore{m_dlg.get()};
    Language = language.toStdString();
    English = language != "ru";
    m_dlg->SetLanguage(English != 0);
    QMenuBar* bar = m_dlg->findChild<QMenuBar*>();
    QList<QList<QAction*>> menus{bar->actions()};
    for (QAction* title : bar->actions()) {
        if (title->menu())
            menus << title->menu()->actions();
    }
    static const QRegularExpression mark("(?<!&)&(?!&)");
    for (const QList<QAction*>& menu : menus) {
        QSet<QChar> taken;
        for (const QAction* item : menu) {
            if (item->isSeparator())
                continue;
            const QString text = item->text();
            QCOMPARE(text.count(mark), 1);
            const QChar letter = text.at(text.indexOf(mark) + 1);
            QVERIFY2(letter.isLetter(), qPrintable(text));
            QVERIFY2(!taken.contains(letter.toLower()), qPrintable(text));
            taken << letter.toLower();
            const QString shown = QString(text).remove(mark);
            QVERIFY2(shown.endsWith(QStringLiteral("(%1)").arg(letter)) != inText, qPrintable(text));
        }
    }
    QTEST(bar->actions().first()->text().remove(mark), "game");
}

void TestGameDlg::windowsGiveBusyBack_data()
{
    // Comma-separated: "open" a scores window from the menu, "close" the
    // oldest one open; "wait": a new game now waits for its network partner
    // (Busy set, as NewGame leaves it); "come": the partner came (Busy
    // cleared, as StartGame does).
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("busy");  // after the last step: F1 to F3 are dead
    QTest::newRow("opened and closed: F1 to F3 work again") << "open,close" << 0;
    QTest::newRow("opened during the wait: still waiting") << "wait,open,close" << 1;
    QTest::newRow("the partner came while it was open") << "wait,open,come,close" << 0;
    QTest::newRow("a new game began while it was open and waits") << "open,wait,close" << 1;
    QTest::newRow("one of two windows closed") << "open,open,close" << 1;
    QTest::newRow("both windows closed") << "open,open,close,close" << 0;
    QTest::newRow("a new game began between two windows") << "open,wait,open,close,close" << 1;
    // The help, about and options windows, opened and closed during the wait.
    QTest::newRow("help during the wait") << "wait,help" << 1;
    QTest::newRow("about during the wait") << "wait,about" << 1;
    QTest::newRow("options during the wait") << "wait,options" << 1;
}

void TestGameDlg::windowsGiveBusyBack()
{
    QFETCH(QString, steps);
    for (const QString& step : steps.split(',')) {
        if (step == "open")
            m_dlg->OnCommand(ID_GAME_SCORES);
        else if (step == "close")
            CloseOldestScores(*m_dlg);
        else if (step == "help" || step == "about" || step == "options") {
            const CModalWait closed = WhenModal<QDialog>([](QDialog* window) { window->reject(); });
            m_dlg->OnCommand(step == "help" ? ID_HELP_HELP : step == "about" ? ID_HELP_ABOUT : ID_OPTIONS);
        } else if (step == "wait") {
            // A server's new game, named, and its partner still to come.
            m_dlg->BeginNetPlay(true);
            const CModalWait named = WhenModal<CNameDlg>([](CNameDlg* dlg) { dlg->accept(); });
            m_dlg->NewGame();
        } else {
            m_dlg->StartGame();
        }
        QApplication::processEvents();
    }
    QFETCH(int, busy);
    QCOMPARE(int(m_dlg->IsBusy()), busy);
    QCOMPARE(OpenedByFunctionKeys(*m_dlg), (busy ? QStringList() : QStringList{"help", "name", "scores"}));
    m_dlg->GameWithComputer();
}

void TestGameDlg::optionsDuringABattle_data()
{
    QTest::addColumn<QString>("change");   // what the player clicks in the options
    QTest::addColumn<QString>("answer");   // to the new-game question; empty: none is asked
    QTest::addColumn<bool>("renamed");     // the name dialog is confirmed after the restart
    QTest::addColumn<bool>("inProgress");
    QTest::addColumn<bool>("newFleet");
    QTest::addColumn<QString>("computer");
    QTest::newRow("harder, restart agreed") << "Hard" << "Yes" << true << true << true << "Computer - Hard";
    QTest::newRow("harder, restart declined") << "Hard" << "No" << false << true << false << "Computer - Easy";
    QTest::newRow("rule changed, name cancelled") << "Tradition game *" << "Yes" << false << false << false
                                                  << "Computer - Easy";
    QTest::newRow("sound only asks nothing") << "Play sound" << "" << false << true << false << "Computer - Easy";
}

void TestGameDlg::optionsDuringABattle()
{
    QFETCH(QString, change);
    QFETCH(QString, answer);
    QFETCH(bool, renamed);
    QFETCH(bool, inProgress);
    QFETCH(bool, newFleet);
    QFETCH(QString, computer);
    StartGame();
    Click(CellCentre(PlayerTwo, 0, 0));
    const auto enemy = Grid(PlayerTwo.m_fleet);
    QString asked;
    std::vector<CModalWait> waits;   // the question and the name dialog come after the options have closed
    const CModalWait options = WhenModal<COptionsDlg>([&](COptionsDlg* dlg) {
        FindButton(dlg, change)->click();
        if (!answer.isEmpty()) {
            waits.push_back(WhenModal<QMessageBox>([&](QMessageBox* box) {
                asked = box->text();
                box->button(answer == "Yes" ? QMessageBox::Yes : QMessageBox::No)->click();
                if (answer == "No")
                    FindButton(dlg, "Cancel")->click();  // No leaves the options open
            }));
        }
        if (answer == "Yes") {
            waits.push_back(WhenModal<CNameDlg>([renamed](CNameDlg* name) {
                QTest::keyClick(name->findChild<QComboBox*>(), renamed ? Qt::Key_Return : Qt::Key_Escape);
            }));
        }
        FindButton(dlg, "OK")->click();
    });
    m_dlg->ShowOptions();
    QCOMPARE(asked, answer.isEmpty() ? QString() : QString("Begin new game ?"));
    QCOMPARE(bool(GameInProgress), inProgress);
    QCOMPARE(Grid(PlayerTwo.m_fleet) != enemy, newFleet);
    QCOMPARE(QString::fromStdString(PlayerTwo.GetName()), computer);
    QCOMPARE(int(m_dlg->IsBusy()), 0);
}

void TestGameDlg::inputWhileTheComputerPauses_data()
{
    // What reaches the window while the computer waits before its shot, and
    // the window that input opens once the computer is done.
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("windowAfter");
    QTest::newRow("a click on the enemy board") << "click" << "";
    QTest::newRow("Space at the cell cursor") << "Space" << "";
    QTest::newRow("New game from the menu") << "menu" << "name";
    QTest::newRow("F2") << "F2" << "name";
    QTest::newRow("Esc") << "Esc" << "question";
}

void TestGameDlg::inputWhileTheComputerPauses()
{
    QFETCH(QString, input);
    QFETCH(QString, windowAfter);
    Tradition = 0;   // every shot passes the turn: the computer fires once
    StartGame();
    CompDelay = 300;
    int miss = 0;
    while (PlayerTwo.m_fleet[miss] != CELL_WATER)
        ++miss;

    bool computerToMove = false;
    std::vector<signed char> enemyBefore, enemyDuring;
    const auto land = [&] {
        computerToMove = GameInProgress && !MyTurn;
        enemyBefore = Grid(PlayerTwo.m_view);
        QWindow* window = m_dlg->windowHandle();
        QApplication::setActiveWindow(m_dlg.get());
        if (input == "click") {
            const int other = miss + 1;   // no shot has touched it yet
            const QPoint at = m_dlg->ClientArea()->mapTo(m_dlg.get(), CellCentre(PlayerTwo, other / 10, other % 10));
            QTest::mouseClick(window, Qt::LeftButton, {}, at);
        } else if (input == "menu") {
            for (QAction* item : m_dlg->findChild<QMenuBar*>()->actions().first()->menu()->actions())
                if (item->data().toInt() == ID_GAME_NEWGAME)
                    item->trigger();
        } else if (input == "Space") {
            for (Qt::Key key : {Qt::Key_End, Qt::Key_PageDown, Qt::Key_Space})   // the far corner, far from the miss
                QTest::keyClick(window, key);
        } else {
            QTest::keyClick(window, input == "F2" ? Qt::Key_F2 : Qt::Key_Escape);
        }
        enemyDuring = Grid(PlayerTwo.m_view);
    };
    QString opened;
    bool openedDuringTurn = false;
    // Answered as it comes; the watch goes with the window.
    auto* watch = new QTimer(m_dlg.get());
    QObject::connect(watch, &QTimer::timeout, [&] {
        auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dlg || !opened.isEmpty())
            return;
        opened = qobject_cast<CNameDlg*>(dlg) ? "name" : qobject_cast<QMessageBox*>(dlg) ? "question" : "other";
        openedDuringTurn = GameInProgress && !MyTurn;
        dlg->reject();
    });
    watch->start(10);
    QTimer::singleShot(100, m_dlg.get(), land);
    Click(CellCentre(PlayerTwo, miss / 10, miss % 10));

    QVERIFY(computerToMove);
    // Nothing the player does counts until the computer has shot.
    QVERIFY(enemyDuring == enemyBefore);
    if (windowAfter.isEmpty())
        QTest::qWait(200);
    QTRY_COMPARE(opened, windowAfter);
    QVERIFY(!openedDuringTurn);
    QVERIFY(GameInProgress);
    QVERIFY(MyTurn);
}

void TestGameDlg::optionsLanguageReachesTheMenu_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("menu");   // the menu bar's first title afterwards
    QTest::newRow("English, then OK: the menu follows") << "OK" << "Game";
    QTest::newRow("English, then Cancel: it stays Russian") << "Cancel" << QString::fromUtf8("Игра");
}

void TestGameDlg::optionsLanguageReachesTheMenu()
{
    QFETCH(QString, button);
    English = 0;
    m_dlg->SetLanguage(false);
    const CModalWait options = WhenModal<COptionsDlg>([button](COptionsDlg* dlg) {
        FindButton(dlg, "English")->click();
        FindButton(dlg, button)->click();
    });
    m_dlg->OnCommand(ID_OPTIONS);
    QTEST(m_dlg->findChild<QMenuBar*>()->actions().at(0)->text().remove('&'), "menu");
}

QTEST_MAIN(TestGameDlg)
#include "tst_gamedlg.moc"
