#include "ui/pictures.h"

#include <QHash>
#include <QImage>
#include <QString>

namespace {

QString PicturePath(int resourceId)
{
    return QStringLiteral(":/res/%1.png").arg(resourceId);
}

}  // namespace

QPixmap LoadPicture(int resourceId)
{
    // Not QPixmap(path): that keeps a copy in Qt's pixmap cache, which would
    // hold the picture for the whole run after its window has gone.
    return QPixmap::fromImage(QImage(PicturePath(resourceId)));
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
    return QIcon(picture);
}
