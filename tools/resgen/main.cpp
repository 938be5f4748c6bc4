// Writes the program's pictures and icons as <number>.png into the folder
// given on the command line: tidebolt_resgen <folder>

#include "../../game/resources.h"  // the tool is built without the project include path
#include "resgen.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

namespace {

struct CPictureMaker {
    int resourceId;
    QImage (*make)();
};

const CPictureMaker PICTURES[] = {
    {IDI_TIDEBOLT, MakeProgramIcon},  {IDB_HIT, MakeHitCell},
    {IDB_SHIP, MakeShipCell},         {IDB_SUNK, MakeSunkCell},
    {IDB_MISS, MakeMissCell},         {IDB_SHOWN, MakeShownCell},
    {IDB_WIN, MakeWinPicture},        {IDB_LOSE, MakeLosePicture},
    {IDB_SPLASH, MakeSplashPicture},  {IDI_NETWORK, MakeNetworkIcon},
    {IDI_FLAG_US, MakeUsFlagIcon},    {IDI_FLAG_RU, MakeRussianFlagIcon},
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    int failures = 0;
    for (const CPictureMaker& picture : PICTURES) {
        const QString path = folder.filePath(QStringLiteral("%1.png").arg(picture.resourceId));
        if (!picture.make().save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ++failures;
        }
    }
    return failures ? 1 : 0;
}
