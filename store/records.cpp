#include "store/records.h"

#include "store/profile.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace {

const char* const RECORDS = "Records";

// A counter's stored form and its value are each 1000 minus the other.
constexpr int STORED_BASE = 1000;

// Hand-edited counters are kept far from the integer limits so that the
// conversion and a lifetime of further games can never overflow.
constexpr int STORED_LIMIT = 1000000000;

int PointsForLevel(int level)
{
    switch (level) {
    case 1: return 1;
    case 2: return 5;
    case 3: return 10;
    default: return 0;
    }
}

bool IsTableRow(int index)
{
    return index >= 0 && index < CRecordTable::SHOWN;
}

std::string Entry(const char* prefix, int index)
{
    char entry[32];
    std::snprintf(entry, sizeof entry, "%s%d", prefix, index);
    return entry;
}

} // namespace

CRecordTable::CRecordTable()
{
    for (int i = 0; i < SLOTS; ++i) {
        m_aWins[i] = STORED_BASE;
        m_aLosses[i] = STORED_BASE;
        m_aScore[i] = 0;
    }
}

CRecordTable::~CRecordTable() = default;

int CRecordTable::GetCount() const
{
    return std::min(m_nCount, SHOWN);
}

std::string CRecordTable::GetName(int index) const
{
    return IsTableRow(index) ? m_aName[index] : std::string();
}

int CRecordTable::GetWins(int index) const
{
    return IsTableRow(index) ? STORED_BASE - m_aWins[index] : 0;
}

int CRecordTable::GetLosses(int index) const
{
    return IsTableRow(index) ? STORED_BASE - m_aLosses[index] : 0;
}

int CRecordTable::GetScore(int index) const
{
    return IsTableRow(index) ? STORED_BASE - m_aScore[index] : 0;
}

int CRecordTable::GetStoredWins(int index) const
{
    return IsTableRow(index) ? m_aWins[index] : 0;
}

int CRecordTable::GetStoredLosses(int index) const
{
    return IsTableRow(index) ? m_aLosses[index] : 0;
}

int CRecordTable::GetStoredScore(int index) const
{
    return IsTableRow(index) ? m_aScore[index] : 0;
}

void CRecordTable::SetStoredWins(int index, int stored)
{
    if (IsTableRow(index))
        m_aWins[index] = stored;
}

void CRecordTable::SetStoredLosses(int index, int stored)
{
    if (IsTableRow(index))
        m_aLosses[index] = stored;
}

void CRecordTable::SetStoredScore(int index, int stored)
{
    if (IsTableRow(index))
        m_aScore[index] = stored;
}

int CRecordTable::AddName(const std::string& name)
{
    for (int i = 0; i < SLOTS; ++i) {
        if (m_aName[i] == name)
            return i;
    }
    const int slot = m_nUsed;
    m_aName[slot] = name;
    m_aWins[slot] = STORED_BASE;
    m_aLosses[slot] = STORED_BASE;
    m_aScore[slot] = STORED_BASE;
    if (m_nUsed < SHOWN)
        ++m_nUsed;
    if (m_nCount < SLOTS)
        ++m_nCount;
    return slot;
}

void CRecordTable::AddWin(const std::string& name, int level)
{
    const int slot = AddName(name);
    --m_aWins[slot];
    m_aScore[slot] -= PointsForLevel(level);
    Sort();
}

void CRecordTable::AddLoss(const std::string& name, int level)
{
    const int slot = AddName(name);
    --m_aLosses[slot];
    m_aScore[slot] += PointsForLevel(level);
    Sort();
}

void CRecordTable::Sort()
{
    // A higher score is a lower stored form; equal scores never swap, so the
    // player who reached a score first stays ahead.
    bool swapped = true;
    while (swapped) {
        swapped = false;
        for (int j = 0; j + 1 < m_nCount; ++j) {
            if (m_aScore[j + 1] < m_aScore[j]) {
                std::swap(m_aName[j], m_aName[j + 1]);
                std::swap(m_aWins[j], m_aWins[j + 1]);
                std::swap(m_aLosses[j], m_aLosses[j + 1]);
                std::swap(m_aScore[j], m_aScore[j + 1]);
                swapped = true;
            }
        }
    }
}

bool CRecordTable::Remove(int index)
{
    if (index < 0 || index >= GetCount())
        return false;
    const int rows = GetCount();
    for (int i = index; i + 1 < rows; ++i) {
        m_aName[i] = m_aName[i + 1];
        m_aWins[i] = m_aWins[i + 1];
        m_aLosses[i] = m_aLosses[i + 1];
        m_aScore[i] = m_aScore[i + 1];
    }
    // The spare is never shown, so it is not promoted into the row the player
    // just emptied; it is let go and slot 10 is free for the next newcomer.
    for (int i = rows - 1; i < SLOTS; ++i) {
        m_aName[i].clear();
        m_aWins[i] = STORED_BASE;
        m_aLosses[i] = STORED_BASE;
        m_aScore[i] = 0;
    }
    m_nCount = rows - 1;
    m_nUsed = m_nCount;
    return true;
}

void CRecordTable::LoadRecords()
{
    // The table never stores more than ten players, so a larger hand-edited
    // count only points at leftovers; a negative one means an empty table.
    const int count = std::clamp(GetProfileInt(RECORDS, "count", 0), 0, SHOWN);
    for (int i = 0; i < count; ++i) {
        const std::string name = GetProfileString(RECORDS, Entry("N", i), "");
        // A nameless entry cannot be played again and a repeated name would
        // take over the first one's row, so both are skipped: each loaded
        // row keeps its own name and counters together.
        if (name.empty() || std::find(m_aName, m_aName + SLOTS, name) != m_aName + SLOTS)
            continue;
        const int slot = AddName(name);
        SetStoredWins(slot, std::clamp(GetProfileInt(RECORDS, Entry("w", i), STORED_BASE),
                                       -STORED_LIMIT, STORED_LIMIT));
        SetStoredLosses(slot, std::clamp(GetProfileInt(RECORDS, Entry("l", i), STORED_BASE),
                                         -STORED_LIMIT, STORED_LIMIT));
        SetStoredScore(slot, std::clamp(GetProfileInt(RECORDS, Entry("s", i), STORED_BASE),
                                        -STORED_LIMIT, STORED_LIMIT));
    }
}

void CRecordTable::SaveRecords() const
{
    // The count and the rows belong together: a program killed half-way
    // must leave the old table or the new one, never a mixture.
    const CProfileBatch batch;
    const int count = GetCount();
    WriteProfileInt(RECORDS, "count", count);
    for (int i = 0; i < count; ++i) {
        WriteProfileString(RECORDS, Entry("N", i), GetName(i));
        WriteProfileInt(RECORDS, Entry("w", i), GetStoredWins(i));
        WriteProfileInt(RECORDS, Entry("l", i), GetStoredLosses(i));
        WriteProfileInt(RECORDS, Entry("s", i), GetStoredScore(i));
    }
}
