#include "soakplayer.h"

#include "soakchecks.h"

#include "game/globals.h"
#include "game/player.h"
#include "game/sound.h"
#include "store/settings.h"
#include "support/gamewindow.h"
#include "ui/gamedlg.h"
#include "ui/namedlg.h"
#include "ui/resultdlg.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

const char* g_lastSound = "";
void RememberSound(const char* file) { g_lastSound = file; }

struct Fleets {
    signed char one[BOARD_CELLS];
    signed char two[BOARD_CELLS];
};

Fleets FleetsNow()
{
    Fleets f;
    std::memcpy(f.one, PlayerOne.m_fleet, sizeof f.one);
    std::memcpy(f.two, PlayerTwo.m_fleet, sizeof f.two);
    return f;
}

// Shots mark cells but never move a ship.
bool SameDecks(const signed char (&a)[BOARD_CELLS], const signed char (&b)[BOARD_CELLS])
{
    for (int i = 0; i < BOARD_CELLS; ++i)
        if ((a[i] >= CELL_SHIP) != (b[i] >= CELL_SHIP))
            return false;
    return true;
}

bool CountsMatch(const FleetVerdict& v, const CPlayer& p)
{
    return std::equal(v.afloat.begin(), v.afloat.end(), p.m_shipsLeft,
                      [](int a, signed char b) { return a == b; });
}

} // namespace

CSoakPlayer::CSoakPlayer(CGameDlg& wnd, unsigned int seed)
    : m_wnd(wnd), m_rng(seed)
{
    SetSoundHook(RememberSound);   // silent, and the last sound is checked
    m_timer.setInterval(1);
    connect(&m_timer, &QTimer::timeout, this, [this] { AnswerModal(); });
    m_timer.start();
}

void CSoakPlayer::AnswerModal()
{
    QWidget* active = QApplication::activeModalWidget();
    if (!active || active == &m_wnd || active == m_pAnswered || !active->isVisible())
        return;
    m_pAnswered = active;
    QPointer<QPushButton> ok;
    if (auto* names = qobject_cast<CNameDlg*>(active)) {
        names->m_combo->setEditText(QString::fromStdString(m_strName));
        ok = names->m_btnOK;
    } else if (auto* result = qobject_cast<CResultDlg*>(active)) {
        ++(qobject_cast<CWinDlg*>(result) ? m_nWinShown : m_nLossShown);
        ok = result->m_btnOK;
    } else {
        m_strUnexpected = active->windowTitle();
        QTimer::singleShot(0, active, &QWidget::close);
        return;
    }
    // Clicked from the event loop, not from inside this tick.
    QTimer::singleShot(0, this, [ok] {
        if (ok)
            ok->click();
    });
}

bool CSoakPlayer::NewGameFromMenu()
{
    for (QAction* top : m_wnd.findChild<QMenuBar*>()->actions()) {
        if (!top->menu())
            continue;
        for (QAction* item : top->menu()->actions()) {
            if (item->data().toInt() == ID_GAME_NEWGAME && item->isEnabled()) {
                item->trigger();
                return true;
            }
        }
    }
    return false;
}

std::string CSoakPlayer::Battle()
{
    // Each click takes a cell out of play, so a hundred clicks end any battle.
    for (int click = 0; click < BOARD_CELLS && GameInProgress; ++click) {
        if (!MyTurn)
            return "the computer kept the turn";
        std::vector<int> untouched;
        for (int cell = 0; cell < BOARD_CELLS; ++cell)
            if (PlayerTwo.m_view[cell] == CELL_WATER)
                untouched.push_back(cell);
        if (untouched.empty())
            return "no untouched cell left, yet the battle goes on";
        const int cell = untouched[std::uniform_int_distribution<std::size_t>(0, untouched.size() - 1)(m_rng)];
        QTest::mouseClick(m_wnd.ClientArea(), Qt::LeftButton, {}, CellCentre(m_wnd, PlayerTwo, cell));
        ++m_nShots;
        if (PlayerTwo.m_view[cell] == CELL_WATER)
            return "a click on untouched cell " + std::to_string(cell) + " changed nothing";
    }
    return GameInProgress ? "the battle outlasted every cell" : "";
}

std::string CSoakPlayer::PlayGame(const std::string& name, const QString& iniPath)
{
    m_strName = name;
    m_nWinShown = m_nLossShown = 0;
    m_strUnexpected.clear();
    const SoakRecords before = RowsOf(m_wnd.Records());
    if (!NewGameFromMenu())
        return "\"New game\" is not in the menu";
    if (!GameInProgress)
        return "no battle after the name dialog";
    const Fleets start = FleetsNow();
    for (const auto* fleet : {&start.one, &start.two})
        if (const std::string fault = JudgeFleet(*fleet).fault; !fault.empty())
            return (fleet == &start.one ? "player one's fleet: " : "the computer's fleet: ") + fault;
    // Taken after the battle began: a changed name starts the tallies afresh.
    const int talliesBefore[2] = {PlayerOne.m_nWins, PlayerTwo.m_nWins};

    if (std::string fault = Battle(); !fault.empty())
        return fault;
    if (!m_strUnexpected.isEmpty())
        return "unexpected window \"" + m_strUnexpected.toStdString() + "\"";

    const Fleets end = FleetsNow();
    if (!SameDecks(start.one, end.one) || !SameDecks(start.two, end.two))
        return "a ship moved during the battle";
    const FleetVerdict one = JudgeFleet(end.one), two = JudgeFleet(end.two);
    if (!one.fault.empty() || !two.fault.empty())
        return "a fleet at the end: " + one.fault + two.fault;
    if ((one.AfloatTotal() == 0) == (two.AfloatTotal() == 0))
        return "both fleets or neither sunk";
    if (!CountsMatch(one, PlayerOne) || !CountsMatch(two, PlayerTwo))
        return "the ships-left counts disagree with the boards";
    const bool won = two.AfloatTotal() == 0;
    if (m_nWinShown != (won ? 1 : 0) || m_nLossShown != (won ? 0 : 1))
        return "result pictures: " + std::to_string(m_nWinShown) + " won, " + std::to_string(m_nLossShown) + " lost";
    if (std::strcmp(g_lastSound, won ? SOUND_WIN : SOUND_LOSE) != 0)
        return std::string("the last sound was ") + g_lastSound;
    if (PlayerOne.m_nWins != talliesBefore[0] + (won ? 1 : 0) || PlayerTwo.m_nWins != talliesBefore[1] + (won ? 0 : 1))
        return "tallies " + std::to_string(PlayerOne.m_nWins) + ":" + std::to_string(PlayerTwo.m_nWins);

    const SoakRecords after = RowsOf(m_wnd.Records());
    if (std::string fault = RecordChangeFault(before, after, name, won, Level); !fault.empty())
        return "records: " + fault;
    QFile ini(iniPath);
    if (!ini.open(QIODevice::ReadOnly) || RecordsInIni(ini.readAll().toStdString()) != after)
        return "the profile file does not hold the table shown";
    m_nWins += won ? 1 : 0;
    return {};
}
