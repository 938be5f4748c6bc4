// Plays the computer against fresh random fleets, with no window and no
// pauses, and prints how many shots each level needs to sink a fleet.
//
//   tidebolt_sim <seed> <games> <level | all>

#include "game/gamerand.h"
#include "game/globals.h"
#include "game/player.h"
#include "store/settings.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const unsigned long MaxGames = 10000000;
const char* const LevelNames[] = {"Easy", "Normal", "Hard"};

struct CGameTally {
    int changingShots = 0;  // shots that changed a cell of the board
    int calls = 0;          // turns of the computer's choice
};

void PrintUsage()
{
    std::fprintf(stderr,
                 "usage: tidebolt_sim <seed> <games> <level>\n"
                 "  seed   0 to 4294967295\n"
                 "  games  1 to %lu per level\n"
                 "  level  1 (Easy), 2 (Normal), 3 (Hard) or all\n",
                 MaxGames);
}

bool ParseUnsigned(const char* text, unsigned long max, unsigned long& value)
{
    if (*text < '0' || *text > '9')
        return false;
    errno = 0;
    char* end = nullptr;
    const unsigned long long parsed = std::strtoull(text, &end, 10);
    if (errno != 0 || *end != '\0' || parsed > max)
        return false;
    value = static_cast<unsigned long>(parsed);
    return true;
}

CGameTally PlayOneGame(CPlayer& board)
{
    CGameTally tally;
    board.PlaceFleetRandom();
    // The human's fleet is on show from the first shot, as in a real game.
    board.SyncView();
    signed char before[BOARD_CELLS];
    while (!board.AllSunk()) {
        std::memcpy(before, board.m_fleet, sizeof before);
        MyTurn = 0;
        board.ComputerShot();
        ++tally.calls;
        if (std::memcmp(before, board.m_fleet, sizeof before) != 0)
            ++tally.changingShots;
    }
    return tally;
}

// Nearest-rank percentile of sorted values: the smallest value with at least
// p per cent of the games at or below it, so every figure is a real game's.
double Percentile(const std::vector<int>& sorted, int p)
{
    const size_t n = sorted.size();
    size_t rank = (n * size_t(p) + 99) / 100;
    if (rank == 0)
        rank = 1;
    return sorted[rank - 1];
}

double Median(const std::vector<int>& sorted)
{
    const size_t n = sorted.size();
    if (n % 2 == 1)
        return sorted[n / 2];
    return (sorted[n / 2 - 1] + sorted[n / 2]) / 2.0;
}

void PrintMeasure(const char* label, std::vector<int>& values)
{
    std::sort(values.begin(), values.end());
    double sum = 0;
    for (int v : values)
        sum += v;
    std::printf("  %-22s mean %6.2f  median %5.1f  p5 %4.0f  p95 %4.0f\n", label,
                sum / double(values.size()), Median(values), Percentile(values, 5),
                Percentile(values, 95));
}

void SimulateLevel(int level, unsigned long seed, unsigned long games)
{
    Level = level;
    // Each level starts from the seed itself, so its figures are the same
    // whether it runs alone or with the others.
    GameSrand(static_cast<unsigned int>(seed));
    std::vector<int> changing;
    std::vector<int> calls;
    changing.reserve(games);
    calls.reserve(games);
    for (unsigned long g = 0; g < games; ++g) {
        const CGameTally tally = PlayOneGame(PlayerOne);
        changing.push_back(tally.changingShots);
        calls.push_back(tally.calls);
    }
    std::printf("Level %d (%s), %lu games\n", level, LevelNames[level - 1], games);
    PrintMeasure("shots changing a cell", changing);
    PrintMeasure("computer turns", calls);
}

}  // namespace

int main(int argc, char* argv[])
{
    unsigned long seed = 0;
    unsigned long games = 0;
    if (argc != 4 || !ParseUnsigned(argv[1], 4294967295ul, seed)
        || !ParseUnsigned(argv[2], MaxGames, games) || games == 0) {
        PrintUsage();
        return 2;
    }
    int firstLevel = 0;
    int lastLevel = 0;
    if (std::strcmp(argv[3], "all") == 0) {
        firstLevel = 1;
        lastLevel = 3;
    } else if (std::strlen(argv[3]) == 1 && argv[3][0] >= '1' && argv[3][0] <= '3') {
        firstLevel = lastLevel = argv[3][0] - '0';
    } else {
        PrintUsage();
        return 2;
    }

    Tradition = 1;
    Sound = 0;
    std::printf("Seed %lu\n", seed);
    for (int level = firstLevel; level <= lastLevel; ++level)
        SimulateLevel(level, seed, games);
    return 0;
}
