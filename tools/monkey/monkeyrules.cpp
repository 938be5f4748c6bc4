#include "monkeyrules.h"

#include "game/globals.h"
#include "game/player.h"
#include "net/netsession.h"
#include "store/settings.h"
#include "support/gamewindow.h"
#include "ui/namedlg.h"
#include "ui/placeshipsdlg.h"
#include "ui/resultdlg.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>

#include <algorithm>
#include <cstring>

namespace {

bool IsDeck(signed char code) { return code >= CELL_SHIP; }

// Both machines record a network game for both players at the top level,
// ten points either way: the winner's row a win, the loser's a loss,
// nobody else's touched.
std::string NetRecordFault(const SoakRecords& before, const SoakRecords& after, const std::string& winner,
                           const std::string& loser)
{
    SoakRecords between = before;
    auto row = std::find_if(between.begin(), between.end(), [&](const SoakRecord& r) { return r.name == winner; });
    if (row == between.end())
        row = between.insert(between.end(), SoakRecord{winner});
    ++row->wins;
    row->score += 10;
    return RecordChangeFault(between, after, loser, false, 3);
}

// How far a cell has come under fire: shots only ever move it forward.
int Progress(signed char code)
{
    switch (code) {
    case CELL_MISS:
    case CELL_HIT:
    case CELL_SHOWN: return 1;
    case CELL_SUNK: return 2;
    default: return 0;
    }
}

bool SameDecks(const signed char* a, const signed char* b)
{
    for (int i = 0; i < BOARD_CELLS; ++i)
        if (IsDeck(a[i]) != IsDeck(b[i]))
            return false;
    return true;
}

// Windows of the program over the main one (menus and tool tips aside).
std::vector<QWidget*> OtherWindows(const QWidget* main)
{
    std::vector<QWidget*> open;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w != main && w->isVisible() && w->windowType() != Qt::Popup && w->windowType() != Qt::ToolTip)
            open.push_back(w);
    }
    return open;
}

bool HasWayOut(const QWidget* window)
{
    for (const QAbstractButton* b : window->findChildren<QAbstractButton*>())
        if (b->isVisible() && b->isEnabled())
            return true;
    return false;
}

// A name dialog's OK deals the player a fleet; so does a hand placement
// confirmed in it, even when the name dialog is then cancelled.
bool NamingOpen()
{
    QWidget* modal = QApplication::activeModalWidget();
    return qobject_cast<CPlaceShipsDlg*>(modal) || qobject_cast<CNameDlg*>(modal);
}

} // namespace

std::string CRuleWatch::Opponent() const
{
    return m_pWnd->NetRole() == ENetRole::Computer ? "the computer" : "the partner";
}

void CRuleWatch::BeforeInput()
{
    m_bNamingSeen = m_bNamingSeen || NamingOpen();
    CountPictures();
}

void CRuleWatch::Attach(CGameDlg* wnd)
{
    m_pWnd = wnd;
    m_game = Game{};
    m_nQuietChecks = 0;
    m_nComputerWaitSince = -1;
}

bool CRuleWatch::PlayerMayShoot()
{
    return GameInProgress && MyTurn && !QApplication::activeModalWidget();
}

void CRuleWatch::DetectNewGame()
{
    if (!GameInProgress || (m_game.live && SameDecks(m_game.fleetTwo, PlayerTwo.m_fleet)))
        return;
    // A game replaced before its end was judged: its tallies may have been
    // reset by the new one, the rest still stands.
    if (m_game.ended && !m_game.judged)
        if (std::string fault = JudgeEnd(); !fault.empty() && m_strShotFault.empty())
            m_strShotFault = fault;
    m_game = Game{};
    m_game.live = true;
    m_game.playerToShoot = MyTurn != 0;
    m_game.tallies[0] = PlayerOne.m_nWins;
    m_game.tallies[1] = PlayerTwo.m_nWins;
    m_game.records = RowsOf(WindowRecords(m_pWnd));
    std::memcpy(m_game.fleetOne, PlayerOne.m_fleet, sizeof m_game.fleetOne);
    std::memcpy(m_game.fleetTwo, PlayerTwo.m_fleet, sizeof m_game.fleetTwo);
    m_nShotsSinceCheck = 0;
    ++m_nGamesStarted;
    m_nNetGamesStarted += m_pWnd->NetRole() != ENetRole::Computer;
}

