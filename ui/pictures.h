#pragma once

#include <QIcon>
#include <QPixmap>

// The program's pictures and icons by resource number (game/resources.h),
// compiled in as :/res/<number>.png. Each is loaded once on first use and
// kept for the run; a number without a picture gives an empty pixmap. An
// icon also holds the sizes compiled in as :/res/<number>/.../*.png.
const QPixmap& Picture(int resourceId);
// The same picture loaded afresh and not kept: for a window shown once, which
// lets it go when the window goes.
QPixmap LoadPicture(int resourceId);
QIcon Icon(int resourceId);
// Where a picture is compiled in, for a reader of its own.
QString PicturePath(int resourceId);
