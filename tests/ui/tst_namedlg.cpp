// Entering the name before a game, and where player one's fleet comes from.
#include "game/fleetrules.h"
#include "game/gamerand.h"
#include "game/player.h"
#include "store/records.h"
#include "store/settings.h"
#include "support/modal.h"
#include "ui/dialogids.h"
#include "ui/namedlg.h"
#include "ui/placeshipsdlg.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

namespace {

const char* const TOO_LONG = "Please enter no more than 20 characters.";

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
};

// Answers every message box that shows up while it lives, noting what it said.
class CBoxCatcher {
public:
    CBoxCatcher()
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            m_seen.append({box->windowTitle(), box->text(), box->icon()});
            box->accept();
        });
        m_timer.start();
    }
    QList<SeenBox> m_seen;

private:
    QTimer m_timer;
};

QByteArray Fleet(const CPlayer& player)
{
    return QByteArray(reinterpret_cast<const char*>(player.m_fleet), BOARD_CELLS);
}

QByteArray FleetFromGrid(const QByteArray& grid)
{
    QByteArray fleet(BOARD_CELLS, char(CELL_WATER));
    for (int i = 0; i < BOARD_CELLS; ++i)
        if (grid[i] != 0)
            fleet[i] = char(CELL_SHIP);
    return fleet;
}

// The fleet PlaceFleetRandom gives after the seed, worked out on a player of
// our own so the one under test is not touched.
QByteArray RandomFleetAfter(unsigned int seed)
{
    GameSrand(seed);
    CPlayer reference(true);
    reference.PlaceFleetRandom();
    return Fleet(reference);
}

// The window's focus, which the keyboard reaches as soon as the window is
// active again after a message box.
bool ComboHasFocus(const CNameDlg& dlg)
{
    QWidget* focus = dlg.focusWidget();
    return focus && (focus == dlg.m_combo || focus == dlg.m_combo->lineEdit());
}

} // namespace

class TestNameDlg : public QObject {
    Q_OBJECT
private slots:
    void init();
    void opensWithTheCurrentNameAndTheTableNames();
    void textsFollowTheLanguageButTheHintStaysRussian_data();
    void textsFollowTheLanguageButTheHintStaysRussian();
    void nameIsCheckedOnOK_data();
    void nameIsCheckedOnOK();
    void fleetComesFromTheLastConfirmedPlacementOrAtRandom_data();
    void fleetComesFromTheLastConfirmedPlacementOrAtRandom();
    void cancelWritesNoNameAndKeepsTheFleet_data();
    void cancelWritesNoNameAndKeepsTheFleet();
};

void TestNameDlg::init()
{
    English = 1;
    GameSrand(7);
}

void TestNameDlg::opensWithTheCurrentNameAndTheTableNames()
{
    std::string name = "Player";
    CRecordTable empty;
    CNameDlg dlg;
    dlg.Setup(&name, &empty);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QCOMPARE(dlg.m_combo->currentText(), QStringLiteral("Player"));
    QCOMPARE(dlg.m_combo->count(), 0);
    QVERIFY(ComboHasFocus(dlg));
    // OK at once: the name stays, and player one has a new random fleet.
    PlayerOne.ClearGrids();
    const QByteArray expected = RandomFleetAfter(99);
    GameSrand(99);
    QTest::mouseClick(dlg.m_btnOK, Qt::LeftButton);
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    QCOMPARE(name, std::string("Player"));
    QCOMPARE(Fleet(PlayerOne), expected);

    // With a table, the list holds its names best first, and the field still
    // shows the current name rather than the first of the list.
    CRecordTable records;
    records.AddWin("Боцман", 3);
    records.AddWin("Boatswain", 3);
    records.AddWin("Boatswain", 3);
    records.AddLoss("Cook", 1);
    CNameDlg second;
    second.Setup(&name, &records);
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&second));
    QCOMPARE(second.m_combo->count(), records.GetCount());
    for (int i = 0; i < records.GetCount(); ++i)
        QCOMPARE(second.m_combo->itemText(i), QString::fromStdString(records.GetName(i)));
    QCOMPARE(second.m_combo->itemText(0), QStringLiteral("Boatswain"));
    QCOMPARE(second.m_combo->currentText(), QStringLiteral("Player"));
}

