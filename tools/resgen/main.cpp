// Writes the program's pictures and icons as <number>.png into the folder
// given on the command line, and, given a second folder, the program's icon
// for a desktop's icon theme as <size>x<size>/apps/tidebolt.png in it:
// tidebolt_resgen <folder> [<icon theme folder>]

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

// The sizes a hicolor theme is expected to offer for an application's icon.
const int THEME_SIZES[] = {16, 22, 24, 32, 48, 64, 128, 256};

bool MakeFolder(const QString& path)
{
    if (QDir(path).exists() || QDir().mkpath(path))
        return true;
    std::fprintf(stderr, "cannot create %s\n", qPrintable(path));
    return false;
}

bool Save(const QImage& image, const QString& path)
{
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s <output folder> [<icon theme folder>]\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!MakeFolder(folder.path()))
        return 1;
    int failures = 0;
    for (const CPictureMaker& picture : PICTURES) {
        if (!Save(picture.make(), folder.filePath(QStringLiteral("%1.png").arg(picture.resourceId))))
            ++failures;
    }
    if (argc == 3) {
        const QDir theme(QString::fromLocal8Bit(argv[2]));
        for (int size : THEME_SIZES) {
            const QString apps = theme.filePath(QStringLiteral("%1x%1/apps").arg(size));
            if (!MakeFolder(apps) || !Save(MakeProgramIconAt(size), apps + QStringLiteral("/tidebolt.png")))
                ++failures;
        }
    }
    return failures ? 1 : 0;
}
