// Loads and saves an unchanged 1 GB bootable image through the Edit page and
// compares the time with a raw "7z x" plus the same mkisofs command, over
// several rounds that alternate which side runs first.
#include "support/TestSupport.h"

#include "edit/CPage4.h"
#include "services/ArchiveTool.h"
#include "services/Util.h"
#include "services/WorkFolder.h"
#include "support/EditImages.h"
#include "support/ModalAnswerer.h"

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

using namespace TestSupport;

namespace {

const int kFileCount = 8;
const qint64 kFileSize = 128LL * 1024 * 1024;
const int kRounds = 9;

QString buildLargeImage(const QString& dir)
{
    const QString iso = EditImages::buildIsolinuxImage(dir);
    if (iso.isEmpty())
        return QString();
    // Incompressible content, so that no tool gains by it.
    for (int i = 0; i < kFileCount; ++i) {
        runTool("sh", {"-c", QString("head -c %1 /dev/urandom > '%2/root/data/part%3.bin'")
                                 .arg(kFileSize).arg(dir).arg(i)});
    }
    const QString large = dir + "/large.iso";
    runTool("mkisofs", {"-quiet", "-R", "-J", "-b", "isolinux/isolinux.bin", "-c", "isolinux/boot.cat",
                        "-no-emul-boot", "-boot-load-size", "4", "-boot-info-table", "-o", large,
                        dir + "/root"});
    return QFile::exists(large) ? large : QString();
}

// Writes back what earlier steps left in the page cache, so that no run
// pays for the writes of the one before.
void settleDisk()
{
    runTool("sync", {});
}

// Processor seconds this program (not its children) has used so far.
double ownProcessorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double throughPage(const QString& iso, const QString& output, QStringList* arguments, double* processorSeconds)
{
    settleDisk();
    QWidget window;
    window.resize(860, 580);
    auto* page = new CPage4;
    page->setParent(&window);
    page->InitializeUI();
    window.show();
    const double processorAtStart = ownProcessorSeconds();
    QElapsedTimer timer;
    timer.start();
    ModalAnswerer answerer({ModalAnswerer::typePath(iso), ModalAnswerer::typePath(output),
                            ModalAnswerer::clickButton("btnok")});
    page->OnLoadISO();
    waitUntil([&] { return page->isListed(); }, 600000);
    page->OnSave();
    waitUntil([&] { return !page->isSaving() && answerer.allAnswered(); }, 600000);
    const double seconds = timer.elapsed() / 1000.0;
    *processorSeconds = ownProcessorSeconds() - processorAtStart;
    *arguments = page->lastSaveArguments();
    return seconds;
}

double rawTools(const QString& iso, const QString& work, const QString& output, QStringList arguments)
{
    settleDisk();
    QElapsedTimer timer;
    timer.start();
    runTool(ArchiveTool::program(), ArchiveTool::unpackAllArgs(work + "/", iso), nullptr, 600000);
    QDir(work + "/[BOOT]").removeRecursively();
    const int at = arguments.indexOf("-o");
    arguments[at + 1] = output;
    arguments.last() = work;
    runTool(Util::GetCurrentExePath() + "/cdrtools/mkisofs", arguments, nullptr, 600000);
    return timer.elapsed() / 1000.0;
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

double best(const QList<double>& values)
{
    return *std::min_element(values.begin(), values.end());
}

struct Round
{
    double page = 0;
    double pageProcessor = 0;
    double raw = 0;
};

// One page run and one raw run, in the order asked, each leaving no files
// behind for the next.
Round runRound(const QString& iso, const QString& dir, bool pageFirst, QStringList* arguments)
{
    Round round;
    const auto page = [&] {
        round.page = throughPage(iso, dir + "/page.iso", arguments, &round.pageProcessor);
        WorkFolder::removeStale(); // the page is gone, its working folder goes too
        QFile::remove(dir + "/page.iso");
    };
    const auto raw = [&] {
        round.raw = rawTools(iso, dir + "/raw", dir + "/raw.iso", *arguments);
        QDir(dir + "/raw").removeRecursively();
        QFile::remove(dir + "/raw.iso");
    };
    if (pageFirst) {
        page();
        raw();
    } else {
        raw();
        page();
    }
    return round;
}

void printSummary(const QList<double>& pageTimes, const QList<double>& rawTimes)
{
    // This machine's noise only ever adds time (from a few tenths of a
    // second to several seconds for the same run), so the best of the
    // rounds shows each side's own cost most faithfully.
    std::printf("load + save through the Edit page: best %.2f s, median %.2f s\n", best(pageTimes),
                median(pageTimes));
    std::printf("7z x + the same mkisofs command:   best %.2f s, median %.2f s\n", best(rawTimes), median(rawTimes));
    std::printf("ratio of the best: %.3f (goal at most 1.10); ratio of the medians: %.3f\n",
                best(pageTimes) / best(rawTimes), median(pageTimes) / median(rawTimes));
}

} // namespace

int main(int argc, char** argv)
{
    AppResources::init();
    QApplication app(argc, argv);
    const QString dir = freshDir("bench-edit");
    std::printf("building a %lld MB bootable image...\n", kFileCount * kFileSize / (1024 * 1024));
    const QString iso = buildLargeImage(dir);
    if (iso.isEmpty()) {
        std::printf("could not build the image (isolinux and mkisofs are needed)\n");
        return 1;
    }
    std::printf("image: %.0f MB\n", QFileInfo(iso).size() / 1048576.0);
    QStringList arguments;
    // The first gigabyte written after the image was built costs more on a
    // virtual machine (memory touched for the first time): an untimed round
    // takes that cost for neither side. The page's run gives the arguments.
    runRound(iso, dir, true, &arguments);
    QList<double> pageTimes;
    QList<double> rawTimes;
    for (int number = 1; number <= kRounds; ++number) {
        const Round round = runRound(iso, dir, number % 2 == 1, &arguments);
        pageTimes << round.page;
        rawTimes << round.raw;
        std::printf("round %d: page %.2f s (its own threads busy %.2f s), raw %.2f s, ratio %.3f\n", number,
                    round.page, round.pageProcessor, round.raw, round.page / round.raw);
    }
    std::printf("mkisofs arguments: %s\n", qPrintable(arguments.join(' ')));
    printSummary(pageTimes, rawTimes);
    return 0;
}