void TestNameDlg::textsFollowTheLanguageButTheHintStaysRussian_data()
{
    QTest::addColumn<int>("english");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("putShips");
    QTest::newRow("English") << 1 << "Enter your name" << "Put the ships";
    QTest::newRow("Russian") << 0 << "Введите ваше имя" << "Ростановка кораблей";
}

void TestNameDlg::textsFollowTheLanguageButTheHintStaysRussian()
{
    QFETCH(int, english);
    QFETCH(QString, title);
    QFETCH(QString, putShips);
    English = static_cast<unsigned char>(english);
    std::string name;
    CRecordTable records;
    CNameDlg dlg;
    dlg.Setup(&name, &records);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));
    QCOMPARE(dlg.windowTitle(), title);
    QCOMPARE(dlg.m_btnPutShips->text(), putShips);
    QCOMPARE(dlg.m_btnOK->text(), QStringLiteral("OK"));
    QCOMPARE(dlg.m_btnOK->toolTip(), QStringLiteral("Начать игру"));
    // Neither button text is cut.
    QVERIFY(dlg.m_btnPutShips->width() >= dlg.m_btnPutShips->sizeHint().width());
    // No Cancel button: Esc and the close box cancel.
    QCOMPARE(dlg.findChildren<QPushButton*>().size(), 2);
}

void TestNameDlg::nameIsCheckedOnOK_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("message");   // "" no message; "1251" the message on foreign characters
    QTest::newRow("20 Latin letters") << "Abcdefghijklmnopqrst" << true << "";
    QTest::newRow("21 Latin letters") << "Abcdefghijklmnopqrstu" << false << TOO_LONG;
    QTest::newRow("20 Cyrillic letters, 40 bytes") << "Абвгдеёжзийклмнопрст" << true << "";
    QTest::newRow("21 Cyrillic letters") << "Абвгдеёжзийклмнопрсту" << false << TOO_LONG;
    QTest::newRow("empty") << "" << false << "";
    QTest::newRow("blanks only, taken as typed") << "   " << true << "";
    QTest::newRow("blanks around, taken as typed") << " Ann " << true << "";
    QTest::newRow("signs Windows-1251 has") << "Ann €№«»" << true << "";
    QTest::newRow("Chinese") << "玩家" << false << "1251";
    QTest::newRow("19 letters and an emoji make 20 characters")
        << QStringLiteral("Abcdefghijklmnopqrs") + QString::fromUcs4(U"\U0001F600") << false << "1251";
}

void TestNameDlg::nameIsCheckedOnOK()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(QString, message);
    std::string name = "Player";
    CRecordTable records;
    CNameDlg dlg;
    dlg.Setup(&name, &records);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowActive(&dlg));
    dlg.m_combo->setEditText(typed);

    CBoxCatcher boxes;
    QTest::mouseClick(dlg.m_btnOK, Qt::LeftButton);
    QCOMPARE(dlg.isVisible(), !accepted);
    if (accepted) {
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(QString::fromStdString(name), typed);
        QVERIFY(boxes.m_seen.isEmpty());
        return;
    }
    QCOMPARE(name, std::string("Player"));
    QVERIFY(ComboHasFocus(dlg));
    if (message.isEmpty()) {
        QVERIFY(boxes.m_seen.isEmpty());
        return;
    }
    QCOMPARE(boxes.m_seen.size(), 1);
    QCOMPARE(boxes.m_seen[0].title, QStringLiteral("Tidebolt"));
    QCOMPARE(boxes.m_seen[0].icon, QMessageBox::Warning);
    if (message == QLatin1String("1251"))
        QVERIFY2(!boxes.m_seen[0].text.isEmpty() && boxes.m_seen[0].text != QLatin1String(TOO_LONG),
                 qPrintable(boxes.m_seen[0].text));
    else
        QCOMPARE(boxes.m_seen[0].text, message);
}

