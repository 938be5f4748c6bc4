#include "ui/datapath.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

bool IsFile(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

} // namespace

QString DataFilePath(const char* relative)
{
    if (!relative || !*relative)
        return QString();
    // Names are written with either separator; both mean the same file.
    QString path = QString::fromUtf8(relative);
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (IsFile(path))
        return path;
    if (!QCoreApplication::instance() || QDir::isAbsolutePath(path))
        return QString();
    const QString besideProgram = QDir(QCoreApplication::applicationDirPath()).filePath(path);
    if (IsFile(besideProgram))
        return besideProgram;
    return QString();
}
