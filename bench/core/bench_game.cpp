// Costs of the game's rules: a random fleet, one shot, one choice of the
// computer at each level on a half-played board, and a whole game.

#include "game/gamerand.h"
#include "game/globals.h"
#include "game/player.h"
#include "store/settings.h"

#include <benchmark/benchmark.h>

namespace {

void QuietRules(int level)
{
    Level = level;
    Tradition = 1;
    Sound = 0;
    ShowShipCount = 0;
}

// A board after `turns` random shots against a fresh fleet: the same
// position whatever level is measured on it afterwards.
void HalfPlayedBoard(CPlayer& board, unsigned int seed, int turns)
{
    Level = 1;
    GameSrand(seed);
    board.PlaceFleetRandom();
    board.SyncView();
    for (int i = 0; i < turns && !board.AllSunk(); ++i)
        board.ComputerShot();
}

void BM_PlaceFleetRandom(benchmark::State& state)
{
    QuietRules(1);
    CPlayer board(false);
    GameSrand(1);
    for (auto _ : state) {
        board.PlaceFleetRandom();
        benchmark::DoNotOptimize(board.m_fleet);
    }
}
BENCHMARK(BM_PlaceFleetRandom);

// Every cell of a fresh fleet in turn: misses, hits and sinkings in the
// proportions of a whole board.
void BM_Shoot(benchmark::State& state)
{
    QuietRules(1);
    CPlayer board(true);
    GameSrand(2);
    board.PlaceFleetRandom();
    CPlayer fresh = board;
    int cell = 0;
    // Putting the fleet back once a hundred shots costs too little to pause
    // the clock for; pausing would cost more than the shot.
    for (auto _ : state) {
        if (cell == BOARD_CELLS) {
            board = fresh;
            cell = 0;
        }
        benchmark::DoNotOptimize(board.Shoot(cell / BOARD_SIZE, cell % BOARD_SIZE));
        ++cell;
    }
}
BENCHMARK(BM_Shoot);

// One choice of the computer on a board 30 turns into a game. The board is
// put back before each choice (a copy of a few hundred bytes, timed along,
// as pausing the clock would cost more) so every iteration faces the same
// position.
void BM_ComputerShot(benchmark::State& state)
{
    const int level = int(state.range(0));
    CPlayer midGame(true);
    HalfPlayedBoard(midGame, 3, 30);
    QuietRules(level);
    CPlayer board = midGame;
    unsigned int seed = 0;
    for (auto _ : state) {
        board = midGame;
        GameSrand(++seed);
        benchmark::DoNotOptimize(board.ComputerShot());
    }
}
BENCHMARK(BM_ComputerShot)->DenseRange(1, 3)->ArgName("level");

void BM_WholeGame(benchmark::State& state)
{
    const int level = int(state.range(0));
    QuietRules(level);
    CPlayer board(true);
    GameSrand(4);
    int turns = 0;
    for (auto _ : state) {
        board.PlaceFleetRandom();
        board.SyncView();
        while (!board.AllSunk()) {
            board.ComputerShot();
            ++turns;
        }
    }
    state.counters["turns/game"] =
        benchmark::Counter(double(turns) / double(state.iterations()));
}
BENCHMARK(BM_WholeGame)->DenseRange(1, 3)->ArgName("level");

}  // namespace
