#include "support/TestSupport.h"

#include "extract/CPage2.h"
#include "support/CraftedImage.h"
#include "support/ModalAnswerer.h"
#include "widgets/CImageButton.h"
#include "widgets/FolderView.h"
#include "widgets/SCheckBoxHeaderView.h"

#include <QCryptographicHash>
#include <QDirIterator>
#include <QFileDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>

// Images whose names are no plain file names, or are 7z's wildcards and
// switches, extracted through the Extract page with the real 7z.
namespace {

// Every entry below root except those below skip, with a checksum of each
// file's bytes.
QStringList listingOf(const QString& root, const QString& skip = QString())
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!skip.isEmpty() && path.startsWith(skip + "/"))
            continue;
        const QString shown = path.mid(root.size() + 1);
        const QByteArray sum = QCryptographicHash::hash(TestSupport::readFile(path), QCryptographicHash::Sha1);
        entries << (it.fileInfo().isDir() ? shown + "/" : shown + "=" + sum.toHex());
    }
    entries.sort();
    return entries;
}

QStringList namesIn(const QString& root)
{
    QStringList names = listingOf(root);
    for (QString& name : names)
        name = name.section('=', 0, 0);
    return names;
}

int rowOf(QTableWidget* table, const QString& name)
{
    for (int row = 0; row < table->rowCount(); ++row) {
        if (table->item(row, 0)->text() == name)
            return row;
    }
    return -1;
}

} // namespace

class TestHostileNames : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void namesLeadingOutsideChangeNothingThere_data();
    void namesLeadingOutsideChangeNothingThere();
    void namesReachTheToolLiterally_data();
    void namesReachTheToolLiterally();
    void listingKeepsOrMarksOddNames();
    void twentyThousandTickedFiles();

private:
    bool load(const QString& iso);
    bool extractTo(const QString& destination, bool* succeeded, QString* message);
    bool enter(const QString& folder);
    void tickAll();

    CPage2* m_Page = nullptr;
    QTableWidget* m_List = nullptr;
};

void TestHostileNames::init()
{
    m_Page = new CPage2;
    m_Page->InitializeUI();
    m_Page->show();
    m_List = m_Page->findChild<QTableWidget*>("list");
    QVERIFY(m_List);
}

void TestHostileNames::cleanup()
{
    delete m_Page;
    m_Page = nullptr;
}

bool TestHostileNames::load(const QString& iso)
{
    QSignalSpy ended(m_Page, &CPage2::listingEnded);
    ModalAnswerer answerer({ModalAnswerer::typePath(iso)});
    QTest::mouseClick(m_Page->findChild<CImageButton*>("loadiso"), Qt::LeftButton);
    return TestSupport::waitUntil([&] { return ended.count() == 1; }, 60000) && ended.at(0).at(0).toBool();
}

bool TestHostileNames::extractTo(const QString& destination, bool* succeeded, QString* message)
{
    QSignalSpy ended(m_Page, &CPage2::extractionEnded);
    ModalAnswerer answerer({ModalAnswerer::typePath(destination), ModalAnswerer::clickButton("btnok")});
    m_Page->OnExtract();
    const bool done = TestSupport::waitUntil([&] { return ended.count() == 1 && answerer.allAnswered(); }, 120000);
    *succeeded = done && ended.at(0).at(0).toBool();
    *message = answerer.lastText();
    return done;
}

bool TestHostileNames::enter(const QString& folder)
{
    const int row = rowOf(m_List, folder);
    if (row < 0)
        return false;
    m_List->setCurrentCell(row, 1);
    m_Page->OnListViewDoubleClicked();
    return true;
}

void TestHostileNames::tickAll()
{
    auto* header = qobject_cast<SCheckBoxHeaderView*>(m_List->horizontalHeader());
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(30, header->height() / 2));
}

