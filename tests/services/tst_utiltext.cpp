#include "support/TestSupport.h"

#include "services/Util.h"

class TestUtilText : public QObject
{
    Q_OBJECT
private slots:
    void sizeToString_data();
    void sizeToString();
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
