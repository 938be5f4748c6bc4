#include "game/player.h"

#include "game/globals.h"
#include "game/texts.h"
#include "store/settings.h"

#include <cstring>

namespace {

bool OnBoard(int row, int col)
{
    return row >= 0 && row < BOARD_SIZE && col >= 0 && col < BOARD_SIZE;
}

// The k whose open interval (origin + 26k, origin + 26k + 26) holds p, or -1
// when p lies on a grid line or outside the ten cells.
int CellIndex(int origin, int p)
{
    const int offset = p - origin;
    if (offset <= 0 || offset % CELL_PITCH == 0)
        return -1;
    const int k = offset / CELL_PITCH;
    return k < BOARD_SIZE ? k : -1;
}

// The computer's names: a Russian player meets a "Lamer", a "User" and a
// "Hacker", so these words are the computer's own, not the Options' levels.
const char* const LevelNames[] = {QT_TRANSLATE_NOOP("CPlayer", "Easy"), QT_TRANSLATE_NOOP("CPlayer", "Normal"),
                                  QT_TRANSLATE_NOOP("CPlayer", "Hard")};

}  // namespace

CPlayer::CPlayer(bool human)
    : m_bHuman(human ? 1 : 0)
{
    ClearGrids();
    std::memset(m_shipsLeft, 0, sizeof m_shipsLeft);
}

CPlayer::~CPlayer() = default;

void CPlayer::InitBoardRect()
{
    ClearGrids();
    const int centre = (BoardFrame.left + BoardFrame.right) / 2;
    m_rcBoard.top = BoardFrame.top + 50;
    m_rcBoard.bottom = m_rcBoard.top + BOARD_PIXELS;
    m_rcBoard.left = m_bHuman ? centre + 30 : centre - 290;
    m_rcBoard.right = m_rcBoard.left + BOARD_PIXELS;
}

void CPlayer::ClearGrids()
{
    std::memset(m_mirror, 0, sizeof m_mirror);
    std::memset(m_fleet, 0, sizeof m_fleet);
    std::memset(m_view, 0, sizeof m_view);
}

void CPlayer::SetComputerName()
{
    if (m_bHuman)
        return;
    std::string name = GameText("CPlayer", QT_TRANSLATE_NOOP("CPlayer", "Computer - "));
    if (Level >= 1 && Level <= 3)
        name += GameText("CPlayer", LevelNames[Level - 1]);
    m_strName = name;
}

void CPlayer::TakePlacement(const unsigned char placeGrid[BOARD_CELLS])
{
    ClearGrids();
    for (int i = 0; i < BOARD_CELLS; ++i) {
        if (placeGrid[i] != 0)
            m_fleet[i] = CELL_SHIP;
    }
    SyncView();
}

signed char CPlayer::GetCell(int row, int col) const
{
    if (!OnBoard(row, col))
        return CELL_WATER;
    return m_fleet[row * BOARD_SIZE + col];
}

void CPlayer::SetCell(int row, int col, signed char code)
{
    if (!OnBoard(row, col))
        return;
    m_fleet[row * BOARD_SIZE + col] = code;
}

void CPlayer::SyncView()
{
    for (int i = 0; i < BOARD_CELLS; ++i) {
        if (m_fleet[i] != m_mirror[i]) {
            m_mirror[i] = m_fleet[i];
            m_view[i] = m_fleet[i];
        }
    }
}

void CPlayer::HideFleet()
{
    std::memcpy(m_mirror, m_fleet, sizeof m_mirror);
}

void CPlayer::RevealFleet()
{
    for (int i = 0; i < BOARD_CELLS; ++i) {
        if (m_fleet[i] == CELL_SHIP) {
            m_fleet[i] = CELL_SHOWN;
            m_view[i] = CELL_SHOWN;
        }
    }
    SyncView();
}

bool CPlayer::AllSunk() const
{
    for (signed char code : m_mirror) {
        if (code == CELL_SHIP)
            return false;
    }
    return true;
}

void CPlayer::ExportFleet(unsigned char out[BOARD_CELLS]) const
{
    // Plus one so that no byte of the message is zero.
    for (int i = 0; i < BOARD_CELLS; ++i)
        out[i] = static_cast<unsigned char>(m_fleet[i] + 1);
}

bool CPlayer::PointToCell(int& x, int& y) const
{
    if (x < m_rcBoard.left || x > m_rcBoard.right || y < m_rcBoard.top || y > m_rcBoard.bottom)
        return false;
    const int col = CellIndex(m_rcBoard.left, x);
    const int row = CellIndex(m_rcBoard.top, y);
    if (col < 0 || row < 0)
        return false;
    x = col;
    y = row;
    return true;
}

void CPlayer::SetName(const std::string& name)
{
    m_strName = name;
}

std::string CPlayer::GetName() const
{
    return m_strName;
}
