#include "support/TestSupport.h"

#include "create/CPage3.h"
#include "create/CollectionRows.h"
#include "services/CFileCopy.h"
#include "support/ModalAnswerer.h"
#include "support/PickInFileDialog.h"
#include "widgets/CImageButton.h"
#include "widgets/CMyTreeWidget.h"
#include "widgets/CProgressDialog.h"

#include <QDirIterator>
#include <QRadioButton>
#include <QSet>
#include <QStorageInfo>
#include <sys/stat.h>

// Images made through the page's own slots with the real mkisofs, read back
// with readers that are not ours (7z, isoinfo).
class TestCreateRun : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void eachTypeMakesAnImageWithExactlyTheCollection_data();
    void eachTypeMakesAnImageWithExactlyTheCollection();
    void emptyCollectionAsksForFilesFirst();
    void failedRunShowsTheToolsErrorAndNoImage();
    void fullDiskRemovesThePartlyWrittenImage();
    void stopWhileWaitingForTheCopyCancelsTheCreation();
    void largeFilesNeedTheUdfType();
    void jolietKeepsLongNames_data();
    void jolietKeepsLongNames();
    void stagingIsEmptiedAfterCreatingAndFilledForTheNext_data();
    void stagingIsEmptiedAfterCreatingAndFilledForTheNext();
    void leavingThePageEmptiesItsStaging();
    void loopingLinksEndTheCollection();
    void stagingThatFailsNamesThePathAndMakesNoImage_data();
    void stagingThatFailsNamesThePathAndMakesNoImage();

private:
    void collect(CPage3& page);
    bool create(CPage3& page, ModalAnswerer& answerer);
    static QSet<QString> lines(const QByteArray& output, bool latin1 = false);
    static QSet<QString> sevenZipPaths(const QString& image, const QString& type);

    QString m_Src;
    QString m_Out;
    QMap<QString, QString> m_Expected; // image path -> source file ("" for a folder)
};

void TestCreateRun::initTestCase()
{
    // The mask the user's session would give the program.
    ::umask(022);
    m_Src = TestSupport::freshDir("run-src");
    m_Out = TestSupport::freshDir("run-out");
    TestSupport::writeFile(m_Src + "/a file.txt", "first file\n");
    TestSupport::writeFile(m_Src + "/été ü.txt", QByteArray(70000, 'x') + "non-ASCII name");
    TestSupport::writeFile(m_Src + "/remove me.txt", "removed before creating");
    TestSupport::writeFile(m_Src + "/Tree/top.bin", QByteArray::fromHex("00ff10ee") + QByteArray(5000, '\1'));
    TestSupport::writeFile(m_Src + "/Tree/sub dir/déjà vu.txt", "deep");
    TestSupport::writeFile(m_Src + "/Tree/sub dir/more/leaf.txt", "leaf");
    TestSupport::writeFile(m_Src + "/Tree/.hidden", "not collected");
    m_Expected = {{"a file.txt", m_Src + "/a file.txt"},
                  {"été ü.txt", m_Src + "/été ü.txt"},
                  {"Tree", ""},
                  {"Tree/top.bin", m_Src + "/Tree/top.bin"},
                  {"Tree/sub dir", ""},
                  {"Tree/sub dir/déjà vu.txt", m_Src + "/Tree/sub dir/déjà vu.txt"},
                  {"Tree/sub dir/more", ""},
                  {"Tree/sub dir/more/leaf.txt", m_Src + "/Tree/sub dir/more/leaf.txt"}};
}

void TestCreateRun::collect(CPage3& page)
{
    ModalAnswerer answerer({pickInFileDialog({m_Src + "/a file.txt", m_Src + "/été ü.txt", m_Src + "/remove me.txt"}),
                            pickInFileDialog({m_Src + "/Tree"})});
    page.OnAddFile();
    page.form().list->clearSelection();
    page.OnAddDir();
    QVERIFY(answerer.allAnswered());
    QTreeWidgetItemIterator it(page.form().list);
    for (; *it; ++it)
        if (CollectionRows::pathOf(*it) == "remove me.txt")
            (*it)->setSelected(true);
    page.OnRemove();
    QVERIFY(!page.tree().GetItem("remove me.txt"));
}

bool TestCreateRun::create(CPage3& page, ModalAnswerer& answerer)
{
    page.OnCreate();
    return TestSupport::waitUntil([&] { return answerer.allAnswered() && !page.isCreating(); }, 40000);
}

