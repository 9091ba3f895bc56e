// Prints how fast FileCopy copies a large file, how fast DirSize measures a
// folder of many small files, and what the per-extension icon and type
// lookups cost for a table of thousands of rows.
#include "services/Util.h"
#include "shell/AppResources.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

namespace {

void writeFile(const QString& path, qint64 size)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    const QByteArray chunk(1024 * 1024, 'q');
    for (qint64 left = size; left > 0; left -= chunk.size())
        file.write(chunk.constData(), qMin<qint64>(left, chunk.size()));
}

void benchCopy(const QString& root)
{
    const qint64 size = 256 * 1024 * 1024;
    writeFile(root + "/big.bin", size);
    Util::copyedsize = 0;
    QElapsedTimer timer;
    timer.start();
    const bool ok = Util::FileCopy(root + "/big.bin", root + "/copy/big.bin");
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf("FileCopy 256 MiB: %s, %.2f s, %.0f MiB/s, counted %lld bytes\n", ok ? "ok" : "FAILED", seconds,
                256 / seconds, static_cast<long long>(Util::copyedsize.load()));
}

void benchSize(const QString& root)
{
    for (int d = 0; d < 50; ++d) {
        QDir().mkpath(QString("%1/tree/d%2").arg(root).arg(d));
        for (int f = 0; f < 100; ++f)
            writeFile(QString("%1/tree/d%2/f%3.txt").arg(root).arg(d).arg(f), 100);
    }
    QElapsedTimer timer;
    timer.start();
    const qint64 total = Util::DirSize(root + "/tree");
    std::printf("DirSize of 5000 files in 50 folders: %lld bytes, %.1f ms\n", static_cast<long long>(total),
                timer.nsecsElapsed() / 1e6);
}

void benchIcons()
{
    const char* const names[] = {"a.iso", "b.txt", "c.jpg", "d.exe", "README", "e.tar.gz", "f.wim", "g.cfg"};
    QElapsedTimer timer;
    timer.start();
    for (int row = 0; row < 10000; ++row) {
        Util::GetExtensionIcon(names[row % 8]);
        Util::GetExtensionString(names[row % 8]);
    }
    std::printf("icon and type for 10000 rows of 8 kinds: %.1f ms, %d icons and %d types cached\n",
                timer.nsecsElapsed() / 1e6, int(Util::m_Icons.size()), int(Util::m_Types.size()));
}

} // namespace

int main(int argc, char** argv)
{
    AppResources::init();
    QApplication app(argc, argv);
    QTemporaryDir root(QDir::tempPath() + "/quillmere-bench-XXXXXX");
    benchCopy(root.path());
    benchSize(root.path());
    benchIcons();
    return 0;
}
