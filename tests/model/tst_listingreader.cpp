#include "support/TestSupport.h"

#include "model/ListingParser.h"
#include "model/ListingReader.h"

#include <QRandomGenerator>

namespace {

const QString kSeparator = "------------------- ----- ------------ ------------  ------------------------";

// A table row laid out as the tool prints it.
QString row(const QString& attributes, const QString& size, const QString& path,
            const QString& time = "2026-01-02 03:04:05")
{
    return time + " " + attributes + " " + size.rightJustified(12) + " " + size.rightJustified(12) + "  " + path;
}

// Feeds a recorded output line by line; returns how many lines completed
// the listing.
int feedFixture(ListingReader& reader, const QString& name)
{
    const QByteArray text = TestSupport::readFile(TestSupport::fixture("7z-26.02/listing/" + name));
    if (text.isEmpty())
        qFatal("missing fixture %s", qPrintable(name));
    int completions = 0;
    for (const QString& line : QString::fromUtf8(text).split('\n'))
        completions += reader.ReadLine(line) ? 1 : 0;
    return completions;
}

void describe(const Item& folder, QStringList& out)
{
    for (const Item* child : folder.m_Children) {
        out << QString("%1|%2|%3|%4").arg(child->m_Path, child->m_Size, child->m_Time).arg(child->m_IsDir);
        describe(*child, out);
    }
}

// Feeds the output in pieces cut at the given offsets, as reads may end
// anywhere; returns the tree and counts the completions.
QStringList readCuts(const QByteArray& output, QList<int> cuts, int* completions)
{
    CTree tree;
    ListingReader reader(tree);
    reader.Start("x.iso");
    *completions = 0;
    cuts << output.size();
    int at = 0;
    for (int cut : cuts) {
        *completions += reader.ReadOutput(output.mid(at, cut - at)) ? 1 : 0;
        at = cut;
    }
    *completions += reader.EndOfOutput() ? 1 : 0;
    QStringList out;
    describe(tree.m_Root, out);
    return out;
}

QByteArray table(const QList<QByteArray>& rows)
{
    QByteArray text = "\n   Date      Time    Attr         Size   Compressed  Name\n" + kSeparator.toUtf8() + "\n";
    for (const QByteArray& row : rows)
        text += row + "\n";
    return text + kSeparator.toUtf8() + "\n2026-01-02 03:04:05                  3            3  1 files\n";
}

QByteArray fileRow(const QByteArray& path)
{
    return "2026-01-02 03:04:05 .....            3            3  " + path;
}

QStringList names(const Item& folder)
{
    QStringList result;
    for (const Item* child : folder.m_Children)
        result << child->GetName();
    return result;
}

} // namespace

class TestListingReader : public QObject
{
    Q_OBJECT
private slots:
    void folderRowWithZeroSizes();
    void folderRowWithBlankSizeColumn();
    void fileRowsAndLowerCaseD();
    void shortRowsLeaveFieldsEmpty();
    void pathIsTakenVerbatim();
    void separatorIsFoundByItsPosition();
    void namesThatLookLikeOtherThings_data();
    void namesThatLookLikeOtherThings();
    void randomCutsReadLikeTheWholeOutput();
    void readsANestedImage();
    void readsTheGrubRescueImageWithItsBootFolder();
    void emptyImageCompletesEmpty();
    void onlyTableRowsAreItems();
    void laterFolderRowKeepsTheImplicitFolder();
    void unreadableFilesNeverComplete_data();
    void unreadableFilesNeverComplete();
    void startResetsAnAbortedListing();
};

void TestListingReader::folderRowWithZeroSizes()
{
    const Item item = ListingParser::ParseRow(row("D....", "0", "boot"));
    QVERIFY(item.m_IsDir);
    QCOMPARE(item.m_Path, QString("boot"));
    QCOMPARE(item.m_Size, QString("0"));
    QCOMPARE(item.m_Time, QString("2026-01-02 03:04:05"));
    QVERIFY(item.m_SrcPath.isEmpty());
    QVERIFY(item.m_Children.isEmpty());
}

