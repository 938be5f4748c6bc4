// The whole board frame as the main window draws it after every shot: the
// frame filled, both boards, then both captions again.
#include "game/globals.h"
#include "game/player.h"
#include "bench/qt/benchapp.h"
#include "ui/qtdrawcontext.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

void SetUpBoard(CPlayer& player, const CRect& board, const char* name)
{
    player.m_rcBoard = board;
    player.m_strName = name;
    player.m_nWins = 3;
    const signed char afloat[SHIP_KINDS] = {3, 2, 2, 1};
    std::copy(afloat, afloat + SHIP_KINDS, player.m_shipsLeft);
    // A game well under way: every cell code somewhere on the board.
    for (int i = 0; i < BOARD_CELLS; ++i)
        player.m_view[i] = static_cast<signed char>((i * 7) % 6);
}

void BM_WholeScene(benchmark::State& state)
{
    BenchApp();
    CPlayer two(false);
    CPlayer one(true);
    SetUpBoard(two, CRect{85, 51, 345, 311}, "Computer - Normal");
    SetUpBoard(one, CRect{405, 51, 665, 311}, "Player");
    QImage image(750, 509, QImage::Format_RGB32);
    const CRect frame{12, 1, 739, 496};

    for (auto _ : state) {
        QPainter painter(&image);
        CQtDrawContext dc(painter);
        dc.FillSolidRect(frame, BackgroundColour);
        two.m_pDC = &dc;
        one.m_pDC = &dc;
        two.Draw();
        one.Draw();
        two.DrawCaption(false);
        one.DrawCaption(false);
        two.m_pDC = nullptr;
        one.m_pDC = nullptr;
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_WholeScene)->Unit(benchmark::kMicrosecond);

}  // namespace
