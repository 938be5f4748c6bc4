// The real main window's board view: a repaint with nothing changed (the
// window uncovered, say), and the redraw after one shot, beside the bare
// scene of bench_draw.cpp.
#include "bench/qt/benchapp.h"
#include "game/globals.h"
#include "game/player.h"
#include "store/profile.h"
#include "store/qt/qsettingsprofile.h"
#include "store/settings.h"
#include "ui/gamedlg.h"

#include <QApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

// A battle against the computer on the shown window, the player to shoot.
class CViewRig {
public:
    CViewRig()
    {
        m_profile = std::make_unique<CQSettingsProfile>(m_dir.filePath(QStringLiteral("Tidebolt.ini")));
        SetProfile(m_profile.get());
        m_wnd = std::make_unique<CGameDlg>();
        m_wnd->SkipSplash();
        m_wnd->OnInitDialog();
        CompDelay = 0;
        m_wnd->show();
        PlayerOne.ClearGrids();
        PlayerOne.PlaceFleetRandom();
        m_wnd->StartGame();
        QApplication::processEvents();
    }
    ~CViewRig()
    {
        m_wnd.reset();
        SetProfile(nullptr);
    }

    QWidget* View() const { return m_wnd->ClientArea(); }
    void Redraw() { m_wnd->Redraw(); }

    // The next cell not yet shot; a fresh fleet once every cell is.
    void ShootNext()
    {
        for (int pass = 0; pass < 2; ++pass) {
            for (; m_nCell < BOARD_CELLS; ++m_nCell) {
                if (PlayerTwo.m_view[m_nCell] != CELL_WATER)
                    continue;
                PlayerTwo.Shoot(m_nCell / BOARD_SIZE, m_nCell % BOARD_SIZE);
                return;
            }
            PlayerTwo.ClearGrids();
            PlayerTwo.PlaceFleetRandom();
            m_nCell = 0;
        }
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CQSettingsProfile> m_profile;
    std::unique_ptr<CGameDlg> m_wnd;
    int m_nCell = 0;
};

void BM_IdleRepaint(benchmark::State& state)
{
    BenchApp();
    CViewRig rig;
    for (auto _ : state)
        rig.View()->repaint();
}
BENCHMARK(BM_IdleRepaint)->Unit(benchmark::kMicrosecond);

void BM_RedrawAfterShot(benchmark::State& state)
{
    BenchApp();
    CViewRig rig;
    for (auto _ : state) {
        rig.ShootNext();
        rig.Redraw();
    }
}
BENCHMARK(BM_RedrawAfterShot)->Unit(benchmark::kMicrosecond);

}  // namespace
