#include "soakchecks.h"

#include "game/player.h"
#include "store/records.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <sstream>

namespace {

bool IsDeck(signed char code) { return code >= CELL_SHIP; }

// The points a level is worth, as the scores window promises the player.
int LevelPoints(int level) { return level == 1 ? 1 : level == 2 ? 5 : level == 3 ? 10 : 0; }

std::string Describe(const SoakRecord& r)
{
    return r.name + " " + std::to_string(r.wins) + "/" + std::to_string(r.losses) + "/" + std::to_string(r.score);
}

const SoakRecord* Find(const SoakRecords& rows, const std::string& name)
{
    const auto it = std::find_if(rows.begin(), rows.end(), [&](const SoakRecord& r) { return r.name == name; });
    return it == rows.end() ? nullptr : &*it;
}

} // namespace

FleetVerdict JudgeFleet(const signed char (&grid)[100])
{
    FleetVerdict verdict;
    bool seen[100] = {};
    std::string lengths;
    for (int start = 0; start < 100; ++start) {
        if (seen[start] || !IsDeck(grid[start]))
            continue;
        int stack[100], size = 0, count = 0, top = 9, bottom = 0, left = 9, right = 0;
        bool unhit = false;
        stack[size++] = start;
        seen[start] = true;
        while (size > 0) {
            const int cell = stack[--size], row = cell / 10, col = cell % 10;
            ++count;
            unhit = unhit || grid[cell] == CELL_SHIP || grid[cell] == CELL_SHOWN;
            top = std::min(top, row);
            bottom = std::max(bottom, row);
            left = std::min(left, col);
            right = std::max(right, col);
            for (int r = std::max(row - 1, 0); r <= std::min(row + 1, 9); ++r)
                for (int c = std::max(col - 1, 0); c <= std::min(col + 1, 9); ++c)
                    if (!seen[r * 10 + c] && IsDeck(grid[r * 10 + c])) {
                        seen[r * 10 + c] = true;
                        stack[size++] = r * 10 + c;
                    }
        }
        const bool straight = (top == bottom || left == right) && count == (bottom - top + 1) * (right - left + 1);
        if (!straight || count > 4) {
            verdict.fault = "decks around cell " + std::to_string(start) + " are not one ship";
            return verdict;
        }
        lengths += char('0' + count);
        if (unhit)
            ++verdict.afloat[count - 1];
    }
    std::sort(lengths.begin(), lengths.end());
    if (lengths != "1111222334")
        verdict.fault = "ship lengths " + lengths;
    return verdict;
}

SoakRecords RowsOf(const CRecordTable& table)
{
    SoakRecords rows;
    for (int i = 0; i < table.GetCount(); ++i)
        rows.push_back({table.GetName(i), table.GetWins(i), table.GetLosses(i), table.GetScore(i)});
    return rows;
}

std::string RecordChangeFault(const SoakRecords& before, const SoakRecords& after, const std::string& name,
                              bool won, int level)
{
    const SoakRecord* was = Find(before, name);
    const SoakRecord* now = Find(after, name);
    if (!now)
        return name + " is missing from the table";
    const int points = LevelPoints(level);
    SoakRecord expected = was ? *was : SoakRecord{name};
    expected.wins += won ? 1 : 0;
    expected.losses += won ? 0 : 1;
    expected.score += won ? points : -points;
    if (!(*now == expected))
        return "row " + Describe(*now) + ", expected " + Describe(expected);
    if (after.size() != before.size() + (was ? 0 : 1))
        return "the table went from " + std::to_string(before.size()) + " to " + std::to_string(after.size()) + " rows";
    for (const SoakRecord& other : before) {
        const SoakRecord* kept = Find(after, other.name);
        if (other.name != name && !(kept && *kept == other))
            return "the row of " + Describe(other) + " changed as well";
    }
    for (std::size_t i = 1; i < after.size(); ++i)
        if (after[i].score > after[i - 1].score)
            return Describe(after[i]) + " stands below " + Describe(after[i - 1]);
    return {};
}

namespace {

// An INI value as written: a name with spaces at either end, or with
// characters the format reserves, is quoted with \" and \\ escaped.
std::string Unquoted(const std::string& value)
{
    if (value.size() < 2 || value.front() != '"' || value.back() != '"')
        return value;
    std::string plain;
    for (std::size_t i = 1; i + 1 < value.size(); ++i) {
        if (value[i] == '\\' && i + 2 < value.size())
            ++i;
        plain += value[i];
    }
    return plain;
}

} // namespace

SoakRecords RecordsInIni(const std::string& text)
{
    std::map<std::string, std::string> entries;
    std::istringstream lines(text);
    std::string line, section;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line.front() == '[') {
            section = line;
            continue;
        }
        const auto eq = line.find('=');
        if (section == "[Records]" && eq != std::string::npos)
            entries[line.substr(0, eq)] = line.substr(eq + 1);
    }
    // Counters are stored as 1000 minus their value.
    const auto value = [&](const std::string& key) { return 1000 - std::atoi(entries[key].c_str()); };
    SoakRecords rows;
    const int count = std::atoi(entries["count"].c_str());
    for (int i = 0; i < count && i < CRecordTable::SHOWN; ++i) {
        const std::string n = std::to_string(i);
        rows.push_back({Unquoted(entries["N" + n]), value("w" + n), value("l" + n), value("s" + n)});
    }
    return rows;
}