QSet<QString> TestCreateRun::lines(const QByteArray& output, bool latin1)
{
    const QString text = latin1 ? QString::fromLatin1(output) : QString::fromUtf8(output);
    QSet<QString> set;
    for (const QString& line : text.split('\n', Qt::SkipEmptyParts))
        set.insert(line.trimmed());
    return set;
}

QSet<QString> TestCreateRun::sevenZipPaths(const QString& image, const QString& type)
{
    QStringList args{"l", "-slt", "-scsUTF-8"};
    if (!type.isEmpty())
        args << "-t" + type;
    QSet<QString> paths;
    for (const QString& line : lines(TestSupport::runTool("7z", args << image)))
        if (line.startsWith("Path = ") && line != "Path = " + image)
            paths.insert(line.mid(7));
    return paths;
}

void TestCreateRun::eachTypeMakesAnImageWithExactlyTheCollection_data()
{
    QTest::addColumn<QString>("type");
    QTest::newRow("ISO9660 Jolet") << "jolet";
    QTest::newRow("ISO9660") << "iso9600";
    QTest::newRow("UDF ISO") << "udf";
}

void TestCreateRun::eachTypeMakesAnImageWithExactlyTheCollection()
{
    QFETCH(QString, type);
    CPage3 page;
    collect(page);
    page.findChild<QRadioButton*>(type)->setChecked(true);
    const QString image = m_Out + "/made " + type + ".iso";
    ModalAnswerer answerer({saveInFileDialog(image), ModalAnswerer::clickButton("btnok", "CommDialog")});
    QVERIFY(create(page, answerer));
    QCOMPARE(answerer.lastText(), QString("Create ISO successfully!"));
    QCOMPARE(page.outputPath(), image);
    QCOMPARE(int(QFileInfo(image).permissions()), 0x6644); // -rw-r--r--, no one else writes it
    const QStringList flags = type == "jolet" ? QStringList{"-joliet", "-joliet-long"}
                              : type == "iso9600" ? QStringList{"-l"} : QStringList{"-udf"};
    QCOMPARE(page.lastArguments(), flags + QStringList({"-R", "-r", "-o", image + ".part", page.stageDir().chopped(1)}));

    QSet<QString> expected;
    for (auto it = m_Expected.begin(); it != m_Expected.end(); ++it)
        expected.insert("/" + it.key());
    const QByteArray descriptor = TestSupport::runTool("isoinfo", {"-d", "-i", image});
    QVERIFY(descriptor.contains("Rock Ridge signatures"));
    QCOMPARE(descriptor.contains("Joliet with UCS level"), type == "jolet");
    QCOMPARE(lines(TestSupport::runTool("isoinfo", {"-R", "-f", "-i", image})), expected);
    if (type == "jolet")
        QCOMPARE(lines(TestSupport::runTool("isoinfo", {"-J", "-j", "iso8859-1", "-f", "-i", image}), true), expected);

    // 7z reads the UDF file system only where there is one.
    const QString reader = type == "udf" ? "UDF" : QString();
    QCOMPARE(sevenZipPaths(image, reader), QSet<QString>(m_Expected.keyBegin(), m_Expected.keyEnd()));
    if (type != "udf")
        QVERIFY(sevenZipPaths(image, "UDF").isEmpty());

    const QString unpacked = TestSupport::freshDir("unpacked-" + type);
    QStringList args{"x", "-y", "-o" + unpacked};
    if (!reader.isEmpty())
        args << "-t" + reader;
    TestSupport::runTool("7z", args << image);
    for (auto it = m_Expected.begin(); it != m_Expected.end(); ++it) {
        if (it.value().isEmpty())
            QVERIFY2(QFileInfo(unpacked + "/" + it.key()).isDir(), qPrintable(it.key()));
        else
            QVERIFY2(TestSupport::readFile(unpacked + "/" + it.key()) == TestSupport::readFile(it.value()),
                     qPrintable(it.key()));
    }
    QVERIFY(!QFileInfo::exists(unpacked + "/Tree/.hidden"));
    QVERIFY(!QFileInfo::exists(unpacked + "/remove me.txt"));
    QFile::remove(image);
}

void TestCreateRun::emptyCollectionAsksForFilesFirst()
{
    CPage3 page;
    ModalAnswerer answerer({ModalAnswerer::clickButton("btnok", "CommDialog")});
    page.OnCreate();
    QVERIFY(answerer.allAnswered());
    QCOMPARE(answerer.lastText(), QString("Please add files or folders first!"));
}

