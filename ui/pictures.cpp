#include "ui/pictures.h"

#include <QDirIterator>
#include <QHash>
#include <QImageReader>
#include <QString>

QString PicturePath(int resourceId)
{
    return QStringLiteral(":/res/%1.png").arg(resourceId);
}

QPixmap LoadPicture(int resourceId)
{
    // Read as PNG and nothing else: left to guess, Qt loads every image
    // plugin to ask it first, which costs the splash a few milliseconds
    // before it can show. Not QPixmap(path) either: that keeps a copy in
    // Qt's pixmap cache, holding the picture after its window has gone.
    QImageReader reader(PicturePath(resourceId), "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

const QPixmap& Picture(int resourceId)
{
    // Filled on the window's thread only; a failed load is cached too, so a
    // missing picture is looked for once, not on every paint.
    static QHash<int, QPixmap> cache;
    auto it = cache.find(resourceId);
    if (it == cache.end())
        it = cache.insert(resourceId, LoadPicture(resourceId));
    return it.value();
}

QIcon Icon(int resourceId)
{
    const QPixmap& picture = Picture(resourceId);
    if (picture.isNull())
        return QIcon();
    // The sizes drawn for the desktop, where there are any, spare the window
    // manager scaling the one picture.
    QIcon icon;
    // No name filter: Qt would make a regular expression of it and map the
    // PCRE library for the rest of the run.
    QDirIterator sizes(QStringLiteral(":/res/%1").arg(resourceId), QDir::Files, QDirIterator::Subdirectories);
    while (sizes.hasNext()) {
        const QString file = sizes.next();
        if (file.endsWith(QLatin1String(".png")))
            icon.addFile(file);
    }
    if (icon.isNull())
        icon.addPixmap(picture);
    return icon;
}
