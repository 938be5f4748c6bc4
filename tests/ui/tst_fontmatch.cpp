// The faces the board's texts come out in: the weight the drawing asks for,
// not the nearest face of a family that lacks it.
#include "ui/qtdrawcontext.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QtTest>

class TestFontMatch : public QObject {
    Q_OBJECT
private slots:
    void textsComeOutInTheWeightAskedFor_data()
    {
        QTest::addColumn<QString>("face");
        QTest::addColumn<int>("weight");
        QTest::newRow("the ship counts, regular") << "Benguiat Bk BT" << 400;
        QTest::newRow("the captions, regular") << "Courier" << 400;
    }
    void textsComeOutInTheWeightAskedFor()
    {
        QFETCH(QString, face);
        QFETCH(int, weight);
        const QFontInfo shown(CQtDrawContext::MakeFont(CFontSpec{face.toStdString(), 20, weight}));
        QCOMPARE(QFontDatabase::weight(shown.family(), shown.styleName()), weight);
        QVERIFY(!QFontDatabase::italic(shown.family(), shown.styleName()));
    }
};

QTEST_MAIN(TestFontMatch)
#include "tst_fontmatch.moc"
