#include "support/TestSupport.h"

#include "extract/CPage2.h"
#include "services/Util.h"
#include "support/ModalAnswerer.h"
#include "widgets/CImageButton.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <sys/stat.h>

// Extracted files get the image's stored modes through the user's umask:
// an image that stores 0777 gives no file or folder others may write to.
class TestExtractModes : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void storedModesPassThroughTheUmask();

private:
    QString m_Iso;
};

namespace {

int modeOf(const QString& path)
{
    struct stat status;
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777) : -1;
}

} // namespace

void TestExtractModes::initTestCase()
{
    ::umask(022);
    const QString source = TestSupport::freshDir("modes-source");
    TestSupport::writeFile(source + "/open/all.txt", "everyone may write");
    QVERIFY(::chmod(QFile::encodeName(source + "/open/all.txt").constData(), 0777) == 0);
    QVERIFY(::chmod(QFile::encodeName(source + "/open").constData(), 0777) == 0);
    m_Iso = TestSupport::freshDir("modes-image") + "/modes.iso";
    int exitCode = -1;
    // -R (not -r) stores the modes as they are.
    TestSupport::runTool(Util::GetCurrentExePath() + "/cdrtools/mkisofs", {"-quiet", "-R", "-o", m_Iso, source},
                         &exitCode);
    QCOMPARE(exitCode, 0);
}

void TestExtractModes::storedModesPassThroughTheUmask()
{
    CPage2 page;
    page.InitializeUI();
    page.show();
    auto* list = page.findChild<QTableWidget*>("list");
    QSignalSpy listed(&page, &CPage2::listingEnded);
    ModalAnswerer load({ModalAnswerer::typePath(m_Iso)});
    QTest::mouseClick(page.findChild<CImageButton*>("loadiso"), Qt::LeftButton);
    QVERIFY(TestSupport::waitUntil([&] { return listed.count() == 1; }, 30000));
    QCOMPARE(list->rowCount(), 1);
    list->item(0, 0)->setCheckState(Qt::Checked);

    const QString destination = TestSupport::freshDir("modes-dest");
    QSignalSpy ended(&page, &CPage2::extractionEnded);
    ModalAnswerer answerer({ModalAnswerer::typePath(destination), ModalAnswerer::clickButton("btnok")});
    page.OnExtract();
    QVERIFY(TestSupport::waitUntil([&] { return ended.count() == 1 && answerer.allAnswered(); }, 30000));
    QCOMPARE(answerer.lastText(), QString("Extract files successfully."));
    QCOMPARE(TestSupport::readFile(destination + "/open/all.txt"), QByteArray("everyone may write"));
    QCOMPARE(modeOf(destination + "/open/all.txt"), 0755);
    QCOMPARE(modeOf(destination + "/open"), 0755);
}

QUILLMERE_TEST_MAIN(TestExtractModes)
#include "tst_extractmodes.moc"