void TestCreateRun::failedRunShowsTheToolsErrorAndNoImage()
{
    CPage3 page;
    collect(page);
    const QString image = "/proc/a.iso"; // no one may make files there
    QVERIFY(!QFileInfo::exists(image));
    ModalAnswerer answerer({saveInFileDialog(image), ModalAnswerer::clickButton("btnok", "CommDialog")});
    QVERIFY(create(page, answerer));
    QVERIFY2(answerer.lastText().contains("Unable to open disc image file"), qPrintable(answerer.lastText()));
    QVERIFY(!answerer.lastText().contains("successfully"));
    QVERIFY(!QFileInfo::exists(image));
}

void TestCreateRun::fullDiskRemovesThePartlyWrittenImage()
{
    const QString small = TestSupport::freshDir("small-disk");
    if (TestSupport::runTool("mount", {"-t", "tmpfs", "-o", "size=1m", "tmpfs", small}).size() > 0
        || !QFileInfo(small).isWritable())
        QSKIP("a small file system cannot be mounted here");
    QStorageInfo storage(small);
    if (storage.bytesTotal() > 2 << 20) {
        TestSupport::runTool("umount", {small});
        QSKIP("a small file system cannot be mounted here");
    }
    QByteArray noise(3 << 20, '\0');
    for (int i = 0; i < noise.size(); ++i)
        noise[i] = char((quint32(i) * 7919u) >> 3);
    TestSupport::writeFile(m_Out + "/big/noise.bin", noise);
    {
        CPage3 page;
        ModalAnswerer answerer({pickInFileDialog({m_Out + "/big"}), saveInFileDialog(small + "/full.iso"),
                                ModalAnswerer::clickButton("btnok", "CommDialog")});
        page.OnAddDir();
        QVERIFY(create(page, answerer));
        QVERIFY2(answerer.lastText().contains("No space left on device"), qPrintable(answerer.lastText()));
        QVERIFY(!QFileInfo::exists(small + "/full.iso"));
    }
    TestSupport::runTool("umount", {small});
}

void TestCreateRun::stopWhileWaitingForTheCopyCancelsTheCreation()
{
    const QString dir = TestSupport::freshDir("run-slow");
    QStringList slow;
    for (int i = 0; i < 20; ++i) {
        QFile big(dir + QString("/slow%1.bin").arg(i));
        QVERIFY(big.open(QIODevice::WriteOnly) && big.resize(qint64(200) << 20)); // sparse sources
        slow << big.fileName();
    }
    CPage3 page;
    {
        ModalAnswerer answerer({pickInFileDialog(slow)});
        page.OnAddFile();
    }
    const QString image = m_Out + "/stopped.iso";
    bool stopped = false;
    QTimer stopper;
    connect(&stopper, &QTimer::timeout, [&] {
        CProgressDialog* progress = page.progressDialog();
        if (stopped || !progress->isVisible() || progress->text() != "Copy files and folders...")
            return;
        stopped = true;
        QTest::mouseClick(progress->findChild<QWidget*>("btncancel"), Qt::LeftButton);
    });
    stopper.start(5);
    ModalAnswerer answerer({saveInFileDialog(image)});
    page.OnCreate(); // returns once stopped
    QVERIFY(stopped);
    QVERIFY(page.fileCopy()->IsBusy()); // the copy goes on for the collection
    QVERIFY(!page.isCreating());
    QVERIFY(!page.progressDialog()->isVisible());
    QTest::qWait(300);
    QVERIFY(!QApplication::activeModalWidget()); // no success message
    QVERIFY(!QFileInfo::exists(image));
}

void TestCreateRun::largeFilesNeedTheUdfType()
{
    const QString dir = TestSupport::freshDir("run-large");
    QFile huge(dir + "/huge.bin");
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(qint64(4) << 30)); // sparse
    huge.close();
    const QString small = TestSupport::writeFile(dir + "/small.txt", "small");
    CPage3 page;
    {
        ModalAnswerer answerer({pickInFileDialog({small})});
        page.OnAddFile();
    }
    // Collected without a staged copy: the check reads the sizes on disk.
    Item item;
    item.m_Path = "huge.bin";
    item.m_SrcPath = dir + "/huge.bin";
    item.m_IsDir = false;
    page.tree().AddItem(item);

    for (const char* type : {"jolet", "iso9600"}) {
        page.findChild<QRadioButton*>(type)->setChecked(true);
        ModalAnswerer answerer({ModalAnswerer::clickButton("btnok", "CommDialog")});
        page.OnCreate(); // refused before any file dialog
        QVERIFY(answerer.allAnswered());
        QVERIFY2(answerer.lastText().contains("4 GB") && answerer.lastText().contains("UDF ISO"),
                 qPrintable(answerer.lastText()));
    }
    page.findChild<QRadioButton*>("udf")->setChecked(true);
    const QString image = m_Out + "/large.iso";
    ModalAnswerer answerer({saveInFileDialog(image), ModalAnswerer::clickButton("btnok", "CommDialog")});
    QVERIFY(create(page, answerer));
    QCOMPARE(page.lastArguments().mid(0, 2), QStringList({"-udf", "-allow-limited-size"}));
    QCOMPARE(answerer.lastText(), QString("Create ISO successfully!"));
    QFile::remove(image);
}

