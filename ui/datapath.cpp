#include "ui/datapath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#ifndef TIDEBOLT_DATA_FROM_PROGRAM
#error "the build names the installed data folder relative to the program's"
#endif

Q_LOGGING_CATEGORY(lcDataFiles, "tidebolt.data", QtWarningMsg)

namespace {

// Names found in the current folder are given back as written, the way the
// rest of the game spells them.
const QString CURRENT_FOLDER = QStringLiteral(".");

bool IsFile(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

QString InFolder(const QString& folder, const QString& path)
{
    return folder == CURRENT_FOLDER ? path : folder + QLatin1Char('/') + path;
}

QString Shown(const QString& folder)
{
    return folder == CURRENT_FOLDER ? QDir::currentPath() : folder;
}

} // namespace

QStringList DataFolders(const QString& programDir)
{
    QStringList folders{CURRENT_FOLDER};
    if (!programDir.isEmpty()) {
        folders << QDir::cleanPath(programDir)
                << QDir::cleanPath(programDir + QStringLiteral("/" TIDEBOLT_DATA_FROM_PROGRAM));
    }
    folders << QStandardPaths::standardLocations(QStandardPaths::AppDataLocation);
    folders.removeDuplicates();
    return folders;
}

QString FindDataFile(const char* relative, const QStringList& folders)
{
    if (!relative || !*relative)
        return QString();
    // Names are written with either separator; both mean the same file.
    QString path = QString::fromUtf8(relative);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (QDir::isAbsolutePath(path))
        return IsFile(path) ? path : QString();
    for (const QString& folder : folders) {
        const QString candidate = InFolder(folder, path);
        if (IsFile(candidate))
            return candidate;
    }
    return QString();
}

QString DataFilePath(const char* relative)
{
    const QString programDir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
    return FindDataFile(relative, DataFolders(programDir));
}

QStringList NoteMissingDataFiles(const QStringList& relatives, const QStringList& folders)
{
    QStringList missing;
    for (const QString& relative : relatives) {
        const QString found = FindDataFile(relative.toUtf8().constData(), folders);
        if (found.isEmpty())
            missing << relative;
        else
            qCInfo(lcDataFiles).noquote() << relative << "found at" << QFileInfo(found).absoluteFilePath();
    }
    if (missing.isEmpty())
        return missing;
    QStringList searched;
    for (const QString& folder : folders)
        searched << Shown(folder);
    // One line on the error output, not a box: the game is whole without
    // these files, and a box at every start would only nag.
    qWarning().noquote() << QStringLiteral("Tidebolt: cannot find %1 (looked in %2); the game goes on without %3.")
                                .arg(missing.join(QStringLiteral(", ")), searched.join(QStringLiteral(", ")),
                                     missing.size() == 1 ? QStringLiteral("it") : QStringLiteral("them"));
    return missing;
}
