// The main window on a 1920 x 1080 screen at 100 % to 200 % and maximised
// on a 2560 x 1440 one, as it really shows: the window lies on the screen,
// the board is pixel-true at the largest whole multiple that fits, a click
// lands on the cell under the pointer, the player's size comes back, and
// the task-bar button flashes only while the player is elsewhere.
#include "game/gamerand.h"
#include "game/globals.h"
#include "game/player.h"
#include "game/resources.h"
#include "store/profile.h"
#include "store/qt/qsettingsprofile.h"
#include "store/settings.h"
#include "support/modal.h"
#include "support/shownpixels.h"
#include "ui/gamedlg.h"
#include "ui/namedlg.h"
#include "ui/pictures.h"
#include "ui/placeshipsdlg.h"

#include <QComboBox>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <memory>

namespace {

const QRgb SEA = qRgb(0, 102, 200);
const QRgb GRID = qRgb(0, 200, 50);
const QRgb INNER = qRgb(50, 50, 50);
const QRgb FRAME_BACK = qRgb(40, 70, 100);
const QRgb BORDER = qRgb(0, 0, 0);

// A desktop's title bar and borders. The offscreen platform draws none
// (its frame margins measure 2 px or nothing), so the test adds them.
const QMargins TITLE_BAR(4, 36, 4, 4);

// The first cell of the board that shows the given code, or -1.
int FirstCell(const CPlayer& player, signed char code)
{
    for (int cell = 0; cell < BOARD_CELLS; ++cell) {
        if (player.m_view[cell] == code)
            return cell;
    }
    return -1;
}

QPoint CellCorner(const CPlayer& player, int cell)
{
    return {player.m_rcBoard.left + CELL_PITCH * (cell % 10), player.m_rcBoard.top + CELL_PITCH * (cell / 10)};
}

} // namespace

class TestFrameDraw : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void windowLiesOnTheScreenTitleBarIncluded();
    void boardIsShownAtTheLargestMultipleThatFits();
    void everyCellTakesItsClick();
    void placementBoardTakesTheGameBoardsMultiple();
    void playersSizeComesBack();
    void gridAndSeaAtExactDevicePixels_data();
    void gridAndSeaAtExactDevicePixels();
    void deckPictureIsNotResampled();
    void taskbarFlashesOnlyWhileThePlayerIsElsewhere_data();
    void taskbarFlashesOnlyWhileThePlayerIsElsewhere();

private:
    void OpenWindow(bool maximise);
    // A battle against the computer, begun through the name dialog; `then`
    // runs as the dialog is answered.
    void StartGame(const std::function<void()>& then = {});
    // The device block of one pixel of the drawing is all of one colour.
    void CheckBlock(const QImage& shown, QPoint scene, QRgb colour, const char* what) const;

    int m_n = 0;         // device pixels per pixel of the drawing
    QPoint m_origin;     // where the drawing's top-left pixel is shown
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CQSettingsProfile> m_profile;
    std::unique_ptr<CGameDlg> m_dlg;
};

void TestFrameDraw::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    const QString ini = m_dir->filePath("Tidebolt.ini");
    {
        QSettings seed(ini, QSettings::IniFormat);
        seed.setValue("Options/CompDelay", 0);
        seed.setValue("Options/English", 1);
    }
    m_profile = std::make_unique<CQSettingsProfile>(ini);
    SetProfile(m_profile.get());
    GameInProgress = 0;
    OpenWindow(qEnvironmentVariableIsSet("TIDEBOLT_MAXIMISED"));
}

void TestFrameDraw::OpenWindow(bool maximise)
{
    m_dlg = std::make_unique<CGameDlg>();
    m_dlg->SkipSplash();
    m_dlg->OnInitDialog();
    GameSrand(11);
    if (maximise)
        m_dlg->showMaximized();
    else
        m_dlg->show();
    QVERIFY(QTest::qWaitForWindowActive(m_dlg.get()));
    QTest::qWait(50);   // a maximised window settles its size

    // The frame control's black border, one drawing pixel wide: where it
    // starts is where the drawing's own pixels start, and how many device
    // pixels it spans is the multiple.
    const QImage shown = ShownOnScreen(*m_dlg);
    const qreal dpr = m_dlg->devicePixelRatioF();
    const QPoint view = (QPointF(m_dlg->ClientArea()->mapTo(m_dlg.get(), QPoint(0, 0))) * dpr).toPoint();
    const SShownDrawing found = SShownDrawing::Find(shown, view.y() + (shown.height() - view.y()) / 2, view.y());
    m_n = found.m_n;
    m_origin = found.m_frame - QPoint(FRAME_X, FRAME_Y) * m_n;
    QVERIFY2(m_n > 0, "no board border found");
}

void TestFrameDraw::cleanup()
{
    m_dlg.reset();
    SetProfile(nullptr);
    m_profile.reset();
    m_dir.reset();
}

