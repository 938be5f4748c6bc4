#pragma once

#include <QImage>
#include <QString>

// The program's pictures, drawn from code so that every pixel of res/ has a
// source. Bitmaps are opaque 24-bit; icons keep an alpha channel.
QImage MakeMissCell();
QImage MakeShipCell();
QImage MakeHitCell();
QImage MakeSunkCell();
QImage MakeShownCell();

QImage MakeWinPicture();
QImage MakeLosePicture();
QImage MakeSplashPicture();

QImage MakeProgramIcon();
// The same icon at size x size pixels, for the desktop's icon theme.
QImage MakeProgramIconAt(int size);
QImage MakeNetworkIcon();
QImage MakeUsFlagIcon();
QImage MakeRussianFlagIcon();

// Shared by the big pictures: a blurred copy of an image's alpha, tinted,
// for soft shadows.
QImage SoftShadow(const QImage& shape, int radius, const QColor& colour);
