#include "monkey.h"

#include "game/gamerand.h"
#include "game/globals.h"
#include "game/player.h"
#include "game/shothook.h"
#include "game/sound.h"
#include "net/netsession.h"
#include "store/settings.h"
#include "support/gamewindow.h"
#include "support/modal.h"
#include "ui/gamedlg.h"
#include "ui/namedlg.h"
#include "ui/netdlg.h"
#include "ui/optionsdlg.h"
#include "ui/scoresdlg.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>
#include <QThread>

#include <cstdlib>
#include <utility>

namespace {

CMonkey* g_monkey = nullptr;
void WatchShot(const CPlayer& target, int row, int col)
{
    // The partner's own copy of the game is not the window's.
    if (!CNetPartner::Resolving())
        g_monkey->OnShot(target, row, col);
}
void Silence(const char*) {}

constexpr int TAIL_LINES = 40;

struct NamedKey {
    const char* name;
    Qt::Key key;
};
const NamedKey KEYS[] = {
    {"Enter", Qt::Key_Return}, {"Space", Qt::Key_Space}, {"Left", Qt::Key_Left}, {"Right", Qt::Key_Right},
    {"Up", Qt::Key_Up},        {"Down", Qt::Key_Down},   {"Home", Qt::Key_Home}, {"End", Qt::Key_End},
    {"PgUp", Qt::Key_PageUp},  {"PgDn", Qt::Key_PageDown}, {"Tab", Qt::Key_Tab}, {"R", Qt::Key_R},
    {"F1", Qt::Key_F1},        {"F2", Qt::Key_F2},       {"F3", Qt::Key_F3},     {"Esc", Qt::Key_Escape},
};

// The menu items a player in a hurry reaches for, by weight; "Game in
// Network" only in the network run, where the partner answers it.
const std::pair<int, int> MENU_WEIGHTS[] = {
    {ID_GAME_NEWGAME, 4}, {ID_OPTIONS, 12}, {ID_GAME_SCORES, 15}, {ID_HELP_HELP, 15},
    {ID_HELP_ABOUT, 8},   {ID_GAME_COMPUTER, 8}, {ID_GAME_EXIT, 3}, {ID_GAME_NETWORK, 6},
};

QAction* MenuAction(QWidget* wnd, int id)
{
    for (QAction* top : wnd->findChild<QMenuBar*>()->actions()) {
        if (top->data().toInt() == id)
            return top;
        if (!top->menu())
            continue;
        for (QAction* item : top->menu()->actions())
            if (item->data().toInt() == id)
                return item;
    }
    return nullptr;
}

// The scores window stays open beside the boards; the harness answers it
// like a modal one. Its Delete button is left alone: the table it empties
// is what the rules check.
QWidget* WindowToAnswer()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && qobject_cast<CScoresDlg*>(w))
            return w;
    return nullptr;
}

std::vector<QAbstractButton*> ButtonsOf(QWidget* window)
{
    std::vector<QAbstractButton*> buttons;
    auto* scores = qobject_cast<CScoresDlg*>(window);
    for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (b->isVisible() && b->isEnabled() && !b->text().isEmpty() && (!scores || b != static_cast<QAbstractButton*>(scores->m_btnDelete)))
            buttons.push_back(b);
    return buttons;
}

} // namespace

CMonkey::CMonkey(unsigned int seed, const QString& iniPath, std::FILE* log, bool network)
    : m_rng(seed), m_nSeed(seed), m_strIni(iniPath), m_pLog(log), m_rules(iniPath),
      m_partner(network ? std::make_unique<CNetPartner>(seed ^ 0x5bd1e995u) : nullptr)
{
    g_monkey = this;
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { Tick(); });
}

CMonkey::~CMonkey()
{
    delete m_pWnd;
    SetShotHook(nullptr);
    g_monkey = nullptr;
}

void CMonkey::OnShot(const CPlayer& target, int row, int col)
{
    m_rules.OnShot(target, row, col);
    if (m_partner)
        m_partner->OnWindowShot(target, row, col);
    if (&target == &PlayerTwo)
        OnPlayerShot();
}

