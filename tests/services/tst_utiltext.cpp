#include "support/TestSupport.h"

#include "services/Util.h"

#include <QRandomGenerator>

class TestUtilText : public QObject
{
    Q_OBJECT
private slots:
    void sizeToString_data();
    void sizeToString();
    void sizeToStringMatchesTheDoubleDivision();
    void replaceBlank();
    void timeText();
    void extension_data();
    void extension();
    void iconsAndTypesAreCachedPerExtension();
};

void TestUtilText::sizeToString_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero") << qint64(0) << "0 B";
    QTest::newRow("1024 stays bytes") << qint64(1024) << "1024 B";
    QTest::newRow("1025") << qint64(1025) << "1 KB";
    QTest::newRow("1536") << qint64(1536) << "1.50 KB";
    QTest::newRow("1 MiB stays KB") << qint64(1048576) << "1024 KB";
    QTest::newRow("1 MiB + 1") << qint64(1048577) << "1 MB";
    QTest::newRow("5 GiB") << qint64(5) * 1024 * 1024 * 1024 << "5 GB";
    QTest::newRow("1 TiB has no larger unit") << qint64(1024) * 1024 * 1024 * 1024 << "1024 GB";
    QTest::newRow("DVD") << qint64(4700000000) << "4.38 GB";
}

void TestUtilText::sizeToString()
{
    QFETCH(qint64, bytes);
    QFETCH(QString, text);
    QCOMPARE(Util::SizeToString(bytes), text);
}

namespace {

// The text as a double divided by 1024 per unit and printed with two
// decimals gives it: the reference for the integer formatter.
QString sizeByDouble(qint64 bytes)
{
    static const char* const units[] = {"B", "KB", "MB", "GB"};
    double value = double(bytes);
    int unit = 0;
    while (unit < 3 && value > 1024) {
        value /= 1024;
        ++unit;
    }
    QString number = QString::number(value, 'f', 2);
    if (number.endsWith(".00"))
        number.chop(3);
    return number + " " + units[unit];
}

} // namespace

// Unit edges, exact halves of a hundredth (1152 bytes is 1.125 KB), values
// that round up to the next whole number, and a spread of random sizes.
void TestUtilText::sizeToStringMatchesTheDoubleDivision()
{
    QList<qint64> sizes{-5, 1, 1023, 1152, 1029, 1048575, 1073741823, 1073741825, qint64(1) << 52,
                        (qint64(1) << 53) + 3};
    for (qint64 unit = 1024; unit <= qint64(1024) * 1024 * 1024 * 1024; unit *= 1024) {
        for (qint64 delta = -3; delta <= 3; ++delta)
            sizes << unit + delta << unit * 5 / 8 + delta << unit * 1023 / 1024 + delta;
    }
    QRandomGenerator random(20261208);
    for (int i = 0; i < 200000; ++i)
        sizes << qint64(random.generate64() >> (11 + random.bounded(50)));
    for (qint64 bytes : sizes)
        QCOMPARE(Util::SizeToString(bytes), sizeByDouble(bytes));
}

void TestUtilText::replaceBlank()
{
    QCOMPARE(Util::ReplaceBlank("a     b  c d"), QString("a b c d"));
    QCOMPARE(Util::ReplaceBlank("   "), QString(" "));
    QCOMPARE(Util::ReplaceBlank("tab\t\tstays"), QString("tab\t\tstays"));
    QCOMPARE(Util::ReplaceBlank(""), QString(""));
}

void TestUtilText::timeText()
{
    const QDateTime time(QDate(2026, 1, 9), QTime(7, 5, 3));
    QCOMPARE(Util::QT2String(time), QString("2026-01-09 07:05:03"));
}

void TestUtilText::extension_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("extension");
    QTest::newRow("plain") << "disc.iso" << ".iso";
    QTest::newRow("two dots") << "backup.tar.gz" << ".gz";
    QTest::newRow("no dot") << "README" << "";
    QTest::newRow("only a leading dot") << ".profile" << "";
    QTest::newRow("leading dot and another") << ".config.json" << ".json";
    QTest::newRow("dot in a folder name") << "some.dir/README" << "";
}

void TestUtilText::extension()
{
    QFETCH(QString, name);
    QFETCH(QString, extension);
    QCOMPARE(Util::Extension(name), extension);
}

void TestUtilText::iconsAndTypesAreCachedPerExtension()
{
    Util::m_Icons.clear();
    Util::m_Types.clear();
    const QIcon iso = Util::GetExtensionIcon("a.iso");
    Util::GetExtensionIcon("b.iso");
    Util::GetExtensionIcon("archive.tar.gz");
    Util::GetExtensionIcon(".profile");
    QCOMPARE(Util::m_Icons.keys(), QStringList({"", ".gz", ".iso"}));
    QVERIFY(!iso.isNull());
    QVERIFY(!Util::m_Icons.value("").isNull());

    const QString isoType = Util::GetExtensionString("a.iso");
    QVERIFY(!isoType.isEmpty());
    QCOMPARE(Util::GetExtensionString("OTHER.iso"), isoType);
    QVERIFY(!Util::GetExtensionString("notes.txt").isEmpty());
    Util::GetExtensionString("README");
    QCOMPARE(Util::m_Types.keys(), QStringList({"", ".iso", ".txt"}));
    // No probe file is left behind.
    const QStringList left = QDir::temp().entryList({QCoreApplication::applicationName() + "_*"}, QDir::Files);
    QCOMPARE(left, QStringList());
}

QUILLMERE_TEST_MAIN(TestUtilText)
#include "tst_utiltext.moc"
