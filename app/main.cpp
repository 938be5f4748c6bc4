#include "app/commandline.h"
#include "app/gameapp.h"
#include "ui/splashpicture.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Answered before Qt starts, so that they work without a display.
    const std::string answer = CommandLineAnswer(argc, argv);
    if (!answer.empty()) {
        std::fputs(answer.c_str(), stdout);
        return 0;
    }
    BeginSplashPicture();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tidebolt");
    QApplication::setOrganizationName("Orvex software");
    QApplication::setApplicationVersion(ProgramVersion());
    // Wayland docks and task bars find the icon through the desktop entry of this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("tidebolt"));
    CGameApp theApp;
    theApp.InitInstance();
    return 0;
}
