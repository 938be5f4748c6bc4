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
    QString strHost = QStringLiteral("127.0.0.1");   // the client's server
    QString strFromList;   // the client picks this player's game from the LAN's list
    bool bCutOk = false;   // a lost connection ends the duel without failing it
};

// Reads the arguments (argv[0] first). False with a one-line reason when
// they do not describe a duel; nothing is half-applied.
bool ParseDuelOptions(const QStringList& args, DuelOptions& out, QString& error);