void CRuleWatch::OnShot(const CPlayer& target, int row, int col)
{
    const bool human = &target == &PlayerTwo;
    ++(human ? m_nHumanShots : m_nComputerShots);
    const bool firstOfGame = GameInProgress && !(m_game.live && SameDecks(m_game.fleetTwo, PlayerTwo.m_fleet));
    DetectNewGame();
    if (firstOfGame)
        m_game.playerToShoot = human;   // whoever fires first was drawn to begin
    ++m_nShotsSinceCheck;
    if (!human)
        m_nComputerWaitSince = -1;
    std::string fault;
    if (!GameInProgress || m_game.ended)
        fault = "a shot after the battle was over";
    else if (human != m_game.playerToShoot)
        fault = human ? "the player shot while " + Opponent() + " was to move" : Opponent() + " shot in the player's turn";
    if (!fault.empty() && m_strShotFault.empty())
        m_strShotFault = fault + " (cell " + std::to_string(row * BOARD_SIZE + col) + ")";
    // A miss passes the turn; a hit keeps it only under the traditional
    // rule, which a network battle keeps from its start.
    const bool tradition = m_pWnd->NetRole() != ENetRole::Computer ? m_pWnd->Session().BattleRule() : Tradition != 0;
    if (target.m_fleet[row * BOARD_SIZE + col] == CELL_MISS || !tradition)
        m_game.playerToShoot = !m_game.playerToShoot;
    if (target.AllSunk() && !m_game.ended) {
        m_game.ended = true;
        m_game.won = human;
        m_game.name = Name;
        m_game.level = Level;
        if (m_pWnd->NetRole() != ENetRole::Computer) {
            m_game.name = PlayerOne.GetName();
            m_game.partner = PlayerTwo.GetName();
            ++m_nNetGamesFinished;
        }
        ++m_nGamesFinished;
    }
}

void CRuleWatch::CountPictures()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!qobject_cast<CResultDlg*>(modal) || modal == m_pLastPicture)
        return;
    m_pLastPicture = modal;
    if (!m_game.ended && m_strShotFault.empty())
        m_strShotFault = "a result picture came while both fleets were afloat";
    ++m_game.pictures;
}

std::string CRuleWatch::BoardsOnlyProgress()
{
    // A network game's set-up brings the partner's fleet before its battle
    // begins: whatever battle was on the boards is over, and the next is
    // watched from its start.
    const bool setUp = m_pWnd->Session().Phase() == ENetPhase::Naming || m_pWnd->Session().Phase() == ENetPhase::Waiting;
    if (setUp || m_bSetUpSeen)
        m_game.live = false;
    m_bSetUpSeen = setUp;
    if (!m_game.live)
        return {};
    const bool placed = NamingOpen() || m_bNamingSeen;
    m_bNamingSeen = NamingOpen();
    struct Side {
        const char* name;
        const CPlayer& player;
        signed char* seen;
    } sides[] = {{"the player's board", PlayerOne, m_game.fleetOne}, {"the enemy board", PlayerTwo, m_game.fleetTwo}};
    std::string fault;
    bool changed = false;
    for (Side& side : sides) {
        if (&side.player == &PlayerOne && placed) {
            std::memcpy(side.seen, side.player.m_fleet, BOARD_CELLS);
            continue;
        }
        for (int i = 0; i < BOARD_CELLS && fault.empty(); ++i) {
            const signed char was = side.seen[i], now = side.player.m_fleet[i];
            if (IsDeck(was) != IsDeck(now))
                fault = std::string("a ship moved on ") + side.name + " (cell " + std::to_string(i) + ")";
            else if (Progress(now) < Progress(was))
                fault = std::string("a shot was undone on ") + side.name + " (cell " + std::to_string(i) + ")";
            // The computer's surviving ships are shown after a lost game, without a shot.
            else if (now != was && !(now == CELL_SHOWN && m_game.ended && !m_game.won))
                changed = true;
        }
        std::memcpy(side.seen, side.player.m_fleet, BOARD_CELLS);
    }
    if (fault.empty() && changed && m_nShotsSinceCheck == 0)
        fault = "a board changed without a shot";
    m_nShotsSinceCheck = 0;
    return fault;
}

