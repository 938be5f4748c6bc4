// Saves two record tables by turns into one profile until it is killed, so
// that a test can stop a save at any moment. The tables come from two other
// profiles; "saving" on standard output says the first save is complete.
#include "store/profile.h"
#include "store/qt/qsettingsprofile.h"
#include "store/records.h"

#include <QElapsedTimer>
#include <QString>

#include <cstdio>

namespace {
void Load(CRecordTable& table, const char* path)
{
    CQSettingsProfile source(QString::fromLocal8Bit(path));
    SetProfile(&source);
    table.LoadRecords();
    SetProfile(nullptr);
}
} // namespace

int main(int argc, char* argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: recordwriter TARGET TABLE_A TABLE_B\n");
        return 2;
    }
    CRecordTable tables[2];
    Load(tables[0], argv[2]);
    Load(tables[1], argv[3]);

    CQSettingsProfile target(QString::fromLocal8Bit(argv[1]));
    SetProfile(&target);
    // Bounded so that a writer nobody kills still ends by itself.
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 100000 && clock.elapsed() < 20000; ++i) {
        tables[i % 2].SaveRecords();
        if (i == 0) {
            std::puts("saving");
            std::fflush(stdout);
        }
    }
    SetProfile(nullptr);
    return 0;
}
