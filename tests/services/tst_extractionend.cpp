#include "support/OwnAppFolder.h"

#include "edit/CPage4.h"
#include "extract/CPage2.h"
#include "services/Util.h"
#include "support/ArchiveToolStandIn.h"
#include "support/EditImages.h"
#include "support/EditPageDriver.h"
#include "support/ModalAnswerer.h"

#include <QSignalSpy>

using namespace TestSupport;

namespace {

// Extractions run the real 7z, then print what the test put into
// "%2/output" and end with the exit code in "%2/code" when there is one.
const char kScript[] = "#!/bin/sh\n"
                       "[ \"$1\" = x ] || exec '%1' \"$@\"\n"
                       "'%1' \"$@\"; code=$?\n"
                       "[ -f '%2/output' ] && cat '%2/output'\n"
                       "[ -f '%2/code' ] && exit \"$(cat '%2/code')\"\n"
                       "exit $code\n";

QString makeImage(const QString& name, const QByteArray& tail)
{
    const QString source = freshDir("source-" + name);
    writeFile(source + "/readme.txt", "read me\n");
    writeFile(source + "/docs/guide.txt", "a guide\n");
    const QString iso = freshDir("image-" + name) + "/" + name + ".iso";
    int exitCode = -1;
    runTool(Util::GetCurrentExePath() + "/cdrtools/mkisofs", {"-quiet", "-J", "-R", "-o", iso, source}, &exitCode);
    if (exitCode != 0)
        qFatal("mkisofs failed for %s", qPrintable(name));
    QFile image(iso);
    if (!image.open(QIODevice::Append) || image.write(tail) != tail.size())
        qFatal("cannot append to %s", qPrintable(iso));
    return iso;
}

} // namespace

// Both pages that unpack with 7z judge its end by the same rule: only a
// run that ends with exit code 0 and reports no error succeeds.
class TestExtractionEnd : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ArchiveToolStandIn> m_StandIn;
    EditPageDriver m_Driver;

    void setEnding(const QByteArray& output, int code)
    {
        QFile::remove(m_StandIn->folder() + "/output");
        QFile::remove(m_StandIn->folder() + "/code");
        if (!output.isEmpty())
            writeFile(m_StandIn->folder() + "/output", output);
        if (code >= 0)
            writeFile(m_StandIn->folder() + "/code", QByteArray::number(code));
    }

    // Extracts every entry of the image's root on an Extract page; returns
    // the page's verdict and the text of its closing message.
    bool extractPage(const QString& iso, QString* message)
    {
        CPage2 page;
        page.InitializeUI();
        page.show();
        QSignalSpy listed(&page, &CPage2::listingEnded);
        {
            ModalAnswerer answerer({ModalAnswerer::typePath(iso)});
            page.OnLoadISO();
            if (!waitUntil([&] { return listed.count() == 1; }, 30000))
                return false;
        }
        page.slotSelectAll(true);
        QSignalSpy ended(&page, &CPage2::extractionEnded);
        ModalAnswerer answerer({ModalAnswerer::typePath(freshDir("extracted")), ModalAnswerer::clickButton("btnok")});
        page.OnExtract();
        waitUntil([&] { return ended.count() == 1 && answerer.allAnswered(); }, 30000);
        *message = answerer.lastText();
        return ended.count() == 1 && ended.at(0).at(0).toBool();
    }

    // Loads the image on an Edit page; returns whether the page took its
    // unpacking as complete, and the text of any message it showed.
    bool editPage(const QString& iso, QString* message)
    {
        CPage4* page = m_Driver.openPage();
        ModalAnswerer answerer({ModalAnswerer::clickButton("btnok")});
        const bool loaded = m_Driver.load(page, iso);
        *message = answerer.lastText();
        delete page;
        return loaded && answerer.answered() == 0;
    }

private slots:
    void initTestCase() { m_StandIn = std::make_unique<ArchiveToolStandIn>(kScript); }
    void cleanupTestCase() { m_StandIn.reset(); }

    void bothPagesJudgeTheEndAlike_data()
    {
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<int>("code"); // -1: the real 7z's own
        QTest::addColumn<bool>("succeeds");
        QTest::newRow("clean run") << QByteArray() << QByteArray() << -1 << true;
        // 7z warns "There are data after the end of archive" and ends with 0.
        QTest::newRow("image with data after its end") << QByteArray(70000, '\x5a') << QByteArray() << -1 << true;
        QTest::newRow("exit 1, non-fatal errors") << QByteArray() << QByteArray() << 1 << false;
        QTest::newRow("exit 2") << QByteArray() << QByteArray("ERROR: Data Error : docs/guide.txt\n") << 2 << false;
        QTest::newRow("error line, exit 0")
            << QByteArray() << QByteArray(" 50% 1\b\b\b\b\b\b      \b\b\b\b\b\bERROR: Cannot open output file\n") << 0
            << false;
    }

    void bothPagesJudgeTheEndAlike()
    {
        QFETCH(QByteArray, tail);
        QFETCH(QByteArray, output);
        QFETCH(int, code);
        QFETCH(bool, succeeds);
        static int row = 0;
        const QString iso = makeImage(QString("row%1").arg(++row), tail);
        setEnding(output, code);

        QString extractMessage;
        QCOMPARE(extractPage(iso, &extractMessage), succeeds);
        QCOMPARE(extractMessage == "Extract files successfully.", succeeds);

        QString editMessage;
        QCOMPARE(editPage(iso, &editMessage), succeeds);
        QCOMPARE(editMessage.contains("could not be unpacked completely"), !succeeds);
        if (!output.isEmpty())
            QVERIFY2(editMessage.contains("ERROR: "), qPrintable(editMessage));
    }
};

QUILLMERE_TEST_MAIN_IN_OWN_FOLDER(TestExtractionEnd)
#include "tst_extractionend.moc"
