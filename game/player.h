#pragma once

#include "game/drawcontext.h"
#include "game/geometry.h"

#include <string>

// Cell codes, one byte a cell; a deck is any code of 2 or more.
enum : signed char {
    CELL_WATER = 0,
    CELL_MISS = 1,
    CELL_SHIP = 2,
    CELL_HIT = 3,
    CELL_SUNK = 4,
    CELL_SHOWN = 5,
};

constexpr int BOARD_SIZE = 10;
constexpr int BOARD_CELLS = BOARD_SIZE * BOARD_SIZE;
constexpr int CELL_PITCH = 26;    // pixels from one grid line to the next
constexpr int BOARD_PIXELS = 260;
constexpr int SHIP_KINDS = 4;     // lengths 1 to 4

// One side of the game: its sea and fleet, what the shots did to it, its
// name and tally, and where on the window its board is drawn.
class CPlayer {
public:
    explicit CPlayer(bool human);
    virtual ~CPlayer();

    // Board and fleet
    void InitBoardRect();
    void ClearGrids();
    void SetComputerName();
    void PlaceFleetRandom();
    void TakePlacement(const unsigned char placeGrid[BOARD_CELLS]);
    signed char GetCell(int row, int col) const;
    void SetCell(int row, int col, signed char code);
    void SyncView();
    void HideFleet();
    void RevealFleet();
    bool AllSunk() const;
    void ExportFleet(unsigned char out[BOARD_CELLS]) const;
    bool PointToCell(int& x, int& y) const;
    void SetName(const std::string& name);
    std::string GetName() const;

    // Shots
    bool Shoot(int row, int col);
    // Under a rule of the caller's rather than the setting: a network battle
    // keeps the rule it began with while the setting may already have changed.
    bool Shoot(int row, int col, bool tradition);
    bool ShootAtPoint(int x, int y);
    void CheckSunk(int row, int col);
    void MarkMiss(int row, int col);
    void MarkAround(int row, int col);
    void ShipSunk(int length);

    // Computer opponent
    bool ComputerShot();
    bool OnlyLengthLeft(int length) const;
    bool FindRun(int length, int dRow, int dCol, int& row, int& col) const;

    // Drawing, only while m_pDC is set
    void Draw();
    void DrawFrame();
    void DrawCaption(bool noFill);
    void DrawShipCount();
    void DrawCountNumbers();
    void DrawCellImage(int x, int y, int picture);
    static void BlitCellImage(CDrawContext& dc, int x, int y, int picture);
    static void DrawShadowText(int x, int y, const std::string& text, COLORREF shadow,
                               COLORREF colour, CDrawContext& dc);
    // Sea, drop shadow and both sets of grid lines of a board at rc; the
    // placement dialog draws its board with it too.
    static void DrawSea(CDrawContext& dc, const CRect& rc);

    signed char m_mirror[BOARD_CELLS];
    signed char m_fleet[BOARD_CELLS];
    signed char m_view[BOARD_CELLS];
    unsigned char m_bHuman;
    signed char m_shipsLeft[SHIP_KINDS];  // ships afloat, by length - 1
    CDrawContext* m_pDC = nullptr;        // set only while the window paints
    std::string m_strName;
    int m_nWins = 0;
    CRect m_rcBoard;
};

// Player one is the local human (board on the right), player two the
// opponent (board on the left). Player two is constructed first.
extern CPlayer PlayerTwo;
extern CPlayer PlayerOne;
