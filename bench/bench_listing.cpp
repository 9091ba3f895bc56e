// Lists a generated image of about 40,000 entries (200 folders of 100 files
// and one folder of 20,000 files) through the runner and the listing reader
// that the Extract page uses, next to a raw "7z l" of the same image; then
// shows the 20,000-entry folder in the page's table next to a bare
// QTableWidget filled with the same texts.
#include "support/TestSupport.h"

#include "edit/CPage4.h"
#include "widgets/FolderView.h"
#include "support/EditPageDriver.h"
#include "model/ListingReader.h"
#include "services/ArchiveTool.h"
#include "services/CRunCommandThread.h"

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTableWidget>
#include <cstdio>
#include <sys/resource.h>

namespace {

const int kFolders = 200;
const int kFilesPerFolder = 100;
const int kBigFolderFiles = 20000;
const int kRounds = 5;

QString makeImage()
{
    const QString root = QDir::tempPath() + "/quillmere-bench-listing";
    const QString iso = root + "/listing.iso";
    if (QFileInfo(iso).size() > 0)
        return iso;
    const QString source = root + "/source";
    QDir(source).removeRecursively();
    for (int folder = 0; folder < kFolders; ++folder) {
        const QString dir = QString("%1/folder %2").arg(source).arg(folder, 3, 10, QChar('0'));
        QDir().mkpath(dir);
        for (int file = 0; file < kFilesPerFolder; ++file)
            TestSupport::writeFile(QString("%1/file %2.txt").arg(dir).arg(file), QByteArray::number(file));
    }
    const QString big = source + "/big";
    QDir().mkpath(big);
    for (int file = 0; file < kBigFolderFiles; ++file)
        TestSupport::writeFile(QString("%1/entry%2.dat").arg(big).arg(file, 5, 10, QChar('0')), "x");
    int exitCode = -1;
    TestSupport::runTool("mkisofs", {"-quiet", "-J", "-R", "-o", iso, source}, &exitCode, 600000);
    QDir(source).removeRecursively();
    if (exitCode != 0)
        qFatal("mkisofs failed");
    return iso;
}

double rawListingMs(const QString& iso)
{
    QElapsedTimer timer;
    timer.start();
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(ArchiveTool::program(), ArchiveTool::listArgs(iso));
    process.waitForFinished(-1);
    const QByteArray output = process.readAll();
    const double ms = timer.nsecsElapsed() / 1e6;
    if (!output.contains("-------------------"))
        qFatal("raw listing failed");
    return ms;
}

// Until the second separator has been read into the tree, as the page
// sees the listing end; the end of the process is also measured.
double runnerListingMs(const QString& iso, CTree& tree, double* processEndMs)
{
    ListingReader reader(tree);
    reader.Start(iso);
    QEventLoop loop;
    QElapsedTimer timer;
    double completeMs = -1;
    auto* runner = new CRunCommandThread;
    runner->SetRunCmd(ArchiveTool::program(), ArchiveTool::listArgs(iso));
    runner->m_bRawOutput = true;
    QObject::connect(runner, &CRunCommandThread::standoutputbytes, &loop, [&](const QByteArray& bytes) {
        if (reader.ReadOutput(bytes))
            completeMs = timer.nsecsElapsed() / 1e6;
    });
    QObject::connect(runner, &CRunCommandThread::sigfinished, &loop, [&] {
        *processEndMs = timer.nsecsElapsed() / 1e6;
        loop.quit();
    });
    timer.start();
    runner->start();
    loop.exec();
    runner->release();
    if (completeMs < 0)
        qFatal("listing did not complete");
    return completeMs;
}

// The reader alone, fed the same lines from memory.
double readerOnlyMs(const QString& iso)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(ArchiveTool::program(), ArchiveTool::listArgs(iso));
    process.waitForFinished(-1);
    const QByteArray output = process.readAll();
    CTree tree;
    ListingReader reader(tree);
    QElapsedTimer timer;
    timer.start();
    reader.Start(iso);
    reader.ReadOutput(output);
    return timer.nsecsElapsed() / 1e6;
}

// Kept out of line, so that callgrind can count each fill on its own
// (--toggle-collect='*pageTableMs*' and so on).
__attribute__((noinline)) double pageTableMs(QTableWidget& table, const Item* folder)
{
    QElapsedTimer timer;
    timer.start();
    FolderView::FillTable(&table, folder);
    return timer.nsecsElapsed() / 1e6;
}

