#pragma once

#include <QImage>

// The splash is the first thing a player sees, and decoding it is the
// longest step of ours before it can show. Begun on a thread of its own
// before Qt starts, it is ready by the time its window is.
//
// Begin first thing in main, before the application object exists; Take
// waits for it and hands it over, once. A null image when it was never
// begun or could not be read: the splash then reads its picture itself.
void BeginSplashPicture();
QImage TakeSplashPicture();
