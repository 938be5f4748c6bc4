#include "ui/gamesound.h"

#include "game/sound.h"
#include "ui/datapath.h"
#include "ui/soundplayer.h"

#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

namespace {

Q_LOGGING_CATEGORY(lcSound, "tidebolt.sound", QtWarningMsg)

void SoundsOff(const std::string& why)
{
    qCWarning(lcSound, "no sounds: %s", why.c_str());
}

CSoundPlayer& Player()
{
    // Ends with the program, after the windows: the last sound is cut then.
    static CSoundPlayer player(&SoundsOff);
    return player;
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
