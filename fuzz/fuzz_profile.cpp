// The settings and the table of records loaded from a hand-edited profile,
// then played on and saved again. Input: the profile as INI-like text (see
// memoryprofile.h), with an optional [Play] section of games to replay.

#include "fuzz/fuzzcheck.h"
#include "fuzz/memoryprofile.h"
#include "store/records.h"
#include "store/settings.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

const char* const OPTIONS = "Options";
const char* const RECORDS = "Records";

// The loader keeps hand-edited counters within a billion of zero.
constexpr int STORED_LIMIT = 1000000000;
constexpr int STORED_ZERO = 1000;
constexpr unsigned int LONGEST_DELAY_MS = 60000;
// Enough games to fill the table, push players out and bring them back.
constexpr std::size_t MAX_GAMES = 64;

std::string Entry(const char* prefix, int index)
{
    return prefix + std::to_string(index);
}

// ---- Settings -------------------------------------------------------------

struct Settings {
    int level;
    unsigned char english, tradition, sound;
    unsigned int compDelay;
    std::string name, curServer;
    std::vector<std::string> servers;

    bool operator==(const Settings& o) const
    {
        return level == o.level && english == o.english && tradition == o.tradition && sound == o.sound
            && compDelay == o.compDelay && name == o.name && curServer == o.curServer && servers == o.servers;
    }
};

Settings LoadFrom(CMemoryProfile& profile)
{
    // The program loads once per run; here each load starts as a fresh run.
    ServerList.clear();
    SetProfile(&profile);
    LoadSettings();
    SetProfile(nullptr);
    return {Level, English, Tradition, Sound, CompDelay, Name, CurServer, ServerList};
}

void CheckSettings(CMemoryProfile& profile)
{
    const Settings loaded = LoadFrom(profile);
    FUZZ_CHECK(loaded.english <= 1 && loaded.tradition <= 1 && loaded.sound <= 1);
    // However the delay was edited, the computer never stalls a game for
    // more than a minute a shot.
    FUZZ_CHECK(loaded.compDelay <= LONGEST_DELAY_MS);

    // The servers are Server1, Server2, ... up to the first gap, each once.
    std::vector<std::string> servers;
    for (int i = 1;; ++i) {
        const std::string server = profile.GetProfileString(OPTIONS, Entry("Server", i), "");
        if (server.empty())
            break;
        if (std::find(servers.begin(), servers.end(), server) == servers.end())
            servers.push_back(server);
    }
    FUZZ_CHECK(loaded.servers == servers);

    // Whatever was loaded is what the next run finds.
    CMemoryProfile saved;
    SetProfile(&saved);
    SaveSettings();
    SetProfile(nullptr);
    FUZZ_CHECK(LoadFrom(saved) == loaded);
}

// ---- Records --------------------------------------------------------------

struct Row {
    std::string name;
    int wins, losses, score;   // stored forms

    bool operator==(const Row& o) const
    {
        return name == o.name && wins == o.wins && losses == o.losses && score == o.score;
    }
};

std::vector<Row> Rows(const CRecordTable& table)
{
    std::vector<Row> rows;
    for (int i = 0; i < table.GetCount(); ++i)
        rows.push_back({table.GetName(i), table.GetStoredWins(i), table.GetStoredLosses(i), table.GetStoredScore(i)});
    return rows;
}

int Stored(CMemoryProfile& profile, const char* prefix, int index)
{
    return std::clamp(profile.GetProfileInt(RECORDS, Entry(prefix, index), STORED_ZERO), -STORED_LIMIT,
                      STORED_LIMIT);
}

// The rows a hand-edited table must give: every named entry among the first
// ten, in order, each name once and with the counters stored beside it.
std::vector<Row> RowsToExpect(CMemoryProfile& profile)
{
    const int count = std::clamp(profile.GetProfileInt(RECORDS, "count", 0), 0, CRecordTable::SHOWN);
    std::vector<Row> rows;
    for (int i = 0; i < count; ++i) {
        const std::string name = profile.GetProfileString(RECORDS, Entry("N", i), "");
        const bool known = std::any_of(rows.begin(), rows.end(), [&](const Row& r) { return r.name == name; });
        if (name.empty() || known)
            continue;
        rows.push_back({name, Stored(profile, "w", i), Stored(profile, "l", i), Stored(profile, "s", i)});
    }
    return rows;
}

