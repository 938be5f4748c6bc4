#include "game/shiplayout.h"

#include "game/cellcursor.h"
#include "game/gamerand.h"
#include "game/resources.h"

#include <cstring>

unsigned char PlaceGrid[BOARD_CELLS];

namespace {

const int FLEET_LENGTHS[CShipLayout::SHIP_COUNT] = {4, 3, 3, 2, 2, 2, 1, 1, 1, 1};

bool OnBoard(int row, int col)
{
    return row >= 0 && row < BOARD_SIZE && col >= 0 && col < BOARD_SIZE;
}

// A cell off the board counts as free.
bool CellFree(int row, int col)
{
    return !OnBoard(row, col) || PlaceGrid[row * BOARD_SIZE + col] == 0;
}

void AddAt(int row, int col, int delta)
{
    PlaceGrid[row * BOARD_SIZE + col] = static_cast<unsigned char>(PlaceGrid[row * BOARD_SIZE + col] + delta);
}

// The cell index k with origin + 26k < v < origin + 26k + 26, or -1 on a grid line.
int CellIndex(int v, int origin)
{
    const int d = v - origin;
    if (d % CELL_PITCH == 0)
        return -1;
    const int k = d / CELL_PITCH;
    return k < BOARD_SIZE ? k : -1;
}

} // namespace

void CPlacedShip::CellAt(int i, int& row, int& col) const
{
    row = m_bHorz ? m_nRow : m_nRow + i;
    col = m_bHorz ? m_nCol + i : m_nCol;
}

bool CPlacedShip::Covers(int row, int col) const
{
    for (int i = 0; i < m_nLength; ++i) {
        int r, c;
        CellAt(i, r, c);
        if (r == row && c == col)
            return true;
    }
    return false;
}

void CPlacedShip::Fit()
{
    if (m_nRow < 0)
        m_nRow = 0;
    if (m_nCol < 0)
        m_nCol = 0;
    if (m_bHorz && m_nCol + m_nLength > BOARD_SIZE)
        m_nCol = BOARD_SIZE - m_nLength;
    if (!m_bHorz && m_nRow + m_nLength > BOARD_SIZE)
        m_nRow = BOARD_SIZE - m_nLength;
}

void CPlacedShip::Mark()
{
    Fit();
    for (int i = 0; i < m_nLength; ++i) {
        int r, c;
        CellAt(i, r, c);
        AddAt(r, c, 1);
    }
}

bool CPlacedShip::TryPlace(int row, int col)
{
    m_nRow = row;
    m_nCol = col;
    Fit();
    for (int i = 0; i < m_nLength; ++i) {
        int r, c;
        CellAt(i, r, c);
        for (int dr = -1; dr <= 1; ++dr)
            for (int dc = -1; dc <= 1; ++dc)
                if (!CellFree(r + dr, c + dc))
                    return false;
    }
    Mark();
    return true;
}

void CPlacedShip::PlaceRandom()
{
    m_bHorz = GameRand() % 2 == 0 ? 1 : 0;
    for (;;) {
        const int col = GameRand() % BOARD_SIZE;
        const int row = GameRand() % BOARD_SIZE;
        if (TryPlace(row, col))
            return;
    }
}

void CPlacedShip::MoveBy(int dr, int dc)
{
    // A step past the top or left edge is dropped on that axis, a step past
    // the bottom or right edge is shortened so the ship ends on the edge.
    if (m_nRow + dr < 0)
        dr = 0;
    if (m_nCol + dc < 0)
        dc = 0;
    if (dr == 0 && dc == 0)
        return;
    if (!m_bHorz) {
        if (m_nRow + dr + m_nLength > BOARD_SIZE)
            dr = BOARD_SIZE - m_nLength - m_nRow;
        if (m_nCol + dc >= BOARD_SIZE)
            dc = BOARD_SIZE - 1 - m_nCol;
    } else if (m_nCol + dc + m_nLength > BOARD_SIZE) {
        dc = BOARD_SIZE - m_nLength - m_nCol;
    }
    if (m_nRow + dr >= BOARD_SIZE)
        dr = BOARD_SIZE - 1 - m_nRow;
    for (int i = 0; i < m_nLength; ++i) {
        int r, c;
        CellAt(i, r, c);
        AddAt(r, c, -1);
        AddAt(r + dr, c + dc, 1);
    }
    m_nRow += dr;
    m_nCol += dc;
}

void CPlacedShip::RotateAbout(int rc, int cc)
{
    if (m_nLength == 1)
        return;
    for (int i = 0; i < m_nLength; ++i) {
        int r, c;
        CellAt(i, r, c);
        AddAt(r, c, -1);
    }
    m_bHorz = m_bHorz ? 0 : 1;
    const int oldRow = m_nRow;
    m_nRow = rc + (m_nCol - cc);
    m_nCol = cc + (oldRow - rc);
    Mark();
}