__attribute__((noinline)) double bareTableMs(QTableWidget& table, const QVector<QStringList>& rows)
{
    QElapsedTimer timer;
    timer.start();
    table.setRowCount(0);
    table.setRowCount(rows.size());
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < 4; ++column)
            table.setItem(row, column, new QTableWidgetItem(rows[row][column]));
    }
    return timer.nsecsElapsed() / 1e6;
}

// CPU time of this process's own threads (the tool is a child of its own).
double ownCpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

// The Edit page's table of the same folder: its own fill, with the search
// filter and each row's entry.
double editPageTableMs(const QString& iso, int* rows)
{
    EditPageDriver driver;
    CPage4* page = driver.openPage();
    if (!driver.startLoad(page, iso))
        qFatal("the Edit page did not list the image");
    QTableWidget* list = EditPageDriver::table(page);
    list->setCurrentCell(EditPageDriver::rowOf(page, "big"), 1);
    page->OnListViewDoubleClicked();
    QVector<double> times;
    for (int round = 0; round < kRounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        page->RefreshTable();
        times << timer.nsecsElapsed() / 1e6;
        QCoreApplication::processEvents();
    }
    *rows = list->rowCount();
    TestSupport::waitUntil([page] { return !page->isExtracting(); }, 600000);
    delete page;
    return *std::min_element(times.begin(), times.end());
}

double best(const QVector<double>& values)
{
    return *std::min_element(values.begin(), values.end());
}

} // namespace

int main(int argc, char** argv)
{
    AppResources::init();
    QApplication app(argc, argv);
    const QString iso = makeImage();

    QVector<double> raw, listed, processEnd, readerOnly, ownCpu;
    int entries = 0;
    CTree tree;
    for (int round = 0; round < kRounds; ++round) {
        raw << rawListingMs(iso);
        double endMs = 0;
        const double cpuBefore = ownCpuMs();
        listed << runnerListingMs(iso, tree, &endMs);
        ownCpu << ownCpuMs() - cpuBefore;
        processEnd << endMs;
        readerOnly << readerOnlyMs(iso);
    }
    const Item* big = tree.GetItem("big");
    entries = big ? big->m_Children.size() : 0;
    std::printf("image: %s (%d entries in big)\n", qPrintable(iso), entries);
    std::printf("raw 7z l:               %8.1f ms (best of %d)\n", best(raw), kRounds);
    std::printf("listing into tree:      %8.1f ms (best of %d; process end seen after %.1f ms)\n",
                best(listed), kRounds, best(processEnd));
    std::printf("own CPU while listing:  %8.1f ms (runner thread and interface thread, best of %d)\n",
                best(ownCpu), kRounds);
    std::printf("reader alone:           %8.1f ms (the same lines from memory)\n", best(readerOnly));
    std::printf("listing ratio:          %8.2f (goal <= 1.3)\n", best(listed) / best(raw));

    QTableWidget table(0, 4);
    table.resize(561, 350);
    table.show();
    QTableWidget bare(0, 4);
    bare.resize(561, 350);
    bare.show();
    QVector<QStringList> rows;
    FolderView::FillTable(&table, big);
    for (int row = 0; row < table.rowCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < 4; ++column)
            texts << table.item(row, column)->text();
        rows << texts;
    }
    QVector<double> pageTimes, bareTimes;
    for (int round = 0; round < kRounds; ++round) {
        pageTimes << pageTableMs(table, big);
        QCoreApplication::processEvents();
        bareTimes << bareTableMs(bare, rows);
        QCoreApplication::processEvents();
    }
    std::printf("page table (%d rows):  %8.1f ms (best of %d)\n", table.rowCount(), best(pageTimes), kRounds);
    std::printf("bare QTableWidget:      %8.1f ms (best of %d)\n", best(bareTimes), kRounds);
    std::printf("table ratio:            %8.2f (goal <= 1.5)\n", best(pageTimes) / best(bareTimes));
    int editRows = 0;
    const double editMs = editPageTableMs(iso, &editRows);
    std::printf("Edit page table (%d):  %8.1f ms (best of %d); ratio to bare %.2f\n", editRows, editMs, kRounds,
                editMs / best(bareTimes));
    return 0;
}