void TestListingReader::folderRowWithBlankSizeColumn()
{
    const Item item = ListingParser::ParseRow("2026-05-03 22:12:13 D....                            boot/grub\n");
    QVERIFY(item.m_IsDir);
    QCOMPARE(item.m_Path, QString("boot/grub"));
    QCOMPARE(item.m_Size, QString());
}

void TestListingReader::fileRowsAndLowerCaseD()
{
    const Item file = ListingParser::ParseRow(row("....A", "2392304", "boot/grub/fonts/unicode.pf2"));
    QVERIFY(!file.m_IsDir);
    QCOMPARE(file.m_Size, QString("2392304"));
    QVERIFY(!ListingParser::ParseRow(row("d....", "1", "x")).m_IsDir);
    QVERIFY(ListingParser::ParseRow(row("..D..", "1", "x")).m_IsDir);
    // The size column is kept as text even when it is not a number.
    QCOMPARE(ListingParser::ParseRow(row(".....", "12ab", "x")).m_Size, QString("12ab"));
}

void TestListingReader::shortRowsLeaveFieldsEmpty()
{
    const Item tiny = ListingParser::ParseRow("2026-01-02");
    QVERIFY(tiny.m_Time.isEmpty() && tiny.m_Size.isEmpty() && tiny.m_Path.isEmpty());
    QVERIFY(!tiny.m_IsDir);
    const Item noPath = ListingParser::ParseRow(row("D....", "5", "").left(53));
    QCOMPARE(noPath.m_Time, QString("2026-01-02 03:04:05"));
    QVERIFY(noPath.m_IsDir);
    QCOMPARE(noPath.m_Size, QString("5"));
    QVERIFY(noPath.m_Path.isEmpty());
    QCOMPARE(ListingParser::ParseRow(row(".....", "5", "x")).m_Path, QString("x"));
}

void TestListingReader::pathIsTakenVerbatim()
{
    QCOMPARE(ListingParser::ParseRow(row(".....", "1", " lead and trail  ")).m_Path, QString(" lead and trail  "));
    QCOMPARE(ListingParser::ParseRow(row(".....", "1", "Ünïcødé/日本語.txt")).m_Path, QString("Ünïcødé/日本語.txt"));
    // The pseudo folder of the boot record has no date.
    const Item boot = ListingParser::ParseRow(row(".....", "2048", "[BOOT]/Boot-NoEmul.img", QString(19, ' ')));
    QCOMPARE(boot.m_Path, QString("[BOOT]/Boot-NoEmul.img"));
    QCOMPARE(boot.m_Size, QString("2048"));
}

void TestListingReader::separatorIsFoundByItsPosition()
{
    QVERIFY(ListingParser::IsSeparator(kSeparator));
    QVERIFY(!ListingParser::IsSeparator(row(".....", "1", "a-------------------b")));
    QVERIFY(!ListingParser::IsSeparator(row(".....", "1", kSeparator)));
    QVERIFY(!ListingParser::IsSeparator(QString(18, '-')));
    QVERIFY(!ListingParser::IsSeparator("--"));
}

// Names the tool prints as they are, which a reader of lines could take
// for the table's end, cut or change; each row is kept, or marked where
// its name on screen would not be its name on disk.
void TestListingReader::namesThatLookLikeOtherThings_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("handled");
    QTest::newRow("19 hyphens") << QByteArray(19, '-') << QString(19, '-') << true;
    QTest::newRow("a separator") << kSeparator.toUtf8() << kSeparator << true;
    QTest::newRow("carriage return") << QByteArray("c\rr") << QString("c\rr") << false;
    QTest::newRow("trailing carriage return") << QByteArray("cr\r") << QString("cr\r") << false;
    QTest::newRow("two-byte characters") << QByteArray("\xc3\xa9t\xc3\xa9") << QString::fromUtf8("été") << true;
    QTest::newRow("four-byte character") << QByteArray("\xf0\x9f\x98\x80") << QString::fromUtf8("😀") << true;
    QTest::newRow("not UTF-8") << QByteArray("a\xff\xfe" "b") << QString() << false;
    QTest::newRow("cut UTF-8") << QByteArray("a\xc3") << QString() << false;
}

