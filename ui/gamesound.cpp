#include "ui/gamesound.h"

#include "game/sound.h"
#include "ui/datapath.h"
#include "ui/soundplayer.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <chrono>
#include <cstdlib>

namespace {

Q_LOGGING_CATEGORY(lcSound, "tidebolt.sound", QtWarningMsg)

void SoundsOff(const std::string& why)
{
    qCWarning(lcSound, "no sounds: %s", why.c_str());
}

// How long the end of the program waits for a sound server to let go.
constexpr std::chrono::milliseconds EXIT_PATIENCE(500);

CSoundPlayer* g_pPlayer = nullptr;

void StopPlayer()
{
    // A server that stopped answering would hold the thread, and a join
    // would hold the program's end with it: then the player is left to the
    // end of the process rather than freed under its thread.
    if (g_pPlayer->Stop(EXIT_PATIENCE)) {
        delete g_pPlayer;
        g_pPlayer = nullptr;
    }
}

CSoundPlayer& Player()
{
    // Ends with the program, after the windows: the last sound is cut then.
    if (!g_pPlayer) {
        g_pPlayer = new CSoundPlayer(&SoundsOff);
        std::atexit(&StopPlayer);
    }
    return *g_pPlayer;
}

void PlayFile(const char* file)
{
    const QString path = DataFilePath(file);
    // Keyed by the absolute path: the same relative name from another current
    // folder is another file.
    Player().Play(path.isEmpty() ? std::string() : QFile::encodeName(QFileInfo(path).absoluteFilePath()).toStdString());
}

} // namespace

void InstallGameSound()
{
    SetSoundHook(&PlayFile);
}
