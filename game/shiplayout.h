#pragma once

#include "game/drawcontext.h"
#include "game/geometry.h"
#include "game/player.h"

// The board of the placement dialog: each byte counts the ships with a deck
// on that cell, so 2 or more marks an overlap. Player one takes its fleet
// from here when the player confirms a hand-made layout.
extern unsigned char PlaceGrid[BOARD_CELLS];

// One ship being arranged: its first deck and the way it runs from there.
class CPlacedShip {
public:
    int m_nLength = 1;
    int m_nRow = 0;
    int m_nCol = 0;
    int m_bHorz = 0;   // 1 runs right along its row, 0 runs down its column

    void CellAt(int i, int& row, int& col) const;
    bool Covers(int row, int col) const;
    void Fit();
    void Mark();
    bool TryPlace(int row, int col);
    void PlaceRandom();
    void MoveBy(int dr, int dc);
    void RotateAbout(int rc, int cc);
    bool RingClear() const;
};

// The ten ships on the placement board and the drag in progress.
class CShipLayout {
public:
    static constexpr int SHIP_COUNT = 10;

    CShipLayout();

    void Shuffle();
    bool IsValid() const;
    bool CellFromPoint(int x, int y, int& row, int& col) const;
    // Index of the first ship in fleet order with a deck on the cell, or -1.
    int ShipAt(int row, int col) const;
    // The ship on the cell under a point (-1: none), and that cell.
    int ShipUnder(int x, int y, int& row, int& col) const;
    void PickShip(int x, int y);
    void DragTo(int x, int y);
    void Drop();
    void RotateAt(int x, int y);
    // The keys move the picked ship a cell at a time and turn it about its
    // first deck, under the same rules as a drag and a right click.
    void MovePicked(int dr, int dc);
    void TurnPicked();
    void Draw(CDrawContext& dc) const;

    CPlacedShip m_ships[SHIP_COUNT];   // fleet order: 4, 3, 3, 2, 2, 2, 1, 1, 1, 1
    int m_nSelected = -1;
    int m_nLastRow = -1;
    int m_nLastCol = -1;
    int m_nPicked = -1;   // the ship the keys hold, drawn framed; -1 none
    CRect m_rcBoard;
};
