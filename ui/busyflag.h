#pragma once

// The main window's Busy flag: while it is set, F1 and the hot keys do
// nothing. It reads and assigns like the plain byte it stands for, and also
// lets a window that stays open beside the main window (the scores) hold it
// and, on closing, give back the value it found. Whoever else sets or clears
// the flag meanwhile (a new game that now waits for its partner, a partner
// who has come) owns it from then on, and the closing window leaves it alone.
class CBusyFlag {
public:
    CBusyFlag& operator=(unsigned char value)
    {
        m_bValue = value;
        ++m_nWrites;
        return *this;
    }
    operator unsigned char() const { return m_bValue; }

    void Hold()
    {
        if (m_nHolders == 0 || m_nWrites != m_nWritesByHolders)
            m_bFound = m_bValue;
        ++m_nHolders;
        *this = 1;
        m_nWritesByHolders = m_nWrites;
    }

    void Release()
    {
        if (m_nHolders == 0 || --m_nHolders > 0)
            return;
        if (m_nWrites == m_nWritesByHolders)
            *this = m_bFound;
    }

private:
    unsigned char m_bValue = 0;
    unsigned m_nWrites = 0;           // every assignment counts, even of the same value
    int m_nHolders = 0;
    unsigned char m_bFound = 0;       // what the holders will give back
    unsigned m_nWritesByHolders = 0;  // the count as the last holder left it
};
