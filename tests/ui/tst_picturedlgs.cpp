// The splash picture, the win and lose pictures, and the about box.
#include "game/resources.h"
#include "store/settings.h"
#include "support/modal.h"
#include "ui/aboutdlg.h"
#include "ui/dialogids.h"
#include "ui/mediaplayer.h"
#include "ui/resultdlg.h"
#include "ui/splashdlg.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <functional>

namespace {

// Runs the dialog modally while `act` plays the player's part; a dialog still
// open after the bound is rejected, so the test fails rather than hangs.
template <class T>
int RunModal(T& dlg, std::function<void(T*)> act, int boundMs, qint64* elapsedMs = nullptr)
{
    if (act)
        WhenModal<T>(act);
    QTimer::singleShot(boundMs, &dlg, [&dlg] { dlg.reject(); });
    QElapsedTimer clock;
    clock.start();
    const int result = dlg.DoModal();
    if (elapsedMs)
        *elapsedMs = clock.elapsed();
    return result;
}

} // namespace

class TestPictureDlgs : public QObject {
    Q_OBJECT
private slots:
    void splashClosesByItselfAfterThreeSeconds();
    void splashClosesAtOnceOnAClickOrAKey_data();
    void splashClosesAtOnceOnAClickOrAKey();
    void resultPictureShowsWholeAndIgnoresHelp_data();
    void resultPictureShowsWholeAndIgnoresHelp();
    void aboutBoxSpeaksTheCurrentLanguage_data();
    void aboutBoxSpeaksTheCurrentLanguage();
    void aboutBoxIgnoresHelp();
};

void TestPictureDlgs::splashClosesByItselfAfterThreeSeconds()
{
    CSplashDlg dlg;
    bool frameless = false;
    QSize size;
    qint64 elapsed = 0;
    const int result = RunModal<CSplashDlg>(dlg, [&](CSplashDlg* splash) {
        frameless = splash->windowFlags().testFlag(Qt::FramelessWindowHint);
        size = splash->size();
    }, 20000, &elapsed);
    QCOMPARE(result, int(IDOK));
    QVERIFY(frameless);
    QCOMPARE(size, QSize(785, 440));
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Tidebolt"));
    // Timers may run a little early; this only says it did not close at once.
    QVERIFY2(elapsed >= 2500, qPrintable(QString::number(elapsed)));
    QVERIFY2(elapsed < 20000, qPrintable(QString::number(elapsed)));
}

void TestPictureDlgs::splashClosesAtOnceOnAClickOrAKey_data()
{
    QTest::addColumn<QString>("input");
    QTest::newRow("right press") << "right";
    QTest::newRow("left press") << "left";
    QTest::newRow("F1") << "F1";
    QTest::newRow("Enter") << "Enter";
    QTest::newRow("Esc") << "Esc";
}

void TestPictureDlgs::splashClosesAtOnceOnAClickOrAKey()
{
    QFETCH(QString, input);
    CSplashDlg dlg;
    qint64 elapsed = 0;
    const int result = RunModal<CSplashDlg>(dlg, [input](CSplashDlg* splash) {
        const QPoint somewhere(400, 200);
        if (input == QLatin1String("right"))
            QTest::mousePress(splash, Qt::RightButton, Qt::NoModifier, somewhere);
        else if (input == QLatin1String("left"))
            QTest::mousePress(splash, Qt::LeftButton, Qt::NoModifier, somewhere);
        else if (input == QLatin1String("F1"))
            QTest::keyClick(splash, Qt::Key_F1);
        else if (input == QLatin1String("Enter"))
            QTest::keyClick(splash, Qt::Key_Return);
        else
            QTest::keyClick(splash, Qt::Key_Escape);
    }, 20000, &elapsed);
    QCOMPARE(result, int(IDOK));
    QVERIFY2(elapsed < 2500, qPrintable(QString::number(elapsed)));
}

void TestPictureDlgs::resultPictureShowsWholeAndIgnoresHelp_data()
{
    QTest::addColumn<bool>("win");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("closeKey");
    QTest::newRow("win, closed with Enter") << true << QSize(392, 177) << "Enter";
    QTest::newRow("lose, closed with Esc") << false << QSize(392, 179) << "Esc";
    QTest::newRow("win, closed with OK") << true << QSize(392, 177) << "OK";
}

