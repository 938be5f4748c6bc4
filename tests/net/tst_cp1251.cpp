// Names cross the wire as Windows-1251 bytes.
#include "net/cp1251.h"

#include <QTest>

class TestCp1251 : public QObject {
    Q_OBJECT
private slots:
    void namesTravelAsWindows1251_data()
    {
        QTest::addColumn<QByteArray>("utf8");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("fits");
        QTest::newRow("latin") << QByteArray("Player") << QByteArray("Player") << true;
        QTest::newRow("Russian") << QByteArray("Хакер Ёё") << QByteArray("\xD5\xE0\xEA\xE5\xF0 \xA8\xB8") << true;
        QTest::newRow("Ukrainian letters and typography") << QByteArray("ҐЇ€–—№") << QByteArray("\xA5\xAF\x88\x96\x97\xB9") << true;
        QTest::newRow("a letter without a byte becomes ?") << QByteArray("A玩B") << QByteArray("A?B") << false;
        QTest::newRow("accented latin") << QByteArray("José") << QByteArray("Jos?") << false;
        QTest::newRow("emoji") << QByteArray("Sea\xF0\x9F\x8C\x8A") << QByteArray("Sea?") << false;
        QTest::newRow("cut sequence") << QByteArray("Ab\xD0") << QByteArray("Ab?") << false;
        QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << QByteArray("?") << false;
        QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << QByteArray("?") << false;
        QTest::newRow("stray continuation") << QByteArray("\x80") << QByteArray("?") << false;
    }
    void namesTravelAsWindows1251()
    {
        QFETCH(QByteArray, utf8);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, fits);
        QCOMPARE(IsWindows1251Text(utf8.toStdString()), fits);
        QCOMPARE(QByteArray::fromStdString(Utf8ToWindows1251(utf8.toStdString())), bytes);
        if (fits)
            QCOMPARE(QByteArray::fromStdString(Windows1251ToUtf8(bytes.toStdString())), utf8);
    }

    void everyAssignedByteSurvivesTheRoundTrip()
    {
        for (int b = 1; b < 256; ++b) {
            const std::string byte(1, char(b)), utf8 = Windows1251ToUtf8(byte);
            if (b == 0x98)  // the one byte Windows-1251 leaves unassigned
                QCOMPARE(utf8, std::string("\xEF\xBF\xBD"));
            else
                QVERIFY2(IsWindows1251Text(utf8) && Utf8ToWindows1251(utf8) == byte, qPrintable(QString::number(b, 16)));
        }
    }
};

QTEST_APPLESS_MAIN(TestCp1251)
#include "tst_cp1251.moc"