std::vector<Row> SavedAndLoaded(const CRecordTable& table)
{
    CMemoryProfile saved;
    SetProfile(&saved);
    table.SaveRecords();
    CRecordTable reloaded;
    reloaded.LoadRecords();
    SetProfile(nullptr);
    return Rows(reloaded);
}

bool WithinLimits(const CRecordTable& table)
{
    for (int i = 0; i < table.m_nCount; ++i) {
        for (int stored : {table.m_aWins[i], table.m_aLosses[i], table.m_aScore[i]}) {
            if (stored < -STORED_LIMIT || stored > STORED_LIMIT)
                return false;
        }
    }
    return true;
}

// Slots in use, spare included: distinct names, best score first.
void CheckSlots(const CRecordTable& table)
{
    FUZZ_CHECK(table.m_nCount >= 0 && table.m_nCount <= CRecordTable::SLOTS);
    FUZZ_CHECK(table.m_nUsed >= 0 && table.m_nUsed <= CRecordTable::SHOWN);
    FUZZ_CHECK(table.GetCount() == std::min(table.m_nCount, CRecordTable::SHOWN));
    for (int i = 0; i < table.m_nCount; ++i) {
        FUZZ_CHECK(!table.m_aName[i].empty());
        for (int j = 0; j < i; ++j)
            FUZZ_CHECK(table.m_aName[i] != table.m_aName[j]);
        if (i > 0)
            FUZZ_CHECK(table.m_aScore[i - 1] <= table.m_aScore[i]);
    }
}

int FindSlot(const CRecordTable& table, const std::string& name)
{
    for (int i = 0; i < table.m_nCount; ++i) {
        if (table.m_aName[i] == name)
            return i;
    }
    return -1;
}

int PointsFor(int level)
{
    return level == 1 ? 1 : level == 2 ? 5 : level == 3 ? 10 : 0;
}

void Play(CRecordTable& table, const CPlayedGame& game)
{
    const int before = FindSlot(table, game.name);
    const Row was = before >= 0 ? Row{game.name, table.m_aWins[before], table.m_aLosses[before], table.m_aScore[before]}
                                : Row{game.name, STORED_ZERO, STORED_ZERO, STORED_ZERO};
    if (game.win)
        table.AddWin(game.name, game.level);
    else
        table.AddLoss(game.name, game.level);
    CheckSlots(table);

    // The player who just played is in a slot, one game richer.
    const int after = FindSlot(table, game.name);
    FUZZ_CHECK(after >= 0);
    const int points = PointsFor(game.level);
    FUZZ_CHECK(table.m_aWins[after] == was.wins - (game.win ? 1 : 0));
    FUZZ_CHECK(table.m_aLosses[after] == was.losses - (game.win ? 0 : 1));
    FUZZ_CHECK(table.m_aScore[after] == was.score + (game.win ? -points : points));
}

void CheckRecords(CMemoryProfile& profile)
{
    CRecordTable table;
    SetProfile(&profile);
    table.LoadRecords();
    SetProfile(nullptr);

    const std::vector<Row> rows = Rows(table);
    FUZZ_CHECK(table.GetCount() >= 0 && table.GetCount() <= CRecordTable::SHOWN);
    FUZZ_CHECK(rows == RowsToExpect(profile));
    FUZZ_CHECK(SavedAndLoaded(table) == rows);

    std::size_t played = 0;
    for (const CPlayedGame& game : profile.Games()) {
        // The name dialog never lets an empty name play.
        if (game.name.empty())
            continue;
        if (++played > MAX_GAMES)
            break;
        Play(table, game);
    }
    // Counters pushed past the loader's bounds by a billion games are not a
    // save's concern; anything else comes back as it was.
    if (played != 0 && WithinLimits(table))
        FUZZ_CHECK(SavedAndLoaded(table) == Rows(table));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CMemoryProfile profile(std::string(reinterpret_cast<const char*>(data), size));
    CheckSettings(profile);
    CheckRecords(profile);
    return 0;
}