void TestPictureDlgs::resultPictureShowsWholeAndIgnoresHelp()
{
    QFETCH(bool, win);
    QFETCH(QSize, size);
    QFETCH(QString, closeKey);
    CWinDlg winDlg;
    CLoseDlg loseDlg;
    CResultDlg& dlg = win ? static_cast<CResultDlg&>(winDlg) : static_cast<CResultDlg&>(loseDlg);
    QCOMPARE(dlg.windowTitle(), QStringLiteral("Tidebolt"));
    QCOMPARE(dlg.m_btnOK->text(), QStringLiteral("OK"));
    QCOMPARE(dlg.m_picture->pixmap().size(), QSize(370, 131));
    const QRect area = dlg.m_picture->geometry();
    QVERIFY(area.width() >= 370 && area.height() >= 131);

    bool openAfterHelp = false;
    QSize shownSize;
    const int result = RunModal<CResultDlg>(dlg, [&](CResultDlg* shown) {
        shownSize = shown->size();
        QTest::keyClick(shown, Qt::Key_F1);
        QApplication::processEvents();
        openAfterHelp = QApplication::activeModalWidget() == shown && shown->isVisible();
        if (closeKey == QLatin1String("Enter"))
            QTest::keyClick(shown, Qt::Key_Return);
        else if (closeKey == QLatin1String("Esc"))
            QTest::keyClick(shown, Qt::Key_Escape);
        else
            QTest::mouseClick(shown->m_btnOK, Qt::LeftButton);
    }, 20000);
    QVERIFY(openAfterHelp);
    QCOMPARE(shownSize, size);
    QCOMPARE(result, closeKey == QLatin1String("Esc") ? int(IDCANCEL) : int(IDOK));
}

void TestPictureDlgs::aboutBoxSpeaksTheCurrentLanguage_data()
{
    QTest::addColumn<int>("english");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("madeWith");
    QTest::newRow("English") << 1 << "About Tidebolt" << "Made with C++ and Qt 6";
    QTest::newRow("Russian") << 0 << "Про автора" << "Сделано на C++ и Qt 6";
}

void TestPictureDlgs::aboutBoxSpeaksTheCurrentLanguage()
{
    QFETCH(int, english);
    QFETCH(QString, title);
    QFETCH(QString, madeWith);
    English = static_cast<unsigned char>(english);
    CAboutDlg dlg;
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QCOMPARE(dlg.windowTitle(), title);
    const QString credit = dlg.m_credit->text();
    for (const QString& part : {QStringLiteral("Tidebolt 1.0"), QStringLiteral("Orvex software"),
                                QStringLiteral("2025–2026"), madeWith})
        QVERIFY2(credit.contains(part), qPrintable(part));
    // Four blocks parted by empty lines.
    QCOMPARE(credit.split(QStringLiteral("\n\n")).size(), 4);
    QVERIFY(!dlg.m_author->text().isEmpty());
    const bool cyrillicAuthor = dlg.m_author->text().front().unicode() >= 0x0400;
    QCOMPARE(cyrillicAuthor, english == 0);
    // No text is cut, and the film has its area.
    QVERIFY(dlg.m_credit->height() >= dlg.m_credit->heightForWidth(dlg.m_credit->width()));
    QVERIFY(dlg.m_author->width() >= dlg.m_author->sizeHint().width());
    QCOMPARE(dlg.m_player->size(), QSize(239, 179));
    QVERIFY(!dlg.m_icon->pixmap().isNull());
}

void TestPictureDlgs::aboutBoxIgnoresHelp()
{
    English = 1;
    CAboutDlg dlg;
    bool openAfterHelp = false;
    const int result = RunModal<CAboutDlg>(dlg, [&](CAboutDlg* shown) {
        QTest::keyClick(shown, Qt::Key_F1);
        QApplication::processEvents();
        openAfterHelp = QApplication::activeModalWidget() == shown && shown->isVisible();
        QTest::mouseClick(shown->m_btnOK, Qt::LeftButton);
    }, 20000);
    QVERIFY(openAfterHelp);
    QCOMPARE(result, int(IDOK));
}

QTEST_MAIN(TestPictureDlgs)
#include "tst_picturedlgs.moc"
