#pragma once

#include <string>

// The table of the ten best players. Every counter is held in its stored
// form, 1000 minus the value, in memory and in the profile alike. Slot 10 is
// a spare that a new name takes when the table is full.
class CRecordTable {
public:
    static constexpr int SLOTS = 11;
    static constexpr int SHOWN = 10;

    CRecordTable();
    virtual ~CRecordTable();

    int GetCount() const;
    std::string GetName(int index) const;
    int GetWins(int index) const;
    int GetLosses(int index) const;
    int GetScore(int index) const;

    int GetStoredWins(int index) const;
    int GetStoredLosses(int index) const;
    int GetStoredScore(int index) const;
    void SetStoredWins(int index, int stored);
    void SetStoredLosses(int index, int stored);
    void SetStoredScore(int index, int stored);

    int AddName(const std::string& name);
    void AddWin(const std::string& name, int level);
    void AddLoss(const std::string& name, int level);
    void Sort();
    // Takes the player in the given row (0-9) out of the table; false when
    // there is no such row.
    bool Remove(int index);

    void LoadRecords();
    void SaveRecords() const;

    std::string m_aName[SLOTS];
    int m_aWins[SLOTS];
    int m_aLosses[SLOTS];
    int m_aScore[SLOTS];
    int m_nUsed = 0;
    int m_nCount = 0;
};