void TestFrameDraw::StartGame(const std::function<void()>& then)
{
    const CModalWait named = WhenModal<CNameDlg>([then](CNameDlg* dlg) {
        QTest::keyClick(dlg->findChild<QComboBox*>(), Qt::Key_Return);
        if (then)
            then();
    });
    m_dlg->NewGame();
    QVERIFY(GameInProgress);
}

void TestFrameDraw::CheckBlock(const QImage& shown, QPoint scene, QRgb colour, const char* what) const
{
    SShownDrawing drawing;
    drawing.m_n = m_n;
    drawing.m_frame = m_origin;
    QString fault;
    QVERIFY2(drawing.Block(shown, scene, colour, fault), qPrintable(QString(what) + " " + fault));
}

void TestFrameDraw::windowLiesOnTheScreenTitleBarIncluded()
{
    const QRect area = m_dlg->screen()->availableGeometry();
    // A maximised window's title bar is the window manager's to place.
    const QRect withTitle = m_dlg->isMaximized() ? m_dlg->geometry() : m_dlg->geometry().marginsAdded(TITLE_BAR);
    QVERIFY2(area.contains(withTitle), qPrintable(QString("window %1,%2 %3x%4 with its title bar on %5x%6")
                                                       .arg(withTitle.x()).arg(withTitle.y())
                                                       .arg(withTitle.width()).arg(withTitle.height())
                                                       .arg(area.width()).arg(area.height())));
}

void TestFrameDraw::boardIsShownAtTheLargestMultipleThatFits()
{
    // CTest tells the multiple worked out by hand for its screen and scale.
    const int expected = qEnvironmentVariableIntValue("TIDEBOLT_MULTIPLE");
    QVERIFY2(expected > 0, "run through CTest, which names the multiple");
    QCOMPARE(m_n, expected);
    // The border's corner and the frame inside it stand where the multiple
    // puts them, and the margin around is the window's own colour.
    CheckBlock(ShownOnScreen(*m_dlg), QPoint(FRAME_X, FRAME_Y), BORDER, "frame corner");
    CheckBlock(ShownOnScreen(*m_dlg), QPoint(FRAME_X - 1, FRAME_Y + 5), m_dlg->palette().color(QPalette::Window).rgb(),
               "margin");
    CheckBlock(ShownOnScreen(*m_dlg), QPoint(FRAME_X + 1, FRAME_Y + 1), FRAME_BACK, "frame inside");
    CheckBlock(ShownOnScreen(*m_dlg), QPoint(FRAME_X + FRAME_WIDTH - 1, FRAME_Y + FRAME_HEIGHT - 1), BORDER, "far corner");
}

void TestFrameDraw::everyCellTakesItsClick()
{
    QSignalSpy cells(m_dlg->ClientArea(), SIGNAL(cellActivated(int, int)));
    const qreal dpr = m_dlg->devicePixelRatioF();
    for (int cell = 0; cell < BOARD_CELLS; ++cell) {
        for (const QPoint inside : {QPoint(2, 2), QPoint(13, 13), QPoint(24, 24)}) {
            const QPoint device = m_origin + (CellCorner(PlayerTwo, cell) + inside) * m_n + QPoint(m_n / 2, m_n / 2);
            const QPoint logical = m_dlg->ClientArea()->mapFrom(m_dlg.get(), (QPointF(device) / dpr).toPoint());
            QTest::mouseClick(m_dlg->ClientArea(), Qt::LeftButton, {}, logical);
            QVERIFY2(cells.size() == 1, qPrintable(QString("cell %1: %2 reports").arg(cell).arg(cells.size())));
            const QList<QVariant> got = cells.takeFirst();
            QCOMPARE(got[0].toInt() * BOARD_SIZE + got[1].toInt(), cell);
        }
    }
}

// The fleet looks the same size while it is arranged as on the board it
// then sails on, and the placement dialog lies on the screen too.
void TestFrameDraw::placementBoardTakesTheGameBoardsMultiple()
{
    CPlaceShipsDlg placing(m_dlg.get());
    placing.show();
    QVERIFY(QTest::qWaitForWindowExposed(&placing));
    const QImage shown = placing.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const SShownDrawing board = SShownDrawing::Find(shown, shown.height() / 2, 0);
    QCOMPARE(board.m_n, m_n);
    // Grid lines one drawing pixel wide, where no deck of the random fleet
    // can cover them, and the shadow.
    QString fault;
    const QPoint corner(44, 40);   // the board's corner from the frame's
    QVERIFY2(board.Block(shown, corner + QPoint(0, 30), GRID, fault), qPrintable(fault));
    QVERIFY2(board.Block(shown, corner + QPoint(30, 0), GRID, fault), qPrintable(fault));
    QVERIFY2(board.Block(shown, corner + QPoint(260, 30), GRID, fault), qPrintable(fault));
    QVERIFY2(board.Block(shown, corner + QPoint(261, 30), INNER, fault), qPrintable(fault));
    QVERIFY2(board.Block(shown, corner + QPoint(100, 265), qRgb(20, 20, 20), fault), qPrintable(fault));
    const QRect area = placing.screen()->availableGeometry();
    QVERIFY(area.contains(placing.geometry().marginsAdded(TITLE_BAR)));
}