// A crafted name at the top or in folder "d"; the row named tick is ticked
// (after entering the folders of open), or every row with the header.
// Nothing beside the destination changes, the refused entry is named and
// ok.txt of the same folder arrives whenever it was ticked.
void TestHostileNames::namesLeadingOutsideChangeNothingThere_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("nested");
    QTest::addColumn<QStringList>("open");
    QTest::addColumn<QString>("tick");
    QTest::addColumn<QString>("refused");
    const QStringList none;
    for (bool nested : {false, true}) {
        const QString d = nested ? "d/" : "";
        const QStringList in = nested ? QStringList{"d"} : none;
        const char* level = nested ? "one down: " : "top: ";
        auto row = [&](const char* what) -> QTestData& { return QTest::newRow(qPrintable(level + QString(what))); };
        row("../x ticked") << QByteArray("../x") << nested << in << ".." << "\"" + d + "..\"";
        row("../x inside ..") << QByteArray("../x") << nested << (in + QStringList{".."}) << "x" << d + "../x";
        row("../x all") << QByteArray("../x") << nested << in << "" << "\"" + d + "..\"";
        row("b/../../e in b") << QByteArray("b/../../e") << nested << in << "b" << d + "b/..";
        row("b/../../e all") << QByteArray("b/../../e") << nested << in << "" << d + "b/..";
        row("/tmp/x") << QByteArray("/tmp/x") << nested << in << "" << "\"" + d + "\"";
        row("..") << QByteArray("..") << nested << in << "." << "\"" + d + ".\"";
        row(".. all") << QByteArray("..") << nested << in << "" << "\"" + d + ".\"";
    }
}

void TestHostileNames::namesLeadingOutsideChangeNothingThere()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, nested);
    QFETCH(QStringList, open);
    QFETCH(QString, tick);
    QFETCH(QString, refused);
    CraftedImage image;
    const QList<QByteArray> folder = nested ? QList<QByteArray>{"d"} : QList<QByteArray>();
    image.addFile(QList<QByteArray>(folder) << name, "from the image\n");
    image.addFile(QList<QByteArray>(folder) << "ok.txt", "fine\n");
    const QString parent = TestSupport::freshDir("outside");
    const QString iso = parent + "/../crafted.iso";
    QString error;
    QVERIFY2(image.write(iso, &error), qPrintable(error));
    for (const char* mine : {"x", "e", ".bashrc", "d/x", "tmp/x", "D/x"})
        TestSupport::writeFile(parent + "/" + mine, QByteArray("the user's own ") + mine);
    const QString dest = parent + "/D";
    const QStringList before = listingOf(parent, dest);
    const bool tmpHadX = QFileInfo::exists("/tmp/x");

    QVERIFY(load(iso));
    for (const QString& step : open)
        QVERIFY2(enter(step), qPrintable(step));
    if (tick.isEmpty()) {
        tickAll();
    } else {
        const int row = rowOf(m_List, tick);
        QVERIFY2(row >= 0, qPrintable(tick));
        m_List->item(row, 0)->setCheckState(Qt::Checked);
    }
    bool succeeded = true;
    QString message;
    QVERIFY(extractTo(dest, &succeeded, &message));
    QVERIFY2(!succeeded, qPrintable(message));
    QVERIFY2(message.contains(refused), qPrintable(message));
    QCOMPARE(listingOf(parent, dest), before);
    QCOMPARE(QFileInfo::exists("/tmp/x"), tmpHadX);
    QCOMPARE(TestSupport::readFile(dest + "/x"), QByteArray("the user's own D/x"));
    if (tick.isEmpty() && open.size() == int(nested))
        QCOMPARE(TestSupport::readFile(dest + "/ok.txt"), QByteArray("fine\n"));
    QVERIFY(!namesIn(dest).join('|').contains("quillmere-extract"));
}

// Each ticked name brings that entry alone, into a destination whose name
// holds 7z's wildcard.
void TestHostileNames::namesReachTheToolLiterally_data()
{
    QTest::addColumn<QString>("tick");
    QTest::addColumn<QStringList>("arrives");
    QTest::newRow("*") << "*" << QStringList{"*"};
    QTest::newRow("[a]") << "[a]" << QStringList{"[a]"};
    QTest::newRow("-x") << "-x" << QStringList{"-x"};
    QTest::newRow("@y") << "@y" << QStringList{"@y"};
    QTest::newRow("a, also deeper") << "a" << QStringList{"a"};
    QTest::newRow("blanks around") << " sp " << QStringList{" sp "};
    QTest::newRow("quotes") << "\"q\"" << QStringList{"\"q\""};
    QTest::newRow("folder") << "sub" << QStringList{"sub/", "sub/*", "sub/[a]", "sub/a"};
}

