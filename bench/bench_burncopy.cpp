// Burns a 1 GB image onto a loop device standing in for a USB stick
// through the Burn page and times the pipeline's copy step (from the
// copy's first progress text to the step after it) next to a raw "7z x" of
// the same image into the same volume, freshly formatted, over rounds that
// alternate which side runs first. Needs root, loop devices and FUSE (the
// volume is FAT through fusefat here, whose speed varies a lot from run to
// run: the best of the rounds is the figure to read).
#include "support/TestSupport.h"

#include "burn/CBurnDialog.h"
#include "services/ArchiveTool.h"
#include "services/DiskInfoParser.h"
#include "services/Util.h"
#include "shell/Startup.h"
#include "support/BurnImages.h"
#include "support/BurnPageDriver.h"
#include "support/LoopDisk.h"
#include "widgets/CMyComboBox.h"
#include "widgets/CProgressDialog.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRadioButton>
#include <algorithm>
#include <cstdio>

using namespace TestSupport;

namespace {

const int kFileCount = 8;
const qint64 kFileSize = 128LL * 1024 * 1024;
const int kRounds = 5;

QString buildImage(const QString& dir)
{
    for (int i = 0; i < kFileCount; ++i)
        runTool("sh", {"-c", QString("head -c %1 /dev/urandom > '%2/root/data/part%3.bin'").arg(kFileSize).arg(dir).arg(i)});
    const QString iso = dir + "/large.iso";
    runTool("mkisofs", {"-quiet", "-R", "-J", "-o", iso, dir + "/root"}, nullptr, 600000);
    return QFile::exists(iso) ? iso : QString();
}

// Seconds of the page's copy step: from the copy's progress text to the
// next text or the end of the burn.
double throughPage(QWidget& window, const LoopDisk& stick, const QString& iso)
{
    runTool("sync", {});
    auto* page = new CBurnDialog(&window);
    page->form().rusb->setChecked(true);
    page->form().usblist->setCurrentIndex(page->form().usblist->findText(stick.device()));
    QElapsedTimer copy;
    double seconds = 0;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const bool copying = page->progressDialog()->isVisible() &&
                             page->progressDialog()->text().startsWith("Burning the USB disk...");
        if (copying && !copy.isValid())
            copy.start();
        if (!copying && copy.isValid() && seconds == 0)
            seconds = copy.elapsed() / 1000.0;
    });
    watch.start(5);
    const QStringList texts = BurnPageDriver::clickBurn(
        page, iso, {ModalAnswerer::clickButton("btnok"), ModalAnswerer::clickButton("btnok")});
    if (texts.last() != "Burning Successfully...")
        std::printf("the burn failed: %s\n", qPrintable(texts.join(" | ")));
    delete page;
    return seconds;
}

// Seconds of "7z x" of the image into the volume, formatted again as the
// burn formats it, so that both sides write onto an empty FAT.
double rawCopy(const LoopDisk& stick, const QString& iso)
{
    runTool("diskutil", {"partitionDisk", stick.device(), "1", "MBR", "FAT32", "NONAME", "R"}, nullptr, 600000);
    const QString mountPoint = DiskInfoParser::mountPoint(Util::DiskInfo(stick.device() + "s1"));
    runTool("sync", {});
    QElapsedTimer timer;
    timer.start();
    runTool(ArchiveTool::program(), {"x", "-y", "-o" + mountPoint + "/", iso}, nullptr, 600000);
    return timer.elapsed() / 1000.0;
}

double best(const QList<double>& values)
{
    return *std::min_element(values.begin(), values.end());
}

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char** argv)
{
    AppResources::init();
    QApplication app(argc, argv);
    const QString missing = LoopDisk::missingReason();
    if (!missing.isEmpty()) {
        std::printf("skipped: %s\n", qPrintable(missing));
        return 0;
    }
    Startup::putDiskToolsOnPath(Util::GetCurrentExePath());
    BurnImages::keepEnvironmentThroughSudo();
    const QString dir = freshDir("bench-burn");
    QDir().mkpath(dir + "/root/data");
    std::printf("building a %lld MB image...\n", kFileCount * kFileSize / (1024 * 1024));
    const QString iso = buildImage(dir);
    if (iso.isEmpty()) {
        std::printf("could not build the image\n");
        return 1;
    }
    LoopDisk stick(QFileInfo(iso).size() + (256LL << 20));
    qputenv("QUILLMERE_TEST_USB_DISK", stick.device().toUtf8());
    QWidget window;
    window.resize(860, 580);
    window.show();
    throughPage(window, stick, iso); // untimed: the first gigabyte written costs more
    QList<double> pageTimes;
    QList<double> rawTimes;
    for (int round = 1; round <= kRounds; ++round) {
        double page = 0;
        double raw = 0;
        if (round % 2 == 1) {
            page = throughPage(window, stick, iso);
            raw = rawCopy(stick, iso);
        } else {
            raw = rawCopy(stick, iso);
            page = throughPage(window, stick, iso);
        }
        if (page <= 0) {
            // The watch missed the copy's progress text (a loaded machine
            // can starve its timer): such a round says nothing.
            std::printf("round %d: copy step not seen, round left out\n", round);
            continue;
        }
        pageTimes << page;
        rawTimes << raw;
        std::printf("round %d: copy step %.2f s, raw 7z x %.2f s, ratio %.3f\n", round, page, raw, page / raw);
    }
    if (pageTimes.isEmpty()) {
        std::printf("no round was measured\n");
        return 1;
    }
    std::printf("copy step of the USB burn: best %.2f s, median %.2f s\n", best(pageTimes), median(pageTimes));
    std::printf("raw 7z x into the volume:  best %.2f s, median %.2f s\n", best(rawTimes), median(rawTimes));
    std::printf("ratio of the best: %.3f (goal at most 1.10); ratio of the medians: %.3f\n",
                best(pageTimes) / best(rawTimes), median(pageTimes) / median(rawTimes));
    stick.unmountAll();
    return 0;
}