void TestListingReader::namesThatLookLikeOtherThings()
{
    QFETCH(QByteArray, name);
    QFETCH(QString, path);
    QFETCH(bool, handled);
    const QByteArray output = table({fileRow("before"), fileRow(name), fileRow("after")});
    CTree tree;
    ListingReader reader(tree);
    reader.Start("x.iso");
    QVERIFY(reader.ReadOutput(output));
    QCOMPARE(reader.RowCount(), 3);
    QCOMPARE(tree.m_Root.m_Children.size(), 3);
    const Item* entry = tree.m_Root.m_Children.at(1);
    if (!path.isEmpty())
        QCOMPARE(entry->m_Path, path);
    QCOMPARE(entry->CanBeHandled(), handled);
    QCOMPARE(tree.m_Root.m_Children.at(2)->m_Path, QString("after"));
}

// Whatever the reads' ends, every row reads as it does whole: a character
// cut in two keeps its bytes.
void TestListingReader::randomCutsReadLikeTheWholeOutput()
{
    const QByteArray output =
        table({fileRow("\xc3\xa9t\xc3\xa9/\xe6\x96\x87\xe6\xa1\xa3.txt"), fileRow(QByteArray(24, '-')),
               fileRow("c\rr"), fileRow("\xf0\x9f\x98\x80 x")})
        + TestSupport::readFile(TestSupport::fixture("7z-26.02/listing/nested.txt"));
    int completions = 0;
    const QStringList whole = readCuts(output, {}, &completions);
    QCOMPARE(completions, 1);
    QVERIFY(whole.join('\n').contains(QString::fromUtf8("été/文档.txt")));
    QRandomGenerator random(15);
    for (int round = 0; round < 2000; ++round) {
        QList<int> cuts;
        for (int at = random.bounded(1, 40); at < output.size(); at += random.bounded(1, 120))
            cuts << at;
        QCOMPARE(readCuts(output, cuts, &completions), whole);
        QCOMPARE(completions, 1);
    }
}

void TestListingReader::readsANestedImage()
{
    CTree tree;
    ListingReader reader(tree);
    reader.Start("/some/where/fx.iso");
    QCOMPARE(tree.m_Name, QString("fx.iso"));
    QCOMPARE(feedFixture(reader, "nested.txt"), 1);
    QVERIFY(reader.IsComplete());
    QVERIFY(!reader.InListing());
    QCOMPARE(reader.RowCount(), 8);
    QVERIFY(reader.ToolErrors().isEmpty());
    QCOMPARE(names(tree.m_Root), QStringList({"dir one", "empty", "top.txt", "trailing blank ", "Ünïcødé"}));
    Item* sub = tree.GetItem("dir one/sub");
    QVERIFY(sub && sub->m_IsDir && sub->m_Size.isEmpty());
    Item* file = tree.GetItem("dir one/sub/f g.txt");
    QVERIFY(file && !file->m_IsDir);
    QCOMPARE(file->m_Size, QString("3"));
    QCOMPARE(file->m_Time, QString("2026-01-02 03:04:05"));
    QVERIFY(tree.GetItem("Ünïcødé/日本語.txt"));
    QVERIFY(tree.GetItem("empty")->m_Children.isEmpty());
}

void TestListingReader::readsTheGrubRescueImageWithItsBootFolder()
{
    CTree tree;
    ListingReader reader(tree);
    reader.Start("grub-rescue-cdrom.iso");
    QCOMPARE(feedFixture(reader, "grub-rescue-cdrom.txt"), 1);
    QCOMPARE(names(tree.m_Root), QStringList({"boot", "boot.catalog", "[BOOT]"}));
    Item* bootFolder = tree.GetItem("[BOOT]");
    QVERIFY(bootFolder && bootFolder->m_IsDir);
    QCOMPARE(names(*bootFolder), QStringList({"Boot-NoEmul.img"}));
    QCOMPARE(tree.GetItem("[BOOT]/Boot-NoEmul.img")->m_Size, QString("2048"));
    QVERIFY(tree.GetItem("boot/grub/i386-pc")->m_Children.size() > 250);
    QCOMPARE(tree.GetItem("boot/grub/fonts/unicode.pf2")->m_Size, QString("2392304"));
}