void TestNameDlg::fleetComesFromTheLastConfirmedPlacementOrAtRandom_data()
{
    // Each letter is one opening of the placement dialog: o confirmed, c cancelled.
    QTest::addColumn<QString>("placements");
    QTest::addColumn<bool>("byHand");
    QTest::newRow("no placement: random") << "" << false;
    QTest::newRow("confirmed: the arranged fleet") << "o" << true;
    QTest::newRow("cancelled: random") << "c" << false;
    QTest::newRow("confirmed, then cancelled: the first arranged fleet") << "oc" << true;
    QTest::newRow("confirmed twice: the second arranged fleet") << "oo" << true;
}

void TestNameDlg::fleetComesFromTheLastConfirmedPlacementOrAtRandom()
{
    QFETCH(QString, placements);
    QFETCH(bool, byHand);
    std::string name = "Player";
    CRecordTable records;
    CNameDlg dlg;
    dlg.Setup(&name, &records);
    dlg.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dlg));

    QByteArray confirmed;
    for (const QChar step : placements) {
        const bool ok = step == QLatin1Char('o');
        QByteArray shown;
        WhenModal<CPlaceShipsDlg>([ok, &shown](CPlaceShipsDlg* placing) {
            QTest::mouseClick(placing->m_btnRandom, Qt::LeftButton);
            shown = QByteArray(reinterpret_cast<const char*>(PlaceGrid), BOARD_CELLS);
            QTest::mouseClick(ok ? placing->m_btnOK : placing->m_btnCancel, Qt::LeftButton);
        });
        QTest::mouseClick(dlg.m_btnPutShips, Qt::LeftButton);
        QCOMPARE(shown.size(), BOARD_CELLS);
        if (ok)
            confirmed = shown;
    }

    const QByteArray random = RandomFleetAfter(31337);
    GameSrand(31337);
    QTest::mouseClick(dlg.m_btnOK, Qt::LeftButton);
    QCOMPARE(dlg.result(), int(QDialog::Accepted));
    const QByteArray fleet = Fleet(PlayerOne);
    QCOMPARE(FleetFault([&fleet](int cell) { return fleet[cell] == char(CELL_SHIP); }), QString());
    if (byHand)
        QCOMPARE(fleet, FleetFromGrid(confirmed));
    else
        QCOMPARE(fleet, random);
}

void TestNameDlg::cancelWritesNoNameAndKeepsTheFleet_data()
{
    QTest::addColumn<bool>("placedFirst");
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("Esc") << false << false;
    QTest::newRow("close box") << false << true;
    QTest::newRow("Esc after a confirmed placement keeps the arranged fleet") << true << false;
}

void TestNameDlg::cancelWritesNoNameAndKeepsTheFleet()
{
    QFETCH(bool, placedFirst);
    QFETCH(bool, closeBox);
    PlayerOne.PlaceFleetRandom();
    QByteArray expected = Fleet(PlayerOne);
    std::string name = "Player";
    CRecordTable records;

    bool helpIgnored = false;
    WhenModal<CNameDlg>([&](CNameDlg* dlg) {
        if (placedFirst) {
            WhenModal<CPlaceShipsDlg>([](CPlaceShipsDlg* placing) {
                QTest::mouseClick(placing->m_btnOK, Qt::LeftButton);
            });
            QTest::mouseClick(dlg->m_btnPutShips, Qt::LeftButton);
            expected = FleetFromGrid(QByteArray(reinterpret_cast<const char*>(PlaceGrid), BOARD_CELLS));
        }
        dlg->m_combo->setEditText(QStringLiteral("Somebody else"));
        QTest::keyClick(dlg, Qt::Key_F1);
        helpIgnored = dlg->isVisible();
        if (closeBox)
            dlg->close();
        else
            QTest::keyClick(dlg, Qt::Key_Escape);
    });
    CNameDlg dlg;
    dlg.Setup(&name, &records);
    QCOMPARE(dlg.DoModal(), int(IDCANCEL));
    QVERIFY(helpIgnored);
    QCOMPARE(name, std::string("Player"));
    QCOMPARE(Fleet(PlayerOne), expected);
}

QTEST_MAIN(TestNameDlg)
#include "tst_namedlg.moc"
