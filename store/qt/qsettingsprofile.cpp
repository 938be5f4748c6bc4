#include "store/qt/qsettingsprofile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

QString Key(const std::string& section, const std::string& entry)
{
    return QString::fromStdString(section) + QLatin1Char('/') + QString::fromStdString(entry);
}

// QSettings guards each save with a lock file that names its owner. A
// program killed between creating that file and writing its name into it
// leaves a lock nobody can identify, and every later save would wait half a
// minute for it to age. A live owner keeps an flock on its lock file, so an
// empty one we can flock has been abandoned.
void ClearAbandonedLock(const QString& iniPath)
{
#ifdef Q_OS_UNIX
    const QByteArray lockPath = QFile::encodeName(iniPath + QStringLiteral(".lock"));
    const int fd = ::open(lockPath.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && info.st_size == 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
        ::unlink(lockPath.constData());
    ::close(fd);
#else
    Q_UNUSED(iniPath);
#endif
}

// What stands where the profile belongs but cannot be read as a file (a
// directory, a link to nowhere, a file we may not read) is moved aside, not
// destroyed: the player loses nothing, and the game can keep its options and
// records again. A readable file that is merely read-only is left alone.
bool MoveAsideUnreadable(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return false;
    if (info.isFile() && info.isReadable())
        return false;
    for (int n = 0; n < 100; ++n) {
        const QString aside = path + QStringLiteral(".unreadable") + (n ? QString::number(n) : QString());
        const QFileInfo taken(aside);
        if (!taken.exists() && !taken.isSymLink() && QFile::rename(path, aside))
            return true;
    }
    return false;
}

// A save's copy is named like the profile with a dot and six letters or
// digits (QSaveFile's pattern). Checked by hand: a regular expression, or a
// name filter, which Qt turns into one, would map the whole PCRE library
// into every run for this one look at the folder.
bool IsSaveCopy(const QString& name, const QString& profileName)
{
    if (name.size() != profileName.size() + 7 || !name.startsWith(profileName) || name[profileName.size()] != QLatin1Char('.'))
        return false;
    for (qsizetype i = profileName.size() + 1; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (!((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')))
            return false;
    }
    return true;
}

// A save writes a copy beside the profile (its name and six random letters)
// and renames it over the profile; a program killed in between leaves the
// copy behind. One that nobody has written for a minute is no save under
// way, not even another copy of the game's, and goes.
void RemoveAbandonedCopies(const QString& iniPath)
{
    const QFileInfo profile(iniPath);
    const QDateTime stale = QDateTime::currentDateTimeUtc().addSecs(-60);
    const QDir folder = profile.dir();
    for (const QFileInfo& file : folder.entryInfoList(QDir::Files | QDir::Hidden)) {
        if (IsSaveCopy(file.fileName(), profile.fileName()) && file.lastModified().toUTC() < stale)
            QFile::remove(file.filePath());
    }
}

} // namespace

CQSettingsProfile::CQSettingsProfile()
    : m_settings(QStringLiteral("Orvex software"), QStringLiteral("Tidebolt"))
{
    RemoveAbandonedCopies(m_settings.fileName());
}

CQSettingsProfile::CQSettingsProfile(const QString& iniPath)
    : m_settings(iniPath, QSettings::IniFormat)
{
    RemoveAbandonedCopies(m_settings.fileName());
}

QVariant CQSettingsProfile::Read(const std::string& section, const std::string& entry)
{
    return m_settings.value(Key(section, entry));
}

bool CQSettingsProfile::Write(const std::string& section, const std::string& entry,
                              const QVariant& value)
{
    m_settings.setValue(Key(section, entry), value);
    // Written through at once: the program may be killed after a game's
    // results were saved, and those must not be lost with it. Each sync
    // replaces the whole file by renaming a finished copy over it, so a
    // batch of values synced once is all there or not at all.
    if (m_nBatch == 0)
        Sync();
    return m_settings.status() == QSettings::NoError;
}

void CQSettingsProfile::Sync()
{
    ClearAbandonedLock(m_settings.fileName());
    m_settings.sync();
    if (m_settings.status() == QSettings::AccessError && MoveAsideUnreadable(m_settings.fileName()))
        m_settings.sync();
}

void CQSettingsProfile::BeginBatch()
{
    ++m_nBatch;
}

void CQSettingsProfile::EndBatch()
{
    if (m_nBatch > 0 && --m_nBatch == 0)
        Sync();
}

int CQSettingsProfile::GetProfileInt(const std::string& section, const std::string& entry, int def)
{
    const QVariant value = Read(section, entry);
    if (!value.isValid())
        return def;
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok ? number : def;
}

std::string CQSettingsProfile::GetProfileString(const std::string& section,
                                                const std::string& entry, const std::string& def)
{
    const QVariant value = Read(section, entry);
    if (!value.isValid())
        return def;
    // A hand-edited INI line with an unquoted comma reads back as a list.
    if (value.metaType().id() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    if (!value.canConvert<QString>())
        return def;
    return value.toString().toStdString();
}

bool CQSettingsProfile::WriteProfileInt(const std::string& section, const std::string& entry,
                                        int value)
{
    return Write(section, entry, value);
}

bool CQSettingsProfile::WriteProfileString(const std::string& section, const std::string& entry,
                                           const std::string& value)
{
    return Write(section, entry, QString::fromStdString(value));
}
