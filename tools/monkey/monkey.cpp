#include "monkey.h"

#include "game/gamerand.h"
#include "game/globals.h"
#include "game/player.h"
#include "game/shothook.h"
#include "game/sound.h"
#include "store/settings.h"
#include "support/gamewindow.h"
#include "support/modal.h"
#include "ui/gamedlg.h"
#include "ui/optionsdlg.h"
#include "ui/scoresdlg.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include <cstdlib>
#include <utility>

namespace {

CMonkey* g_monkey = nullptr;
CRuleWatch* g_rules = nullptr;
void WatchShot(const CPlayer& target, int row, int col)
{
    g_rules->OnShot(target, row, col);
    if (&target == &PlayerTwo)
        g_monkey->OnPlayerShot();
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

// The menu items a player in a hurry reaches for, by weight; the network
// stays out of this game against the computer.
const std::pair<int, int> MENU_WEIGHTS[] = {
    {ID_GAME_NEWGAME, 4}, {ID_OPTIONS, 12}, {ID_GAME_SCORES, 15}, {ID_HELP_HELP, 15},
    {ID_HELP_ABOUT, 8},   {ID_GAME_COMPUTER, 8}, {ID_GAME_EXIT, 3},
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

CMonkey::CMonkey(unsigned int seed, const QString& iniPath, std::FILE* log)
    : m_rng(seed), m_nSeed(seed), m_strIni(iniPath), m_pLog(log), m_rules(iniPath)
{
    g_rules = &m_rules;
    g_monkey = this;
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { Tick(); });
}

CMonkey::~CMonkey()
{
    delete m_pWnd;
    SetShotHook(nullptr);
    g_rules = nullptr;
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
    if (const std::string fault = m_rules.Check(m_clock.elapsed(), m_nDepth == 0); !fault.empty())
        Stop(fault);
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
        return InputForModal(window);
    return InputForMainWindow();
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
    return "button " + buttons[Chance(int(buttons.size()))]->text().remove('&');
}

QString CMonkey::InputForMainWindow()
{
    // Between battles the player mostly wants the next one.
    if (!GameInProgress && Chance(100) < 30)
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
        for (const auto& w : MENU_WEIGHTS)
            total += w.second;
        int pick = Chance(total);
        for (const auto& w : MENU_WEIGHTS) {
            if (pick < w.second)
                return QStringLiteral("menu %1").arg(w.first);
            pick -= w.second;
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
        if (auto* edit = window->findChild<QLineEdit*>())
            edit->setText(text);
        return;
    }
    for (QAbstractButton* b : ButtonsOf(window)) {
        if (b->text().remove('&') == text) {
            b->click();
            return;
        }
    }
}

void CMonkey::PrintFigure() const
{
    std::printf("FIGURE: monkey against the computer | random clicks, keys, menus, dialogs, options and close "
                "requests on the real main window offscreen, seed %u | %d games begun, %d played to the end, "
                "%lld inputs, %d player and %d computer shots in %.1f s | no rule broken\n",
                m_nSeed, m_rules.GamesStarted(), m_rules.GamesFinished(), m_nEvents, m_rules.HumanShots(),
                m_rules.ComputerShots(), m_clock.elapsed() / 1000.0);
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
    std::fflush(stderr);
    std::fflush(m_pLog);
    std::printf("FIGURE: monkey against the computer | random input on the real main window offscreen, seed %u | "
                "%d games begun, %d played to the end, %lld inputs in %.1f s | broken: %s\n",
                m_nSeed, m_rules.GamesStarted(), m_rules.GamesFinished(), m_nEvents, m_clock.elapsed() / 1000.0,
                fault.c_str());
    std::fflush(stdout);
    // The fault may lie deep inside the window's own event loops: leave from here.
    std::_Exit(1);
}
