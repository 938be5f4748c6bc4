#include "duelopts.h"

#include <QCommandLineParser>

namespace {
constexpr int MAX_GAMES = 1000;
constexpr int MAX_TIMEOUT_SEC = 3600;
constexpr int MAX_NAME_CHARS = 20;   // what the name dialog takes

bool ReadBounded(const QString& text, int low, int high, int& out)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < low || value > high)
        return false;
    out = value;
    return true;
}
} // namespace

bool ParseDuelOptions(const QStringList& args, DuelOptions& out, QString& error)
{
    QCommandLineParser parser;
    const QCommandLineOption server(QStringLiteral("server"), QStringLiteral("Listen and open every game."));
    const QCommandLineOption client(QStringLiteral("client"), QStringLiteral("Connect to the server."));
    const QCommandLineOption host(QStringLiteral("host"), QStringLiteral("The server's address (127.0.0.1)."),
                                  QStringLiteral("HOST"));
    const QCommandLineOption fromList(QStringLiteral("from-list"),
                                      QStringLiteral("Connect to this player's game as the LAN lists it."),
                                      QStringLiteral("NAME"));
    const QCommandLineOption cutOk(QStringLiteral("cut-ok"),
                                   QStringLiteral("A lost connection ends the duel and is no failure."));
    const QCommandLineOption games(QStringLiteral("games"), QStringLiteral("Games to play."), QStringLiteral("N"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Seed of fleets and shots."), QStringLiteral("S"));
    const QCommandLineOption profile(QStringLiteral("profile"), QStringLiteral("INI file of this side."), QStringLiteral("PATH"));
    const QCommandLineOption name(QStringLiteral("name"), QStringLiteral("Player name."), QStringLiteral("NAME"));
    const QCommandLineOption timeout(QStringLiteral("timeout"), QStringLiteral("Give up after this many seconds."),
                                     QStringLiteral("SECONDS"));
    parser.addOptions({server, client, host, fromList, cutOk, games, seed, profile, name, timeout});
    if (!parser.parse(args)) {
        error = parser.errorText();
        return false;
    }
    if (!parser.positionalArguments().isEmpty()) {
        error = QStringLiteral("unexpected argument: %1").arg(parser.positionalArguments().first());
        return false;
    }
    DuelOptions opts;
    if (parser.isSet(server) == parser.isSet(client)) {
        error = QStringLiteral("give exactly one of --server and --client");
        return false;
    }
    opts.bServer = parser.isSet(server);
    if (parser.isSet(host))
        opts.strHost = parser.value(host);
    opts.strFromList = parser.value(fromList);
    if (opts.bServer && (parser.isSet(host) || parser.isSet(fromList))) {
        error = QStringLiteral("--host and --from-list are the client's");
        return false;
    }
    opts.bCutOk = parser.isSet(cutOk);
    if (parser.isSet(games) && !ReadBounded(parser.value(games), 1, MAX_GAMES, opts.nGames)) {
        error = QStringLiteral("--games takes a number from 1 to %1").arg(MAX_GAMES);
        return false;
    }
    if (parser.isSet(seed)) {
        bool ok = false;
        opts.nSeed = parser.value(seed).toUInt(&ok);
        if (!ok) {
            error = QStringLiteral("--seed takes an unsigned number");
            return false;
        }
        opts.bSeeded = true;
    }
    opts.strProfile = parser.value(profile);
    if (opts.strProfile.isEmpty()) {
        error = QStringLiteral("--profile PATH is required");
        return false;
    }
    opts.strName = parser.value(name);
    if (parser.isSet(name) && (opts.strName.isEmpty() || opts.strName.toUcs4().size() > MAX_NAME_CHARS)) {
        error = QStringLiteral("--name takes 1 to %1 characters").arg(MAX_NAME_CHARS);
        return false;
    }
    if (parser.isSet(timeout) && !ReadBounded(parser.value(timeout), 1, MAX_TIMEOUT_SEC, opts.nTimeoutSec)) {
        error = QStringLiteral("--timeout takes 1 to %1 seconds").arg(MAX_TIMEOUT_SEC);
        return false;
    }
    out = opts;
    return true;
}
