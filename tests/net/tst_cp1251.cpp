#include "net/cp1251.h"

#include <QTest>

#include <string>

class TestCp1251 : public QObject {
    Q_OBJECT
private slots:
    void namesAreCheckedForTheWire_data();
    void namesAreCheckedForTheWire();
    void everyByteSurvivesTheRoundTrip();
    void knownLettersHaveTheirBytes_data();
    void knownLettersHaveTheirBytes();
    void foreignLettersBecomeQuestionMarks();
};

void TestCp1251::namesAreCheckedForTheWire_data()
{
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<bool>("fits");
    QTest::newRow("latin") << QByteArray("Player") << true;
    QTest::newRow("cyrillic") << QByteArray("Игрок Ёжиков") << true;
    QTest::newRow("ukrainian letters") << QByteArray("Ґалина Їжак") << true;
    QTest::newRow("euro and dashes") << QByteArray("€ – — №") << true;
    QTest::newRow("empty") << QByteArray("") << true;
    QTest::newRow("chinese") << QByteArray("玩家") << false;
    QTest::newRow("latin with accent") << QByteArray("José") << false;
    QTest::newRow("emoji") << QByteArray("Sea\xF0\x9F\x8C\x8A") << false;
    QTest::newRow("cut sequence") << QByteArray("Ab\xD0") << false;
    QTest::newRow("overlong slash") << QByteArray("\xC0\xAF") << false;
    QTest::newRow("surrogate") << QByteArray("\xED\xA0\x80") << false;
    QTest::newRow("stray continuation") << QByteArray("\x80") << false;
}

void TestCp1251::namesAreCheckedForTheWire()
{
    QFETCH(QByteArray, utf8);
    QFETCH(bool, fits);
    QCOMPARE(IsWindows1251Text(utf8.toStdString()), fits);
}

void TestCp1251::everyByteSurvivesTheRoundTrip()
{
    for (int b = 1; b < 256; ++b) {
        if (b == 0x98)
            continue;  // the one byte Windows-1251 leaves unassigned
        const std::string byte(1, char(b));
        const std::string utf8 = Windows1251ToUtf8(byte);
        QVERIFY2(IsWindows1251Text(utf8), qPrintable(QString::number(b, 16)));
        QCOMPARE(Utf8ToWindows1251(utf8), byte);
    }
}

void TestCp1251::knownLettersHaveTheirBytes_data()
{
    QTest::addColumn<QByteArray>("utf8");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("А") << QByteArray("А") << QByteArray("\xC0");
    QTest::newRow("я") << QByteArray("я") << QByteArray("\xFF");
    QTest::newRow("Ё") << QByteArray("Ё") << QByteArray("\xA8");
    QTest::newRow("ё") << QByteArray("ё") << QByteArray("\xB8");
    QTest::newRow("№") << QByteArray("№") << QByteArray("\xB9");
    QTest::newRow("Хакер") << QByteArray("Хакер") << QByteArray("\xD5\xE0\xEA\xE5\xF0");
}

void TestCp1251::knownLettersHaveTheirBytes()
{
    QFETCH(QByteArray, utf8);
    QFETCH(QByteArray, bytes);
    QCOMPARE(QByteArray::fromStdString(Utf8ToWindows1251(utf8.toStdString())), bytes);
    QCOMPARE(QByteArray::fromStdString(Windows1251ToUtf8(bytes.toStdString())), utf8);
}

void TestCp1251::foreignLettersBecomeQuestionMarks()
{
    QCOMPARE(Utf8ToWindows1251("A玩B"), std::string("A?B"));
    QCOMPARE(Windows1251ToUtf8("\x98"), std::string("\xEF\xBF\xBD"));
}

QTEST_APPLESS_MAIN(TestCp1251)
#include "tst_cp1251.moc"
