// The splash picture, the win and lose pictures, and the about box.
#include "game/resources.h"
#include "store/settings.h"
#include "support/modal.h"
#include "ui/aboutdlg.h"
#include "ui/dialogids.h"
#include "ui/language.h"
#include "ui/resultdlg.h"
#include "ui/pictures.h"
#include "ui/splashdlg.h"
#include "ui/splashpicture.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QThread>
#include <QtTest>

#include <chrono>
#include <memory>

namespace {

// A window of the kind named, with its DoModal.
template <class T>
std::function<int()> Make(std::unique_ptr<QDialog>& dlg)
{
    auto* window = new T;
    dlg.reset(window);
    return [window] { return window->DoModal(); };
}

// The splash as the game opens it: its picture read while Qt starts, shown
// before the main window is built, then waited on. A click may land while
// the window is built.
std::function<int()> MakeStartSplash(std::unique_ptr<QDialog>& dlg)
{
    BeginSplashPicture();
    auto* window = new CSplashDlg;
    dlg.reset(window);
    return [window] {
        window->ShowEarly();
        QTest::qWait(100);
        return window->DoModal();
    };
}

// Waits until the steady clock stands 200 ms past a half second: a coarse
// timer, which moves its deadline to such a boundary, would close a splash
// opened now 150 ms early.
void WaitForAnEarlyCoarseTimer()
{
    using namespace std::chrono;
    while ((duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count() + 300) % 500 > 20)
        QThread::usleep(500);
}

} // namespace

class TestPictureDlgs : public QObject {
    Q_OBJECT
private slots:
    void closesAsAPlayerExpects_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<int>("english");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("click");  // right on the splash, OK on the others
        QTest::addColumn<QString>("credit");   // the about box's first line, for a build of version 2.3
        // The splash as the game shows it: up before the main window is built.
        QTest::newRow("splash left alone closes three seconds after it showed") << "splash" << 1 << "Tidebolt" << false << "";
        QTest::newRow("splash closes on a right click, even before start-up waits on it") << "splash" << 1 << "Tidebolt" << true << "";
        QTest::newRow("win picture closes with OK") << "win" << 1 << "Tidebolt" << true << "";
        QTest::newRow("lose picture closes with OK") << "lose" << 0 << "Tidebolt" << true << "";
        QTest::newRow("about box in English") << "about" << 1 << "About Tidebolt" << true << "Tidebolt 2.3";
        QTest::newRow("about box in Russian") << "about" << 0 << "Про автора" << true << "Tidebolt 2.3";
    }
    void closesAsAPlayerExpects()
    {
        QFETCH(QString, window);
        QFETCH(bool, click);
        QFETCH(int, english);
        English = static_cast<unsigned char>(english);
        UseLanguage(english != 0);
        QCoreApplication::setApplicationVersion("2.3");
        std::unique_ptr<QDialog> dlg;
        const std::function<int()> doModal = window == "splash" ? MakeStartSplash(dlg)
            : window == "win"                                   ? Make<CWinDlg>(dlg)
            : window == "lose"                                  ? Make<CLoseDlg>(dlg)
                                                                : Make<CAboutDlg>(dlg);
        QString title;
        QString credit;
        QImage shownPicture;
        const CModalWait answered = WhenModal<QDialog>([&](QDialog* shown) {
            title = shown->windowTitle();
            shownPicture = shown->grab().toImage();
            if (auto* text = shown->findChild<QLabel*>("IDC_CREDIT"))
                credit = text->text().section('\n', 0, 0);
            if (click && window == "splash")
                QTest::mousePress(shown, Qt::RightButton, Qt::NoModifier, QPoint(400, 200));
            else if (click)
                QTest::mouseClick(FindButton(shown, "OK"), Qt::LeftButton);
        });
        QTimer::singleShot(20000, dlg.get(), [&] { dlg->reject(); });  // fail rather than hang
        if (window == "splash" && !click)
            WaitForAnEarlyCoarseTimer();
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(doModal(), int(IDOK));
        QTEST(title, "title");
        QTEST(credit, "credit");
        if (window == "splash")
            QCOMPARE(shownPicture.convertToFormat(QImage::Format_RGB32), LoadPicture(IDB_SPLASH).toImage());
        // Left alone, the splash stays its full three seconds; a click closes at once.
        QVERIFY2(click ? clock.elapsed() < 2500 : clock.elapsed() >= 3000,
                 qPrintable(QString::number(clock.elapsed())));
    }
};

QTEST_MAIN(TestPictureDlgs)
#include "tst_picturedlgs.moc"