void TestListingReader::emptyImageCompletesEmpty()
{
    CTree tree;
    ListingReader reader(tree);
    reader.Start("empty.iso");
    QCOMPARE(feedFixture(reader, "empty.txt"), 1);
    QVERIFY(tree.m_Root.m_Children.isEmpty());
    QCOMPARE(reader.RowCount(), 0);
}

void TestListingReader::onlyTableRowsAreItems()
{
    CTree tree;
    ListingReader reader(tree);
    reader.Start("x.iso");
    QVERIFY(!reader.ReadLine(row("D....", "0", "before")));
    QVERIFY(!reader.ReadLine(kSeparator));
    QVERIFY(reader.InListing());
    QVERIFY(!reader.ReadLine(row(".....", "1", "inside")));
    QVERIFY(reader.ReadLine(kSeparator));
    QVERIFY(!reader.ReadLine(row(".....", "1", "after")));
    QVERIFY(!reader.ReadLine(kSeparator));
    QVERIFY(!reader.ReadLine(row(".....", "1", "later")));
    QCOMPARE(names(tree.m_Root), QStringList({"inside"}));
}

void TestListingReader::laterFolderRowKeepsTheImplicitFolder()
{
    CTree tree;
    ListingReader reader(tree);
    reader.Start("x.iso");
    reader.ReadLine(kSeparator);
    reader.ReadLine(row(".....", "4", "a/b/file"));
    reader.ReadLine(row("D....", "", "a", "2030-01-01 00:00:00"));
    reader.ReadLine(row(".....", "9", "a/b/file"));
    reader.ReadLine(kSeparator);
    QVERIFY(tree.GetItem("a")->m_Time.isEmpty());
    QVERIFY(tree.GetItem("a/b")->m_IsDir);
    QCOMPARE(tree.GetItem("a/b/file")->m_Size, QString("4"));
    QCOMPARE(tree.GetItem("a/b")->m_Children.size(), 1);
}

void TestListingReader::unreadableFilesNeverComplete_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("error");
    QTest::newRow("text file") << "not-an-image.txt" << "ERROR: text.iso : Cannot open the file as archive";
    QTest::newRow("missing file") << "missing-file.txt" << "errno=2 : No such file or directory";
}

void TestListingReader::unreadableFilesNeverComplete()
{
    QFETCH(QString, fixture);
    QFETCH(QString, error);
    CTree tree;
    ListingReader reader(tree);
    reader.Start("x.iso");
    QCOMPARE(feedFixture(reader, fixture), 0);
    QVERIFY(!reader.IsComplete());
    QVERIFY(tree.m_Root.m_Children.isEmpty());
    QVERIFY2(reader.ToolErrors().contains(error), qPrintable(reader.ToolErrors().join(" | ")));
}

void TestListingReader::startResetsAnAbortedListing()
{
    CTree tree;
    ListingReader reader(tree);
    reader.Start("first.iso");
    reader.ReadLine(kSeparator);
    reader.ReadLine(row(".....", "1", "half"));
    reader.Start("/a/second.iso");
    QVERIFY(!reader.InListing());
    QVERIFY(tree.m_Root.m_Children.isEmpty());
    QCOMPARE(tree.m_Name, QString("second.iso"));
    QCOMPARE(feedFixture(reader, "truncated.txt"), 1);
    QVERIFY(tree.GetItem("[BOOT]/Boot-NoEmul.img"));
    QVERIFY2(reader.ToolErrors().contains("Unexpected end of archive"), qPrintable(reader.ToolErrors().join(" | ")));
}

QUILLMERE_TEST_MAIN(TestListingReader)
#include "tst_listingreader.moc"
