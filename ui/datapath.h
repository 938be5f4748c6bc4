#pragma once

#include <QLoggingCategory>
#include <QString>
#include <QStringList>

// Where the game found each file it reads at run time: off unless asked for
// (QT_LOGGING_RULES="tidebolt.data.info=true"), so a packager can see which
// copy an installed program really uses.
Q_DECLARE_LOGGING_CATEGORY(lcDataFiles)

constexpr const char* WAIT_CURSOR_FILE = "Data/APPSTART.ANI";

// The folders that may hold the files the game reads at run time, in the
// order they are searched: the current folder (names are written relative to
// it), the program's own folder (a build folder), the installed data folder
// relative to the program, then the application's data folders of the
// platform (QStandardPaths::AppDataLocation).
QStringList DataFolders(const QString& programDir);

// Where a file the game reads at run time (e.g. "Data/Mimo.wav") really is:
// its path in the first of the folders that holds it, else empty.
QString FindDataFile(const char* relative, const QStringList& folders);

// The same, searched from the folder of the running program.
QString DataFilePath(const char* relative);

// Says on the error output, in one notice, which of these files the game
// cannot find and where it looked; says nothing when all are there. Returns
// the names it could not find.
QStringList NoteMissingDataFiles(const QStringList& relatives, const QStringList& folders);
