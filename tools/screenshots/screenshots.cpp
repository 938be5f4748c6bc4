// Renders the game's own screens into PNG files for the documentation:
//   tidebolt_screenshots <folder>
// It drives the real windows offscreen, as a player would, with a fixed seed
// so the pictures come out the same every time.
#include "game/gamerand.h"
#include "game/globals.h"
#include "game/player.h"
#include "store/profile.h"
#include "store/qt/qsettingsprofile.h"
#include "store/settings.h"
#include "support/gamewindow.h"
#include "support/modal.h"
#include "ui/gamedlg.h"
#include "ui/namedlg.h"
#include "ui/placeshipsdlg.h"
#include "ui/resultdlg.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

void Click(CGameDlg& dlg, const CPlayer& player, int cell)
{
    QTest::mouseClick(dlg.ClientArea(), Qt::LeftButton, {}, CellCentre(dlg, player, cell));
}

void StartGame(CGameDlg& dlg)
{
    const CModalWait named = WhenModal<CNameDlg>([](CNameDlg* name) { QTest::keyClick(name->findChild<QComboBox*>(), Qt::Key_Return); });
    dlg.NewGame();
}

bool Save(QWidget& w, const QDir& dir, const char* file)
{
    const bool ok = w.grab().save(dir.filePath(file));
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(dir.filePath(file)));
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: tidebolt_screenshots <folder>\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(dir.path());

    QTemporaryDir profileDir;
    CQSettingsProfile profile(profileDir.filePath("Tidebolt.ini"));
    SetProfile(&profile);

    CGameDlg dlg;
    dlg.SkipSplash();
    dlg.OnInitDialog();
    English = 1;
    CompDelay = 0;
    Level = 3;
    dlg.SetLanguage(true);
    dlg.show();
    bool ok = Save(dlg, dir, "before-first-game.png");

    // Mid-battle: the player has found a ship or two and missed a few times.
    GameSrand(2026);
    StartGame(dlg);
    int misses = 0;
    for (int cell = 0; cell < BOARD_CELLS && misses < 6; cell += 7) {
        const bool water = PlayerTwo.m_fleet[cell] == CELL_WATER;
        Click(dlg, PlayerTwo, cell);
        misses += water;
    }
    for (int cell = 0, hits = 0; cell < BOARD_CELLS && hits < 4; ++cell) {
        if (PlayerTwo.m_fleet[cell] != CELL_SHIP)
            continue;
        Click(dlg, PlayerTwo, cell);
        ++hits;
    }
    ok = Save(dlg, dir, "mid-battle.png") && ok;

    // A lost game: the computer's surviving ships are shown on the left.
    const CModalWait lost = WhenModal<CLoseDlg>([](CLoseDlg* lose) { lose->accept(); });
    for (int cell = 0; cell < BOARD_CELLS && GameInProgress; ++cell) {
        if (PlayerTwo.m_fleet[cell] == CELL_WATER)
            Click(dlg, PlayerTwo, cell);
    }
    ok = Save(dlg, dir, "after-a-loss.png") && ok;

    CPlaceShipsDlg place(&dlg);
    place.show();
    QApplication::processEvents();
    ok = Save(place, dir, "placement.png") && ok;

    SetProfile(nullptr);
    return ok ? 0 : 1;
}
