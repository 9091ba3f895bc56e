// Loads and saves an unchanged 1 GB bootable image through the Edit page and
// compares the time with a raw "7z x" plus the same mkisofs command.
#include "support/TestSupport.h"

#include "edit/CPage4.h"
#include "services/ArchiveTool.h"
#include "services/Util.h"
#include "support/EditImages.h"
#include "support/ModalAnswerer.h"

#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

using namespace TestSupport;

namespace {

const int kFileCount = 8;
const qint64 kFileSize = 128LL * 1024 * 1024;

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

double throughPage(const QString& iso, const QString& output, QStringList* arguments)
{
    QWidget window;
    window.resize(860, 580);
    auto* page = new CPage4;
    page->setParent(&window);
    page->InitializeUI();
    window.show();
    QElapsedTimer timer;
    timer.start();
    ModalAnswerer answerer({EditImages::typePath(iso), EditImages::typePath(output),
                            ModalAnswerer::clickButton("btnok")});
    page->OnLoadISO();
    waitUntil([&] { return page->isListed(); }, 600000);
    page->OnSave();
    waitUntil([&] { return !page->isSaving() && answerer.allAnswered(); }, 600000);
    const double seconds = timer.elapsed() / 1000.0;
    *arguments = page->lastSaveArguments();
    return seconds;
}

double rawTools(const QString& iso, const QString& work, const QString& output, QStringList arguments)
{
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
    const double page = throughPage(iso, dir + "/page.iso", &arguments);
    QFile::remove(dir + "/page.iso");
    const double raw = rawTools(iso, dir + "/raw", dir + "/raw.iso", arguments);
    std::printf("mkisofs arguments: %s\n", qPrintable(arguments.join(' ')));
    std::printf("load + save through the Edit page: %.2f s\n", page);
    std::printf("7z x + the same mkisofs command:   %.2f s\n", raw);
    std::printf("ratio: %.3f (goal at most 1.10)\n", page / raw);
    return 0;
}