void TestHostileNames::namesReachTheToolLiterally()
{
    QFETCH(QString, tick);
    QFETCH(QStringList, arrives);
    CraftedImage image;
    for (const char* name : {"*", "[a]", "-x", "@y", "a", " sp ", "\"q\"", "b", "sub/*", "sub/a", "sub/[a]",
                             "deep/a/a"})
        image.addFile(CraftedImage::path(name), name);
    const QString parent = TestSupport::freshDir("literal");
    QVERIFY(image.write(parent + "/../literal.iso"));
    QVERIFY(load(parent + "/../literal.iso"));
    m_List->item(rowOf(m_List, tick), 0)->setCheckState(Qt::Checked);
    const QString dest = parent + "/st*ar";
    QDir().mkpath(dest);
    bool succeeded = false;
    QString message;
    QVERIFY(extractTo(dest, &succeeded, &message));
    QVERIFY2(succeeded, qPrintable(message));
    QCOMPARE(namesIn(dest), arrives);
    QCOMPARE(TestSupport::readFile(dest + "/" + arrives.last()),
             arrives.size() == 1 ? tick.toUtf8() : QByteArray("sub/a"));
    QCOMPARE(QDir(parent).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"st*ar"});
}

// A name of hyphens does not end the table; names with a carriage return
// or bytes that are no UTF-8 are shown marked and refused; a name of
// many-byte characters is kept whole.
void TestHostileNames::listingKeepsOrMarksOddNames()
{
    CraftedImage image;
    const QByteArray wide = QString::fromUtf8("文档é").repeated(15).toUtf8();
    image.addFile({"aaa"});
    image.addFile({QByteArray(30, '-')}, "hyphens");
    image.addFile({"c\rr"});
    image.addFile({"b\xff"});
    image.addFile({wide}, "wide");
    image.addFile({"zzz"});
    const QString parent = TestSupport::freshDir("odd");
    QString error;
    QVERIFY2(image.write(parent + "/../odd.iso", &error), qPrintable(error));
    QVERIFY(load(parent + "/../odd.iso"));
    QCOMPARE(m_List->rowCount(), 6);
    QVERIFY(rowOf(m_List, QString(30, '-')) >= 0);
    QVERIFY(rowOf(m_List, "zzz") >= 0);
    QVERIFY(rowOf(m_List, QString::fromUtf8(wide)) >= 0);
    const int cr = rowOf(m_List, QString("c") + QChar(QChar::ReplacementCharacter) + "r");
    QVERIFY(cr >= 0);
    QCOMPARE(m_List->item(cr, 0)->toolTip(), FolderView::UnhandledText());
    tickAll();
    const QString dest = parent + "/D";
    QDir().mkpath(dest);
    bool succeeded = true;
    QString message;
    QVERIFY(extractTo(dest, &succeeded, &message));
    QVERIFY(!succeeded);
    QVERIFY2(message.contains(QString("\"c") + QChar(QChar::ReplacementCharacter) + "r\""), qPrintable(message));
    QCOMPARE(TestSupport::readFile(dest + "/" + QString(30, '-')), QByteArray("hyphens"));
    QCOMPARE(TestSupport::readFile(dest + "/" + QString::fromUtf8(wide)), QByteArray("wide"));
    QCOMPARE(namesIn(dest).size(), 4);
}

// More names than one command line holds reach the tool in its list file.
void TestHostileNames::twentyThousandTickedFiles()
{
    const QString source = TestSupport::freshDir("twenty-source");
    for (int i = 0; i < 20000; ++i)
        TestSupport::writeFile(QString("%1/many/entry with a long name number %2.txt").arg(source).arg(i, 5, 10, QChar('0')),
                               QByteArray::number(i));
    const QString iso = TestSupport::freshDir("twenty") + "/many.iso";
    int exitCode = -1;
    TestSupport::runTool("genisoimage", {"-quiet", "-R", "-o", iso, source}, &exitCode);
    QCOMPARE(exitCode, 0);
    QVERIFY(load(iso));
    QVERIFY(enter("many"));
    QCOMPARE(m_List->rowCount(), 20000);
    tickAll();
    const QString dest = TestSupport::freshDir("twenty-dest");
    bool succeeded = false;
    QString message;
    QVERIFY(extractTo(dest, &succeeded, &message));
    QVERIFY2(succeeded, qPrintable(message));
    QCOMPARE(QDir(dest).entryList(QDir::Files).size(), 20000);
    QCOMPARE(TestSupport::readFile(dest + "/entry with a long name number 19999.txt"), QByteArray("19999"));
}

QUILLMERE_TEST_MAIN(TestHostileNames)
#include "tst_hostilenames.moc"