bool CPlacedShip::RingClear() const
{
    const int n = m_nLength;
    if (m_bHorz) {
        for (int j = m_nCol - 1; j <= m_nCol + n; ++j)
            if (!CellFree(m_nRow - 1, j) || !CellFree(m_nRow + 1, j))
                return false;
        return CellFree(m_nRow, m_nCol - 1) && CellFree(m_nRow, m_nCol + n);
    }
    for (int r = m_nRow - 1; r <= m_nRow + n; ++r)
        if (!CellFree(r, m_nCol - 1) || !CellFree(r, m_nCol + 1))
            return false;
    return CellFree(m_nRow - 1, m_nCol) && CellFree(m_nRow + n, m_nCol);
}

CShipLayout::CShipLayout()
{
    std::memset(PlaceGrid, 0, sizeof PlaceGrid);
    for (int i = 0; i < SHIP_COUNT; ++i)
        m_ships[i].m_nLength = FLEET_LENGTHS[i];
}

void CShipLayout::Shuffle()
{
    std::memset(PlaceGrid, 0, sizeof PlaceGrid);
    for (CPlacedShip& ship : m_ships)
        ship.PlaceRandom();
}

bool CShipLayout::IsValid() const
{
    for (unsigned char count : PlaceGrid)
        if (static_cast<signed char>(count) >= 2)
            return false;
    for (const CPlacedShip& ship : m_ships)
        if (!ship.RingClear())
            return false;
    return true;
}

bool CShipLayout::CellFromPoint(int x, int y, int& row, int& col) const
{
    if (x < m_rcBoard.left || x > m_rcBoard.right || y < m_rcBoard.top || y > m_rcBoard.bottom)
        return false;
    const int c = CellIndex(x, m_rcBoard.left);
    const int r = CellIndex(y, m_rcBoard.top);
    if (c < 0 || r < 0)
        return false;
    row = r;
    col = c;
    return true;
}

int CShipLayout::ShipAt(int row, int col) const
{
    for (int i = 0; i < SHIP_COUNT; ++i)
        if (m_ships[i].Covers(row, col))
            return i;
    return -1;
}

int CShipLayout::ShipUnder(int x, int y, int& row, int& col) const
{
    if (!CellFromPoint(x, y, row, col))
        return -1;
    return ShipAt(row, col);
}

void CShipLayout::PickShip(int x, int y)
{
    int row, col;
    const int ship = ShipUnder(x, y, row, col);
    if (ship < 0)
        return;
    m_nSelected = ship;
    m_nLastRow = row;
    m_nLastCol = col;
}

void CShipLayout::DragTo(int x, int y)
{
    if (m_nSelected < 0)
        return;
    int row, col;
    if (!CellFromPoint(x, y, row, col))
        return;
    if (row == m_nLastRow && col == m_nLastCol)
        return;
    const int dr = row - m_nLastRow;
    const int dc = col - m_nLastCol;
    m_nLastRow = row;
    m_nLastCol = col;
    m_ships[m_nSelected].MoveBy(dr, dc);
}

void CShipLayout::Drop()
{
    m_nSelected = -1;
    m_nLastRow = -1;
    m_nLastCol = -1;
}

void CShipLayout::RotateAt(int x, int y)
{
    int row, col;
    const int ship = ShipUnder(x, y, row, col);
    if (ship < 0)
        return;
    m_ships[ship].RotateAbout(row, col);
}

void CShipLayout::MovePicked(int dr, int dc)
{
    if (m_nPicked >= 0)
        m_ships[m_nPicked].MoveBy(dr, dc);
}

void CShipLayout::TurnPicked()
{
    if (m_nPicked >= 0)
        m_ships[m_nPicked].RotateAbout(m_ships[m_nPicked].m_nRow, m_ships[m_nPicked].m_nCol);
}

void CShipLayout::Draw(CDrawContext& dc) const
{
    CPlayer::DrawSea(dc, m_rcBoard);
    for (int row = 0; row < BOARD_SIZE; ++row) {
        for (int col = 0; col < BOARD_SIZE; ++col) {
            const unsigned char count = PlaceGrid[row * BOARD_SIZE + col];
            if (count == 0)
                continue;
            // Overlapping decks take the olive picture so the clash stands out.
            const int picture = count == 1 ? IDB_SHIP : IDB_SHOWN;
            CPlayer::BlitCellImage(dc, m_rcBoard.left + CELL_PITCH * col,
                                   m_rcBoard.top + CELL_PITCH * row, picture);
        }
    }
    if (m_nPicked < 0)
        return;
    const CPlacedShip& ship = m_ships[m_nPicked];
    int lastRow, lastCol;
    ship.CellAt(ship.m_nLength - 1, lastRow, lastCol);
    DrawFocusFrame(dc, m_rcBoard, ship.m_nRow, ship.m_nCol, lastRow, lastCol);
}