std::string CRuleWatch::ComputerKeepsMoving(long long nowMs)
{
    if (!GameInProgress || MyTurn || !OtherWindows(m_pWnd).empty()) {
        m_nComputerWaitSince = -1;
        return {};
    }
    if (m_nComputerWaitSince < 0)
        m_nComputerWaitSince = nowMs;
    // Generous: the machine may be loaded, and a turn may be several shots.
    const long long bound = 8000 + 20LL * CompDelay;
    if (nowMs - m_nComputerWaitSince <= bound)
        return {};
    return Opponent() + " is to move, no window is open, and no shot came for " + std::to_string(bound) + " ms";
}

std::string CRuleWatch::JudgeEnd()
{
    m_game.judged = true;
    if (m_game.pictures != 1)
        return std::to_string(m_game.pictures) + " result pictures for one game";
    const SoakRecords now = RowsOf(WindowRecords(m_pWnd));
    const std::string fault =
        m_game.partner.empty()
            ? RecordChangeFault(m_game.records, now, m_game.name, m_game.won, m_game.level)
            : NetRecordFault(m_game.records, now, m_game.won ? m_game.name : m_game.partner,
                             m_game.won ? m_game.partner : m_game.name);
    if (!fault.empty())
        return "records: " + fault;
    return SavedTableFault(now);
}

std::string CRuleWatch::SavedTableFault(const SoakRecords& shown) const
{
    QFile ini(m_strIni);
    if (!ini.open(QIODevice::ReadOnly))
        return "the profile cannot be read";
    const SoakRecords saved = RecordsInIni(ini.readAll().toStdString());
    if (saved == shown)
        return {};
    const auto describe = [](const SoakRecords& rows) {
        std::string text;
        for (const SoakRecord& r : rows)
            text += " " + r.name + " " + std::to_string(r.wins) + "/" + std::to_string(r.losses);
        return text.empty() ? std::string(" none") : text;
    };
    return "the saved table of records differs from the one shown: saved" + describe(saved) + "; shown"
           + describe(shown);
}

std::string CRuleWatch::Check(long long nowMs, bool outermost)
{
    if (!m_strShotFault.empty())
        return m_strShotFault;
    DetectNewGame();
    CountPictures();
    if (!m_strShotFault.empty())
        return m_strShotFault;
    if (std::string fault = BoardsOnlyProgress(); !fault.empty())
        return fault;
    if (m_game.live && GameInProgress && !m_game.ended && (MyTurn != 0) != m_game.playerToShoot)
        return m_game.playerToShoot ? "the player is to shoot, yet the window waits for " + Opponent()
                                    : Opponent() + " is to shoot, yet the window waits for the player";
    if (std::string fault = ComputerKeepsMoving(nowMs); !fault.empty())
        return fault;
    const std::vector<QWidget*> open = OtherWindows(m_pWnd);
    for (const QWidget* w : open)
        if (!HasWayOut(w))
            return "the window \"" + w->windowTitle().toStdString() + "\" has no button to leave it";
    // The end of a game is judged once its picture has gone and the
    // controller has had a turn of the event loop to record it.
    // A network game waiting for the partner's set-up holds F1 to F3 on purpose.
    const bool quiet = outermost && open.empty() && !(GameInProgress && !MyTurn)
                       && m_pWnd->Session().Phase() != ENetPhase::Waiting;
    m_nQuietChecks = quiet ? m_nQuietChecks + 1 : 0;
    if (m_nQuietChecks < 2)
        return {};
    if (WindowBusy(m_pWnd))
        return "no window is open, yet F1 to F3 stay dead (Busy is still set)";
    if (m_game.ended && !m_game.judged) {
        const int p1 = PlayerOne.m_nWins, p2 = PlayerTwo.m_nWins;
        if (p1 != m_game.tallies[0] + (m_game.won ? 1 : 0) || p2 != m_game.tallies[1] + (m_game.won ? 0 : 1))
            return "tallies " + std::to_string(p1) + ":" + std::to_string(p2) + " after a game that began at "
                   + std::to_string(m_game.tallies[0]) + ":" + std::to_string(m_game.tallies[1]);
        return JudgeEnd();
    }
    return {};
}

std::string CRuleWatch::AfterExit() const
{
    if (std::string fault = SavedTableFault(RowsOf(WindowRecords(m_pWnd))); !fault.empty())
        return "on leaving, " + fault;
    return {};
}
