#include "SampleContent.h"

#include "services/Util.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

struct SampleFile {
    const char* path;
    qint64 size;
};

const SampleFile kFiles[] = {
    {"autorun.inf", 86},
    {"setup.exe", 1468416},
    {"README.txt", 3188},
    {"boot/bootmgr", 398156},
    {"boot/etfsboot.com", 4096},
    {"boot/fonts/segoe_ui.ttf", 516560},
    {"docs/manual.pdf", 871424},
    {"docs/release-notes.html", 24576},
    {"docs/licence.txt", 12002},
    {"images/cover.png", 302080},
    {"images/screenshot-1.jpg", 184320},
    {"images/screenshot-2.jpg", 201728},
    {"sources/install.wim", 3145728},
    {"sources/setup.cfg", 1204},
    {"sources/lang/en-us.xml", 48210},
};

const QDateTime kDate(QDate(2026, 3, 14), QTime(10, 24));

bool writeSample(const QString& root, const SampleFile& sample)
{
    const QString path = root + "/" + sample.path;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    // Text at the start, then zeros: the size is what the views show.
    file.write(QByteArray("Quillmere sample content: ") + sample.path + "\n");
    if (!file.resize(sample.size))
        return false;
    return file.setFileTime(kDate, QFileDevice::FileModificationTime);
}

// Folders get the same date as the files (they are written last, so that
// adding their files does not move it again).
bool dateFolders(const QString& root)
{
    QStringList folders{root};
    QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        folders << it.next();
    const timespec when{kDate.toSecsSinceEpoch(), 0};
    const timespec times[2]{when, when};
    for (const QString& folder : folders)
        if (utimensat(AT_FDCWD, QFile::encodeName(folder).constData(), times, 0) != 0)
            return false;
    return true;
}

} // namespace

QString SampleContent::makeFolder(const QString& parent)
{
    const QString root = parent + "/Setup Disc";
    for (const SampleFile& sample : kFiles)
        if (!writeSample(root, sample))
            return QString();
    return dateFolders(root) ? root : QString();
}

QString SampleContent::makeIso(const QString& folder, const QString& isoPath)
{
    QProcess mkisofs;
    mkisofs.setProcessChannelMode(QProcess::MergedChannels);
    mkisofs.start(Util::GetCurrentExePath() + "/cdrtools/mkisofs",
                  {"-quiet", "-J", "-R", "-V", "SETUP_DISC", "-o", isoPath, folder});
    if (!mkisofs.waitForFinished(60000) || mkisofs.exitCode() != 0 || !QFile::exists(isoPath))
        return QString();
    return isoPath;
}
