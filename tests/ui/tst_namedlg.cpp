// Entering the name before a game, and where player one's fleet comes from.
#include "game/gamerand.h"
#include "game/player.h"
#include "store/records.h"
#include "store/settings.h"
#include "support/modal.h"
#include "ui/dialogids.h"
#include "ui/language.h"
#include "ui/namedlg.h"
#include "ui/placeshipsdlg.h"

#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

namespace {

QByteArray Fleet(const CPlayer& player)
{
    return QByteArray(reinterpret_cast<const char*>(player.m_fleet), BOARD_CELLS);
}

// The dialog for "Player" with `act` as the player's part: the name left.
QString Run(std::function<void(CNameDlg*)> act, int& result)
{
    std::string name = "Player";
    CRecordTable records;
    WhenModal<CNameDlg>([act](CNameDlg* dlg) {
        act(dlg);
        if (dlg->isVisible())
            dlg->reject();
    });
    CNameDlg dlg;
    dlg.Setup(&name, &records);
    result = dlg.DoModal();
    return QString::fromStdString(name);
}

} // namespace

class TestNameDlg : public QObject {
    Q_OBJECT
private slots:
    void init() { English = 1, UseLanguage(true); }

    void nameIsCheckedOnOK_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");  // "" none, "other" a message of its own
        QTest::addColumn<bool>("accepted");
        const QString tooLong = "Please enter no more than 20 characters.";
        QTest::newRow("20 letters") << "Abcdefghijklmnopqrst" << "" << true;
        QTest::newRow("21 letters") << "Abcdefghijklmnopqrstu" << tooLong << false;
        QTest::newRow("21 Cyrillic letters") << "Абвгдеёжзийклмнопрсту" << tooLong << false;
        QTest::newRow("empty, refused silently") << "" << "" << false;
        QTest::newRow("Chinese, not in Windows-1251") << "玩家" << "other" << false;
    }
    void nameIsCheckedOnOK()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QFETCH(bool, accepted);
        QString shown = "";
        bool open = false;
        int result = 0;
        const QString name = Run([&](CNameDlg* dlg) {
            dlg->m_combo->setEditText(typed);
            QTimer answer;  // answers the message box, if there is one
            connect(&answer, &QTimer::timeout, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                    shown = box->text(), box->accept();
            });
            answer.start(10);
            QTest::mouseClick(dlg->m_btnOK, Qt::LeftButton);
            open = dlg->isVisible() && dlg->focusWidget() && dlg->m_combo->isAncestorOf(dlg->focusWidget());
        }, result);
        QCOMPARE(result, accepted ? int(IDOK) : int(IDCANCEL));
        QCOMPARE(name, accepted ? typed : QStringLiteral("Player"));
        QCOMPARE(open, !accepted);  // and the field is ready for another try
        if (message == "other")
            QVERIFY(!shown.isEmpty() && !shown.contains("20"));
        else
            QCOMPARE(shown, message);
    }

    // Each letter is one opening of the placement dialog: o confirmed, c cancelled.
    void fleetComesFromTheConfirmedPlacementOrAtRandom_data()
    {
        QTest::addColumn<QString>("placements");
        QTest::addColumn<bool>("byHand");
        QTest::newRow("confirmed: the arranged fleet") << "o" << true;
        QTest::newRow("cancelled: random") << "c" << false;
        QTest::newRow("confirmed, then cancelled: the arranged fleet") << "oc" << true;
    }
    void fleetComesFromTheConfirmedPlacementOrAtRandom()
    {
        QFETCH(QString, placements);
        QFETCH(bool, byHand);
        GameSrand(31337);
        CPlayer reference(true);
        reference.PlaceFleetRandom();
        QByteArray expected = Fleet(reference);
        int result = 0;
        Run([&](CNameDlg* dlg) {
            for (const QChar step : placements) {
                WhenModal<CPlaceShipsDlg>([&](CPlaceShipsDlg* placing) {
                    QTest::mouseClick(placing->m_btnRandom, Qt::LeftButton);
                    for (int i = 0; step == 'o' && i < BOARD_CELLS; ++i)
                        expected[i] = char(PlaceGrid[i] ? CELL_SHIP : CELL_WATER);
                    QTest::mouseClick(step == 'o' ? placing->m_btnOK : placing->m_btnCancel, Qt::LeftButton);
                });
                QTest::mouseClick(dlg->m_btnPutShips, Qt::LeftButton);
            }
            GameSrand(31337);
            QTest::mouseClick(dlg->m_btnOK, Qt::LeftButton);
        }, result);
        QCOMPARE(result, int(IDOK));
        QCOMPARE(Fleet(PlayerOne), expected);
        QCOMPARE(Fleet(PlayerOne) == Fleet(reference), !byHand);
    }
};

QTEST_MAIN(TestNameDlg)
#include "tst_namedlg.moc"
