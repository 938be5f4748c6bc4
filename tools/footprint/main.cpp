// tidebolt_footprint: what the game costs against a bare Qt Widgets window,
// one run of either, for scripts/footprint.sh to alternate.
//
//   tidebolt_footprint bare|floor|game
//
// "floor" is the least any game of this kind shows: a main window with a
// menu bar and a board-sized picture with a line of text in it, then one
// message box and one sound. Measured beside the bare window it tells the
// toolkit's share of the game's cost from the game's own.
//
// Prints "WINDOW <CPU ms>" the moment its first window is exposed (the game's
// is the splash), with the processor time spent until then, "REST <kB>" with the resident memory once the main window has sat
// still for a while, then "GAME <kB>" after one whole game against the
// computer with the real sounds (the bare window plays none and stays as it
// was), and exits. Both modes are this one program, so both map the same
// libraries at start. Run it from the folder holding Data/.
#include "soak/soakplayer.h"
#include "soak/vmrss.h"

#include "game/sound.h"
#include "store/profile.h"
#include "store/qt/qsettingsprofile.h"
#include "ui/gamedlg.h"
#include "ui/gamesound.h"
#include "ui/splashpicture.h"
#include "ui/startup.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <ctime>
#include <map>
#include <memory>
#include <string>

namespace {

// Long enough for start-up's leftovers to settle and for the sound thread's
// linger after the last sound to end.
constexpr int STILL_MS = 5000;

void Say(const char* what, long value = -1)
{
    if (value < 0)
        std::printf("%s\n", what);
    else
        std::printf("%s %ld\n", what, value);
    std::fflush(stdout);
}

// Says WINDOW at the first expose of any window, whichever comes first.
class CFirstExpose : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (!m_bSeen && event->type() == QEvent::Expose) {
            auto* window = qobject_cast<QWindow*>(object);
            if (window && window->isExposed()) {
                m_bSeen = true;
                // Beside the wall clock, which other programs' load scatters.
                timespec cpu {};
                clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
                Say("WINDOW", cpu.tv_sec * 1000L + cpu.tv_nsec / 1000000L);
            }
        }
        return false;
    }

private:
    bool m_bSeen = false;
};

int Bare()
{
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.resize(640, 480);
    window.show();
    QTest::qWait(STILL_MS);
    Say("REST", VmRssKb());
    QTest::qWait(STILL_MS);
    Say("GAME", VmRssKb());
    return 0;
}

int Floor()
{
    QMainWindow window;
    for (const char* title : {"Game", "Options", "Help"}) {
        QMenu* menu = window.menuBar()->addMenu(QString::fromLatin1(title));
        menu->addAction(QStringLiteral("New game"));
        menu->addAction(QStringLiteral("Exit"));
    }
    QImage board(785, 440, QImage::Format_RGB32);
    board.fill(Qt::darkBlue);
    {
        QPainter painter(&board);
        painter.setPen(Qt::white);
        painter.drawText(20, 20, QStringLiteral("Player 0 : 0 Computer"));
    }
    auto* picture = new QLabel;
    picture->setPixmap(QPixmap::fromImage(board));
    window.setCentralWidget(picture);
    window.show();
    QTest::qWait(STILL_MS);
    Say("REST", VmRssKb());
    InstallGameSound();
    PlayGameSound(SOUND_WIN);
    QTimer::singleShot(500, &window, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->accept();
    });
    QMessageBox::information(&window, QStringLiteral("Tidebolt"), QStringLiteral("You win!"));
    QTest::qWait(STILL_MS);
    Say("GAME", VmRssKb());
    return 0;
}

int Game()
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Tidebolt.ini"));
    {
        QSettings seedProfile(ini, QSettings::IniFormat);
        seedProfile.setValue("Options/English", 1);
        seedProfile.setValue("Options/CompDelay", 0);  // the game, not the waiting, is measured
    }
    CQSettingsProfile profile(ini);
    SetProfile(&profile);
    InstallGameSound();
    {
        const std::unique_ptr<CGameDlg> window = StartGameWindow();  // the splash first, as at every start
        CGameDlg& wnd = *window;
        wnd.show();
        if (!QTest::qWaitForWindowExposed(&wnd))
            return 1;
        QTest::qWait(STILL_MS);
        Say("REST", VmRssKb());
        CSoakPlayer player(wnd, 1);
        InstallGameSound();  // the player's own hook would keep the game silent
        player.PlayGame("Footprint", ini);  // its checks expect the silent hook
        QTest::qWait(STILL_MS);
        Say("GAME", VmRssKb());
    }
    SetProfile(nullptr);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const std::map<std::string, int (*)()> modes {{"bare", Bare}, {"floor", Floor}, {"game", Game}};
    const auto mode = argc == 2 ? modes.find(argv[1]) : modes.end();
    if (mode == modes.end()) {
        std::fprintf(stderr, "usage: tidebolt_footprint bare|floor|game\n");
        return 2;
    }
    // As the game's own main does.
    if (mode->second == Game)
        BeginSplashPicture();
    QApplication app(argc, argv);
    CFirstExpose firstExpose;
    app.installEventFilter(&firstExpose);
    return mode->second();
}