void TestCreateRun::jolietKeepsLongNames_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("warned");
    QTest::addColumn<bool>("goOn");
    QTest::newRow("80 characters: kept whole") << 80 << false << true;
    QTest::newRow("103 characters: kept whole") << 103 << false << true;
    QTest::newRow("110 characters: named first, created") << 110 << true << true;
    QTest::newRow("110 characters: named first, not created") << 110 << true << false;
}

void TestCreateRun::jolietKeepsLongNames()
{
    QFETCH(int, length);
    QFETCH(bool, warned);
    QFETCH(bool, goOn);
    const QString name = QString(length - 4, QChar('n')) + ".txt";
    const QString file = TestSupport::writeFile(TestSupport::freshDir("long-names") + "/" + name, "long");
    CPage3 page;
    {
        ModalAnswerer answerer({pickInFileDialog({file})});
        page.OnAddFile();
    }
    const QString image = m_Out + "/long names.iso";
    QFile::remove(image);
    QList<ModalAnswerer::Answer> answers;
    if (warned)
        answers << ModalAnswerer::clickButton(goOn ? "btnok" : "btncancel", "CommDialog");
    if (goOn)
        answers << saveInFileDialog(image) << ModalAnswerer::clickButton("btnok", "CommDialog");
    ModalAnswerer answerer(answers);
    QVERIFY(create(page, answerer));
    QCOMPARE(answerer.texts().join('|').contains("these will be shortened"), warned);
    if (warned)
        QVERIFY2(answerer.texts().first().contains(name.left(24)), qPrintable(answerer.texts().first()));
    QCOMPARE(QFileInfo::exists(image), goOn);
    if (!goOn)
        return;
    const QSet<QString> joliet = lines(TestSupport::runTool("isoinfo", {"-J", "-f", "-i", image}));
    QCOMPARE(joliet, QSet<QString>{"/" + name.left(103)});
}

void TestCreateRun::stagingIsEmptiedAfterCreatingAndFilledForTheNext_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("the same collection again") << "";
    QTest::newRow("a file added") << "add";
    QTest::newRow("a file inside an added folder removed") << "remove";
}

void TestCreateRun::stagingIsEmptiedAfterCreatingAndFilledForTheNext()
{
    QFETCH(QString, change);
    CPage3 page;
    collect(page);
    const QString first = m_Out + "/first.iso";
    {
        ModalAnswerer answerer({saveInFileDialog(first), ModalAnswerer::clickButton("btnok", "CommDialog")});
        QVERIFY(create(page, answerer));
        QCOMPARE(answerer.lastText(), QString("Create ISO successfully!"));
    }
    QVERIFY(!page.isStaged());
    QVERIFY(TestSupport::waitUntil([&] { return !page.fileCopy()->IsBusy(); }));
    QVERIFY(!QFileInfo::exists(page.stageDir()));

    QSet<QString> expected(m_Expected.keyBegin(), m_Expected.keyEnd());
    if (change == "add") {
        const QString added = TestSupport::writeFile(TestSupport::freshDir("added") + "/later.txt", "later");
        ModalAnswerer answerer({pickInFileDialog({added})});
        page.form().list->clearSelection();
        page.OnAddFile();
        expected << "later.txt";
    } else if (change == "remove") {
        QTreeWidgetItemIterator it(page.form().list);
        for (; *it; ++it)
            (*it)->setSelected(CollectionRows::pathOf(*it) == "Tree/sub dir/more");
        page.OnRemove();
        expected.remove("Tree/sub dir/more");
        expected.remove("Tree/sub dir/more/leaf.txt");
    }
    QVERIFY(!QFileInfo::exists(page.stageDir())); // nothing is staged before it is needed

    const QString second = m_Out + "/second.iso";
    ModalAnswerer answerer({saveInFileDialog(second), ModalAnswerer::clickButton("btnok", "CommDialog")});
    QVERIFY(create(page, answerer));
    QCOMPARE(answerer.lastText(), QString("Create ISO successfully!"));
    QCOMPARE(sevenZipPaths(second, QString()), expected);
    QFile::remove(first);
    QFile::remove(second);
}

