#include "ui/pictures.h"

#include <QDirIterator>
#include <QHash>
#include <QString>

namespace {

QString PicturePath(int resourceId)
{
    return QStringLiteral(":/res/%1.png").arg(resourceId);
}

}  // namespace

QPixmap LoadPicture(int resourceId)
{
    return QPixmap(PicturePath(resourceId));
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
    QDirIterator sizes(QStringLiteral(":/res/%1").arg(resourceId), {QStringLiteral("*.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
    if (icon.isNull())
        icon.addPixmap(picture);
    return icon;
}
