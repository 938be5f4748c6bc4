#include "app/gameapp.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tidebolt");
    QApplication::setOrganizationName("Orvex software");
    CGameApp theApp;
    theApp.InitInstance();
    return 0;
}
