#pragma once

// The table of records a copy of the game left in its profile file, one row
// a player as "name wins losses score", in the table's order.

#include "store/profile.h"
#include "store/qt/qsettingsprofile.h"
#include "store/records.h"

#include <QStringList>

inline QStringList SavedRecords(const QString& ini)
{
    CQSettingsProfile profile(ini);
    SetProfile(&profile);
    CRecordTable table;
    table.LoadRecords();
    SetProfile(nullptr);
    QStringList rows;
    for (int i = 0; i < table.GetCount(); ++i)
        rows << QStringLiteral("%1 %2 %3 %4").arg(QString::fromStdString(table.GetName(i)))
                    .arg(table.GetWins(i)).arg(table.GetLosses(i)).arg(table.GetScore(i));
    return rows;
}
