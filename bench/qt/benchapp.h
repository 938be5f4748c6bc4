#pragma once

#include <QApplication>

// The one application object of the Qt benchmarks: a widget one, since some
// open the main window, on the offscreen platform so that no display is
// needed.
inline QApplication& BenchApp()
{
    static int argc = 1;
    static char name[] = "tidebolt_bench_qt";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
    }
    return *qApp;
}