void TestCreateRun::leavingThePageEmptiesItsStaging()
{
    QWidget window;
    auto* page = new CPage3(&window);
    collect(*page);
    QVERIFY(TestSupport::waitUntil([&] { return !page->fileCopy()->IsBusy(); }));
    QVERIFY(QFileInfo::exists(page->stageDir() + "Tree/top.bin"));
    window.show();
    QTest::mouseClick(page->form().back, Qt::LeftButton);
    QVERIFY(!page->isVisible());
    QVERIFY(TestSupport::waitUntil([&] { return !page->fileCopy()->IsBusy(); }));
    QVERIFY(!QFileInfo::exists(page->stageDir()));
}

// A folder holding a link to itself and two folders linking to each other:
// the collection ends, holds each real folder once and the image is made.
void TestCreateRun::loopingLinksEndTheCollection()
{
    const QString dir = TestSupport::freshDir("run-loop") + "/loop";
    TestSupport::writeFile(dir + "/x.txt", "x");
    TestSupport::writeFile(dir + "/p/in-p.txt", "p");
    TestSupport::writeFile(dir + "/q/in-q.txt", "q");
    QVERIFY(QFile::link(".", dir + "/a"));
    QVERIFY(QFile::link("../q", dir + "/p/to-q"));
    QVERIFY(QFile::link("../p", dir + "/q/to-p"));
    CPage3 page;
    {
        ModalAnswerer answerer({pickInFileDialog({dir})});
        page.OnAddDir();
        QVERIFY(answerer.allAnswered());
    }
    QVERIFY(page.tree().GetItem("loop/x.txt"));
    QVERIFY(!page.tree().GetItem("loop/a"));
    QVERIFY(page.tree().GetItem("loop/p/to-q/in-q.txt"));
    QVERIFY(!page.tree().GetItem("loop/p/to-q/to-p"));
    const QString image = m_Out + "/loop.iso";
    ModalAnswerer answerer({saveInFileDialog(image), ModalAnswerer::clickButton("btnok", "CommDialog")});
    QVERIFY(create(page, answerer));
    QCOMPARE(answerer.lastText(), QString("Create ISO successfully!"));
    QCOMPARE(sevenZipPaths(image, QString()),
             QSet<QString>({"loop", "loop/x.txt", "loop/p", "loop/p/in-p.txt", "loop/p/to-q", "loop/p/to-q/in-q.txt",
                            "loop/q", "loop/q/in-q.txt", "loop/q/to-p", "loop/q/to-p/in-p.txt"}));
    QFile::remove(image);
}

void TestCreateRun::stagingThatFailsNamesThePathAndMakesNoImage_data()
{
    QTest::addColumn<bool>("inFolder");
    QTest::newRow("unreadable file") << false;
    QTest::newRow("unreadable file in a folder") << true;
}

void TestCreateRun::stagingThatFailsNamesThePathAndMakesNoImage()
{
    QFETCH(bool, inFolder);
    const QString src = TestSupport::freshDir("run-failing-src");
    TestSupport::writeFile(src + "/Folder/kept.txt", "kept");
    const QString file = TestSupport::writeFile(src + "/single.txt", "single");
    // Reading this process's memory file from offset 0 fails.
    const QString failing = inFolder ? src + "/Folder/unreadable" : src + "/unreadable";
    QVERIFY(QFile::link("/proc/self/mem", failing));
    CPage3 page;
    {
        ModalAnswerer answerer({pickInFileDialog({file, inFolder ? file : failing}), pickInFileDialog({src + "/Folder"})});
        page.OnAddFile();
        page.form().list->clearSelection();
        page.OnAddDir();
        QVERIFY(answerer.allAnswered());
    }
    const QString image = m_Out + "/failed-staging.iso";
    ModalAnswerer answerer({saveInFileDialog(image), ModalAnswerer::clickButton("btnok", "CommDialog")});
    QVERIFY(create(page, answerer));
    QVERIFY2(answerer.lastText().contains(failing), qPrintable(answerer.lastText()));
    QVERIFY(!answerer.lastText().contains("successfully"));
    QVERIFY(!QFileInfo::exists(image));
}

QUILLMERE_TEST_MAIN(TestCreateRun)
#include "tst_createrun.moc"