void CMonkey::OpenWindow()
{
    // As a fresh run of the program: no battle, no wins.
    GameInProgress = 0;
    MyTurn = 0;
    PlayerOne.m_nWins = PlayerTwo.m_nWins = 0;
    m_pWnd = new CGameDlg;
    m_pWnd->SkipSplash();
    m_pWnd->OnInitDialog();
    GameSrand(m_nSeed);
    SetSoundHook(Silence);
    SetShotHook(WatchShot);
    m_pWnd->show();
    QApplication::setActiveWindow(m_pWnd);
    m_rules.Attach(m_pWnd);
    if (m_partner)
        m_partner->Attach(m_pWnd);
}

void CMonkey::Run(const Limits& limits, const QStringList& replay)
{
    m_limits = limits;
    m_replay = replay;
    m_bReplaying = !replay.isEmpty();
    OpenWindow();
    m_clock.start();
    Schedule();
    while (!m_bStopped)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

bool CMonkey::Done() const
{
    if (m_bReplaying)
        return m_replay.isEmpty();
    return (m_limits.games > 0 && m_rules.GamesFinished() >= m_limits.games)
           || (m_limits.seconds > 0 && m_clock.elapsed() >= m_limits.seconds * 1000LL);
}

void CMonkey::Schedule()
{
    if (m_bReplaying) {
        m_nPause = m_replay.isEmpty() ? 0 : m_replay.first().section(' ', 0, 0).toInt();
    } else {
        // Mostly a hurried player; now and then one who waits.
        const int r = Chance(100);
        m_nPause = r < 35 ? Chance(5) : r < 75 ? 5 + Chance(55) : r < 93 ? 60 + Chance(90) : 150 + Chance(250);
    }
    m_timer.start(m_nPause);
}

void CMonkey::Tick()
{
    if (m_bStopped)
        return;
    // Ends only between inputs, with no window of the game open.
    if (m_nDepth == 0 && !WindowToAnswer() && Done()) {
        m_bStopped = true;
        return;
    }
    QString input;
    if (m_bReplaying && m_replay.isEmpty()) {
        // The log may end inside a dialog or the computer's turn: the run ends there.
        PrintFigure();
        std::fflush(m_pLog);
        std::_Exit(0);
    }
    if (m_bReplaying) {
        input = m_replay.takeFirst().section(' ', 1);
    } else {
        input = NextInput();
    }
    const QString line = QString::number(m_nPause) + ' ' + input;
    std::fprintf(m_pLog, "%s\n", line.toUtf8().constData());
    std::fflush(m_pLog);
    ++m_nEvents;
    m_tail.append(line);
    if (m_tail.size() > TAIL_LINES)
        m_tail.removeFirst();
    // The next input is due even while this one runs an event loop of its own.
    Schedule();
    m_rules.BeforeInput();
    ++m_nDepth;
    Perform(input);
    --m_nDepth;
    // A partner's message opens windows too: the handler that opened one is
    // under way for as long as any event loop runs inside the harness's own.
    const bool outermost = m_nDepth == 0 && QThread::currentThread()->loopLevel() == 0;
    if (const std::string fault = m_rules.Check(m_clock.elapsed(), outermost); !fault.empty())
        Stop(fault);
    if (m_partner && !m_partner->Fault().empty())
        Stop(m_partner->Fault());
    // The player left: the program would end here; start it again.
    if (m_nDepth == 0 && !m_pWnd->isVisible() && !QApplication::activeModalWidget()) {
        if (const std::string fault = m_rules.AfterExit(); !fault.empty())
            Stop(fault);
        delete m_pWnd;
        m_pWnd = nullptr;
        OpenWindow();
    }
}

QString CMonkey::NextInput()
{
    QWidget* window = WindowToAnswer();
    if (window && Chance(100) < 70)
        return qobject_cast<CNetDlg*>(window) ? InputForNetDialog(window) : InputForModal(window);
    // Leaving the network or starting afresh ends its game: in network play
    // such inputs come seldom enough for games to be played to their end too.
    static const QStringList leaving = {QStringLiteral("key Esc"), QStringLiteral("close"),
                                        QStringLiteral("menu %1").arg(ID_GAME_COMPUTER),
                                        QStringLiteral("menu %1").arg(ID_GAME_EXIT),
                                        QStringLiteral("menu %1").arg(ID_GAME_NETWORK)};
    static const QStringList restarting = {QStringLiteral("key F2"), QStringLiteral("menu %1").arg(ID_GAME_NEWGAME)};
    const auto ends = [&](const QString& input) {
        return m_pWnd->NetRole() != ENetRole::Computer
               && (leaving.contains(input) || (GameInProgress && restarting.contains(input)));
    };
    QString input = InputForMainWindow();
    for (int tries = 0; tries < 3 && ends(input); ++tries)
        if (Chance(100) < 90)
            input = InputForMainWindow();
    return input;
}

QString CMonkey::InputForModal(QWidget* window)
{
    const int r = Chance(100);
    if (r < 20 && window->findChild<QLineEdit*>()) {
        if (qobject_cast<COptionsDlg*>(window)) {
            static const char* const delays[] = {"0", "0", "0", "5", "30", "120", "300", "x"};
            return QStringLiteral("text ") + delays[Chance(8)];
        }
        static const char* const names[] = {"Ann", "Ann", "Bob"};
        return QStringLiteral("text ") + names[Chance(3)];
    }
    if (r < 32) {
        static const char* const keys[] = {"Enter", "Esc", "Tab", "Space", "Left", "R"};
        return QStringLiteral("key ") + keys[Chance(6)];
    }
    const std::vector<QAbstractButton*> buttons = ButtonsOf(window);
    if (buttons.empty())
        return QStringLiteral("key Esc");
    // Cancelling the name ends network play; a player who came to play the
    // partner does so now and then, not every third game.
    auto* names = qobject_cast<CNameDlg*>(window);
    if (names && m_pWnd->NetRole() != ENetRole::Computer && Chance(100) < 70)
        return "button " + names->m_btnOK->text().remove('&');
    return "button " + buttons[Chance(int(buttons.size()))]->text().remove('&');
}

// Mostly a player who means to play: a role, the partner's address,
// Connect, Start Game; now and then one who changes mind.
QString CMonkey::InputForNetDialog(QWidget* window)
{
    const auto* dlg = static_cast<CNetDlg*>(window);
    const auto button = [](const QAbstractButton* b) { return "button " + b->text().remove('&'); };
    const int r = Chance(100);
    if (r < 6)
        return button(dlg->m_btnCancel);
    if (r < 9)
        return QStringLiteral("key Esc");
    if (dlg->m_btnStart->isEnabled() && r < 80)
        return button(dlg->m_btnStart);
    if (!dlg->m_rbServer->isChecked() && !dlg->m_rbClient->isChecked())
        return button(Chance(2) ? dlg->m_rbServer : dlg->m_rbClient);
    if (r < 20)
        return button(dlg->m_rbServer->isChecked() ? dlg->m_rbClient : dlg->m_rbServer);
    if (dlg->m_rbClient->isChecked() && dlg->m_cbServer->currentText() != QLatin1String("127.0.0.1"))
        return QStringLiteral("text 127.0.0.1");
    if (dlg->m_btnConnect->isVisible() && dlg->m_btnConnect->isEnabled())
        return button(dlg->m_btnConnect);
    return InputForModal(window);
}

QString CMonkey::InputForMainWindow()
{
    // Between battles the player mostly wants the next one; in the
    // network run, after a network game, so it asks for one.
    if (m_partner && !GameInProgress && m_pWnd->NetRole() == ENetRole::Computer && Chance(100) < 40)
        return QStringLiteral("menu %1").arg(ID_GAME_NETWORK);
    const ENetPhase phase = m_pWnd->Session().Phase();
    const bool between = phase == ENetPhase::Off || phase == ENetPhase::NoGame || phase == ENetPhase::Over;
    if (!GameInProgress && between && Chance(100) < 30)
        return Chance(2) ? QStringLiteral("menu %1").arg(ID_GAME_NEWGAME) : QStringLiteral("key F2");
    const int r = Chance(100);
    if (r < 70) {
        // The enemy board, mostly where nothing has been shot yet.
        std::vector<int> cells;
        for (int cell = 0; cell < BOARD_CELLS; ++cell)
            if (PlayerTwo.m_view[cell] == CELL_WATER || Chance(100) < 15)
                cells.push_back(cell);
        const int cell = cells.empty() ? Chance(BOARD_CELLS) : cells[Chance(int(cells.size()))];
        const int jitter = CELL_PITCH / 2 - 3;
        const int x = PlayerTwo.m_rcBoard.left + CELL_PITCH * (cell % BOARD_SIZE) + CELL_PITCH / 2
                      + Chance(2 * jitter + 1) - jitter;
        const int y = PlayerTwo.m_rcBoard.top + CELL_PITCH * (cell / BOARD_SIZE) + CELL_PITCH / 2
                      + Chance(2 * jitter + 1) - jitter;
        return QStringLiteral("click %1 %2").arg(x).arg(y);
    }
    if (r < 78)   // anywhere: the player's own board, the margins, the grid lines
        return QStringLiteral("click %1 %2").arg(Chance(MAIN_CLIENT_WIDTH)).arg(Chance(MAIN_CLIENT_HEIGHT));
    if (r < 97) {
        const int k = Chance(100) < 94 ? Chance(10) : 12 + Chance(4);   // F1-F3 and Esc now and then
        return QStringLiteral("key ") + KEYS[k].name;
    }
    if (Chance(12) != 0) {   // else the window's close button
        int total = 0;
        // Once connected, "Game in Network" again is a change of mind, not the way in.
        const auto weight = [this](const std::pair<int, int>& w) {
            if (w.first != ID_GAME_NETWORK)
                return w.second;
            return !m_partner ? 0 : m_pWnd->NetRole() == ENetRole::Computer ? w.second : 1;
        };
        for (const auto& w : MENU_WEIGHTS)
            total += weight(w);
        int pick = Chance(total);
        for (const auto& w : MENU_WEIGHTS) {
            if (pick < weight(w))
                return QStringLiteral("menu %1").arg(w.first);
            pick -= weight(w);
        }
    }
    return QStringLiteral("close");
}

void CMonkey::Perform(const QString& input)
{
    const QStringList words = input.split(' ');
    const QString& verb = words.first();
    // Left, the window takes nothing more until the program starts again;
    // only the dialogs still open may be answered.
    if (!m_pWnd->isVisible() && verb != QLatin1String("button") && verb != QLatin1String("text")
        && !(verb == QLatin1String("key") && QApplication::activeModalWidget()))
        return;
    if (verb == QLatin1String("click") && words.size() == 3)
        Click(words);
    else if (verb == QLatin1String("key") && words.size() == 2)
        Key(words);
    else if (verb == QLatin1String("menu") && words.size() == 2)
        Menu(words[1].toInt());
    else if (verb == QLatin1String("close"))
        m_pWnd->close();   // the window manager's close button
    else if (verb == QLatin1String("button") || verb == QLatin1String("text"))
        Answer(words);
}

void CMonkey::Click(const QStringList& words)
{
    const QPoint scene(words[1].toInt(), words[2].toInt());
    int col = scene.x(), row = scene.y();
    const bool onEnemyCell = PlayerTwo.PointToCell(col, row);
    const int cell = row * BOARD_SIZE + col;
    const bool mayShoot = CRuleWatch::PlayerMayShoot();
    const bool unshot = onEnemyCell && PlayerTwo.m_view[cell] == CELL_WATER;
    // Through the window system, as a mouse's click comes: a modal window blocks it.
    const QPoint at = m_pWnd->ClientArea()->mapTo(m_pWnd, scene);
    if (m_clickAt.size() <= size_t(m_nDepth))
        m_clickAt.resize(m_nDepth + 1, NOTHING_DUE);
    m_clickAt[m_nDepth] = !mayShoot ? NO_SHOT : unshot ? A_SHOT : NOTHING_DUE;
    QTest::mouseClick(m_pWnd->windowHandle(), Qt::LeftButton, {}, at);
    const ClickDue due = std::exchange(m_clickAt[m_nDepth], NOTHING_DUE);
    if (due == A_SHOT)
        Stop("a click on unshot cell " + std::to_string(cell) + " in the player's turn did not shoot it");
}

void CMonkey::OnPlayerShot()
{
    if (size_t(m_nDepth) >= m_clickAt.size())
        return;
    if (m_clickAt[m_nDepth] == NO_SHOT)
        Stop("a click shot while the player could not shoot");
    if (m_clickAt[m_nDepth] == A_SHOT)
        m_clickAt[m_nDepth] = SHOT_CAME;
}

void CMonkey::Key(const QStringList& words)
{
    for (const NamedKey& k : KEYS) {
        if (words[1] != QLatin1String(k.name))
            continue;
        QWidget* target = QApplication::activeModalWidget();
        if (!target) {
            target = m_pWnd;
            // The window manager gives the activation back when a dialog closes.
            if (QApplication::activeWindow() != m_pWnd)
                QApplication::setActiveWindow(m_pWnd);
        }
        QTest::keyClick(target->windowHandle(), k.key);
        return;
    }
}

void CMonkey::Menu(int id)
{
    // A grayed item cannot be picked; one from behind a modal window can
    // only come from an assistive technology, which the harness leaves out.
    QAction* action = MenuAction(m_pWnd, id);
    if (action && action->isEnabled() && !QApplication::activeModalWidget())
        action->trigger();
}

void CMonkey::Answer(const QStringList& words)
{
    QWidget* window = WindowToAnswer();
    if (!window)
        return;
    const QString text = QStringList(words.mid(1)).join(' ');
    if (words.first() == QLatin1String("text")) {
        if (auto* net = qobject_cast<CNetDlg*>(window))
            net->m_cbServer->setEditText(text);
        else if (auto* edit = window->findChild<QLineEdit*>())
            edit->setText(text);
        return;
    }
    for (QAbstractButton* b : ButtonsOf(window)) {
        if (b->text().remove('&') == text) {
            // The partner's machine frees the port for a window that is to listen.
            if (auto* net = qobject_cast<CNetDlg*>(window); net && b == net->m_rbServer && m_partner)
                m_partner->StepAside();
            b->click();
            return;
        }
    }
}

QString CMonkey::Mode() const
{
    return m_partner ? QStringLiteral("monkey against the network") : QStringLiteral("monkey against the computer");
}

void CMonkey::PrintFigure() const
{
    if (m_partner) {
        std::printf("FIGURE: %s | random clicks, keys, menus, dialogs, options and close requests on the real main "
                    "window offscreen against a scripted partner at random moments, seed %u | %d connections, %d network "
                    "games begun, %d played to the end (%d and %d against the computer), %lld inputs, %d player and "
                    "%d partner shots, %d messages from the window in %.1f s | no rule broken, the boards agreed "
                    "after every shot\n",
                    qPrintable(Mode()), m_nSeed, m_partner->Connections(), m_rules.NetGamesStarted(),
                    m_rules.NetGamesFinished(), m_rules.GamesStarted() - m_rules.NetGamesStarted(),
                    m_rules.GamesFinished() - m_rules.NetGamesFinished(), m_nEvents, m_rules.HumanShots(), m_partner->ShotsSent(),
                    m_partner->MessagesReceived(), m_clock.elapsed() / 1000.0);
    } else {
        std::printf("FIGURE: %s | random clicks, keys, menus, dialogs, options and close requests on the real "
                    "main window offscreen, seed %u | %d games begun, %d played to the end, %lld inputs, %d player "
                    "and %d computer shots in %.1f s | no rule broken\n",
                    qPrintable(Mode()), m_nSeed, m_rules.GamesStarted(), m_rules.GamesFinished(), m_nEvents,
                    m_rules.HumanShots(), m_rules.ComputerShots(), m_clock.elapsed() / 1000.0);
    }
    std::fflush(stdout);
}

void CMonkey::Stop(const std::string& fault)
{
    std::fprintf(stderr, "tidebolt_monkey: FAULT after %lld inputs, %d games begun, %d ended, %.1f s: %s\n",
                 m_nEvents, m_rules.GamesStarted(), m_rules.GamesFinished(), m_clock.elapsed() / 1000.0,
                 fault.c_str());
    std::fprintf(stderr, "tidebolt_monkey: seed %u; the last inputs (pause in ms, input):\n", m_nSeed);
    for (const QString& line : std::as_const(m_tail))
        std::fprintf(stderr, "    %s\n", line.toUtf8().constData());
    if (m_partner && m_pWnd) {
        std::fprintf(stderr, "tidebolt_monkey: the window: role %d, phase %d, battle %d, turn %d; the partner's last acts:\n",
                     int(m_pWnd->NetRole()), int(m_pWnd->Session().Phase()), GameInProgress, MyTurn);
        for (const std::string& line : m_partner->Trace())
            std::fprintf(stderr, "    %s\n", line.c_str());
    }
    std::fflush(stderr);
    std::fflush(m_pLog);
    std::printf("FIGURE: %s | random input on the real main window offscreen, seed %u | "
                "%d games begun, %d played to the end, %lld inputs in %.1f s | broken: %s\n",
                qPrintable(Mode()), m_nSeed, m_rules.GamesStarted(), m_rules.GamesFinished(), m_nEvents, m_clock.elapsed() / 1000.0,
                fault.c_str());
    std::fflush(stdout);
    // The fault may lie deep inside the window's own event loops: leave from here.
    std::_Exit(1);
}
