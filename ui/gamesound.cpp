#include "ui/gamesound.h"

#include "game/sound.h"
#include "ui/datapath.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QPointer>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

namespace {

// Owns one effect per file; a child of the application so it goes with it.
class CSoundBank : public QObject {
public:
    explicit CSoundBank(QObject* parent) : QObject(parent) {}

    // Asking for a sound whose file is missing still silences the one
    // playing, as asking for any new sound does.
    void Play(const QString& path)
    {
        if (m_pPlaying) {
            m_pPlaying->stop();
            m_pPlaying = nullptr;
        }
        m_strLast = path;
        if (path.isEmpty())
            return;
        QSoundEffect* effect = Effect(QFileInfo(path).absoluteFilePath());
        m_pPlaying = effect;
        // Played as soon as it is loaded; a file that fails to load stays silent.
        effect->play();
    }

    const QString& Last() const { return m_strLast; }
    int Loads() const { return m_nLoads; }

private:
    // Keyed by the absolute path: the same relative name from another
    // current folder is another file.
    QSoundEffect* Effect(const QString& path)
    {
        QSoundEffect* effect = m_effects.value(path);
        if (effect)
            return effect;
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
        m_effects.insert(path, effect);
        ++m_nLoads;
        return effect;
    }

    QHash<QString, QSoundEffect*> m_effects;
    QPointer<QSoundEffect> m_pPlaying;
    QString m_strLast;
    int m_nLoads = 0;
};

QPointer<CSoundBank> g_bank;

CSoundBank* Bank()
{
    if (!g_bank && QCoreApplication::instance())
        g_bank = new CSoundBank(QCoreApplication::instance());
    return g_bank;
}

void PlayOnGuiThread(const QString& path)
{
    if (CSoundBank* bank = Bank())
        bank->Play(path);
}

void PlayFile(const char* file)
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    const QString path = DataFilePath(file);
    if (QThread::currentThread() == app->thread()) {
        PlayOnGuiThread(path);
        return;
    }
    // The effects belong to the window's thread; a request from elsewhere waits its turn there.
    QMetaObject::invokeMethod(app, [path] { PlayOnGuiThread(path); }, Qt::QueuedConnection);
}

} // namespace

void InstallGameSound()
{
    SetSoundHook(&PlayFile);
}

QString LastGameSoundFile()
{
    return g_bank ? g_bank->Last() : QString();
}

int LoadedGameSoundCount()
{
    return g_bank ? g_bank->Loads() : 0;
}