void TestFrameDraw::playersSizeComesBack()
{
    if (m_dlg->isMaximized()) {
        m_dlg->ConfirmExit();
        OpenWindow(false);
        QVERIFY(m_dlg->isMaximized());
        return;
    }
    // A little more than the smallest window: room on every screen here.
    const QSize chosen = m_dlg->minimumSize() + QSize(37, 23);
    m_dlg->resize(chosen);
    QTRY_COMPARE(m_dlg->size(), chosen);
    m_dlg->ConfirmExit();   // no game: it closes at once, saving what it keeps
    OpenWindow(false);
    QCOMPARE(m_dlg->size(), chosen);
    // The board stays at its multiple in the middle of the bigger window.
    CheckBlock(ShownOnScreen(*m_dlg), QPoint(FRAME_X + 1, FRAME_Y + 1), FRAME_BACK, "frame inside");
}

void TestFrameDraw::gridAndSeaAtExactDevicePixels_data()
{
    QTest::addColumn<QPoint>("at");  // relative to the enemy board's top-left corner
    QTest::addColumn<QRgb>("colour");
    for (int k : {0, 4, 10}) {
        const int d = CELL_PITCH * k;
        // Each bright line is one drawing pixel wide, its dark twin beside
        // it, and the sea starts right after.
        QTest::addRow("column line %d", k) << QPoint(d, 40) << GRID;
        QTest::addRow("column twin %d", k) << QPoint(d + 1, 40) << INNER;
        QTest::addRow("row line %d", k) << QPoint(40, d) << GRID;
        QTest::addRow("row twin %d", k) << QPoint(40, d + 1) << INNER;
        if (k < 10) {
            QTest::addRow("sea right of column %d", k) << QPoint(d + 2, 40) << SEA;
            QTest::addRow("sea below row %d", k) << QPoint(40, d + 2) << SEA;
        }
        if (k > 0)
            QTest::addRow("sea left of column %d", k) << QPoint(d - 1, 40) << SEA;
    }
    QTest::newRow("shadow below the board") << QPoint(100, 265) << qRgb(20, 20, 20);
}

void TestFrameDraw::gridAndSeaAtExactDevicePixels()
{
    QFETCH(QPoint, at);
    QFETCH(QRgb, colour);
    StartGame();
    const QPoint corner(PlayerTwo.m_rcBoard.left, PlayerTwo.m_rcBoard.top);
    CheckBlock(ShownOnScreen(*m_dlg), corner + at, colour, QTest::currentDataTag());
}

void TestFrameDraw::deckPictureIsNotResampled()
{
    StartGame();
    const int cell = FirstCell(PlayerOne, CELL_SHIP);
    QVERIFY(cell >= 0);
    const QPoint picture = CellCorner(PlayerOne, cell) + QPoint(1, 1);
    const QImage shown = ShownOnScreen(*m_dlg);
    // Every pixel of the picture is a whole block of its own colour.
    const QImage deck = Picture(IDB_SHIP).toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(deck.size(), QSize(25, 25));
    for (int y = 0; y < 25; ++y) {
        for (int x = 0; x < 25; ++x)
            CheckBlock(shown, picture + QPoint(x, y), deck.pixel(x, y), "deck picture");
    }
}

void TestFrameDraw::taskbarFlashesOnlyWhileThePlayerIsElsewhere_data()
{
    QTest::addColumn<bool>("elsewhere");
    QTest::addColumn<int>("flashes");
    // There is no window manager here: the test plays its part and hands the
    // activation on a little after the name dialog has gone.
    QTest::newRow("the window manager gives the window back") << false << 0;
    QTest::newRow("the player went to another program") << true << 1;
}

void TestFrameDraw::taskbarFlashesOnlyWhileThePlayerIsElsewhere()
{
    QFETCH(bool, elsewhere);
    QWidget otherProgram;
    otherProgram.setWindowTitle("Another program");
    otherProgram.resize(200, 100);
    QSignalSpy flashes(m_dlg.get(), &CGameDlg::Flashed);
    StartGame([&] {
        QTimer::singleShot(100, [&] {
            if (!elsewhere) {
                m_dlg->activateWindow();
                return;
            }
            otherProgram.show();
            otherProgram.activateWindow();
        });
    });
    QTest::qWait(1500);
    QCOMPARE(m_dlg->isActiveWindow(), !elsewhere);
    QTEST(int(flashes.count()), "flashes");
}

// The screen and its scale are fixed when the application starts: CTest
// runs this once for each (see framedraw.cmake).
QTEST_MAIN(TestFrameDraw)

#include "tst_framedraw.moc"
