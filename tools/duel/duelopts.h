#pragma once

#include <QString>
#include <QStringList>

// What one side of a duel is told on its command line.
struct DuelOptions {
    bool bServer = false;
    int nGames = 1;
    bool bSeeded = false;
    unsigned int nSeed = 0;
    QString strProfile;
    QString strName;     // empty: "Alpha" on the server, "Bravo" on the client
    int nTimeoutSec = 240;
};

// Reads the arguments (argv[0] first). False with a one-line reason when
// they do not describe a duel; nothing is half-applied.
bool ParseDuelOptions(const QStringList& args, DuelOptions& out, QString& error);
