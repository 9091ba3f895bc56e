#include "services/Util.h"

#include "services/FileReport.h"
#include "services/HalfWritten.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QUuid>
#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>
#include <cstring>

namespace {

const qint64 kCopyChunk = 1024 * 1024;

// A name in the destination's folder that no file has yet: the copy is
// written there and renamed to the destination once it is complete.
QString partialName(const QString& destination)
{
    const QFileInfo info(destination);
    const QString id = QUuid::createUuid().toString(QUuid::Id128).left(12);
    return info.absolutePath() + "/." + info.fileName() + "." + id + ".part";
}

bool samePath(const QString& a, const QString& b)
{
    if (a == b)
        return true;
    const QFileInfo first(a);
    const QFileInfo second(b);
    return first.exists() && second.exists() && first.canonicalFilePath() == second.canonicalFilePath();
}

bool copyContent(QFile& source, QFile& target, const QString& destination, FileReport& report)
{
    std::atomic<qint64>& written = report.written ? *report.written : Util::copyedsize;
    QByteArray buffer;
    for (;;) {
        buffer.resize(int(kCopyChunk));
        const qint64 read = source.read(buffer.data(), kCopyChunk);
        if (read < 0) {
            Util::WriteLog("Can not read file " + source.fileName() + ": " + source.errorString());
            report.fail(FileReport::CannotRead, source.fileName(), source.errorString());
            return false;
        }
        if (read == 0)
            return true;
        if (target.write(buffer.constData(), read) != read) {
            Util::WriteLog("Can not write file " + target.fileName() + ": " + target.errorString());
            report.fail(FileReport::CannotWrite, destination, target.errorString());
            return false;
        }
        written += read;
    }
}

// Moves the finished copy over the destination in one step. An empty
// folder of the destination's name gives way; one with content stays.
bool putInPlace(const QString& partial, const QString& destination, FileReport& report)
{
    if (QFileInfo(destination).isDir() && !QFileInfo(destination).isSymLink())
        Util::RemoveFile(destination);
    if (std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(destination).constData()) == 0)
        return true;
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
    Util::WriteLog("Can not rename " + partial + " to " + destination + ": " + reason);
    const bool folder = QFileInfo(destination).isDir() && !QFileInfo(destination).isSymLink();
    report.fail(folder ? FileReport::InTheWay : FileReport::CannotWrite, destination, reason);
    return false;
}

// What a folder copy must not enter again: the folders being copied (a
// link back to one of them) and the destination (inside the source).
struct CopyGuard {
    QSet<QString> ancestors;
    QString destination;
    FileReport& report;
};

bool copyFolder(const QString& source, const QString& destination, CopyGuard& guard);

bool copyEntry(const QFileInfo& entry, const QString& destination, CopyGuard& guard)
{
    const QString target = destination + "/" + entry.fileName();
    if (entry.isDir())
        return copyFolder(entry.filePath(), target, guard);
    // FileCopy replaces an existing file only once the new copy is whole.
    return Util::FileCopy(entry.filePath(), target, &guard.report);
}

bool copyFolder(const QString& source, const QString& destination, CopyGuard& guard)
{
    const QString canonical = QFileInfo(source).canonicalFilePath();
    if (guard.ancestors.contains(canonical) || canonical == guard.destination)
        return true;
    if (!QDir(destination).exists() && !QDir().mkpath(destination)) {
        guard.report.fail(FileReport::CannotCreateFolder, destination);
        return false;
    }
    if (!QDir(source).isReadable()) {
        guard.report.fail(FileReport::CannotRead, source);
        return false;
    }
    guard.ancestors.insert(canonical);
    // One entry that fails does not keep the others from being copied.
    bool ok = true;
    const QFileInfoList entries =
        QDir(source).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QFileInfo& entry : entries)
        ok = copyEntry(entry, destination, guard) && ok;
    guard.ancestors.remove(canonical);
    return ok;
}

qint64 folderSize(const QString& path, QSet<QString>& ancestors)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty() || ancestors.contains(canonical))
        return 0;
    ancestors.insert(canonical);
    qint64 total = 0;
    const QFileInfoList entries =
        QDir(path).entryInfoList(QDir::Dirs | QDir::Files | QDir::Drives | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QFileInfo& entry : entries)
        total += entry.isDir() ? folderSize(entry.filePath(), ancestors) : entry.size();
    ancestors.remove(canonical);
    return total;
}

} // namespace

bool Util::IsFileExists(const QString& path)
{
    return QFileInfo::exists(path);
}

void Util::RemoveFile(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return;
    if (info.isDir() && !info.isSymLink()) {
        if (!QDir().rmdir(path))
            qDebug() << "Can not remove folder" << path << "(it may not be empty)";
        return;
    }
    QFile file(path);
    if (!file.remove())
        qDebug() << "Can not remove file" << path << file.errorString();
}

void Util::RemoveDir(const QString& path, bool)
{
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    if (info.isSymLink()) {
        // Remove the link, never what it points to.
        QFile::remove(path);
        return;
    }
    if (info.isDir())
        QDir(path).removeRecursively();
}

bool Util::MakePrivateFolder(const QString& path)
{
    QString folder = QDir::cleanPath(path);
    const QByteArray name = QFile::encodeName(folder);
    struct stat status;
    if (::lstat(name.constData(), &status) != 0) {
        QDir().mkpath(QFileInfo(folder).absolutePath());
        if (::mkdir(name.constData(), 0700) != 0 && errno != EEXIST)
            return false;
    } else if (S_ISDIR(status.st_mode) && status.st_uid == ::geteuid() && (status.st_mode & 077)) {
        ::chmod(name.constData(), 0700);
    }
    return QFileInfo(folder).isDir();
}

bool Util::FileCopy(const QString& source, const QString& destination, FileReport* report)
{
    FileReport own;
    FileReport& outcome = report ? *report : own;
    if (samePath(source, destination))
        return true;
    if (!QFileInfo(source).isFile()) {
        outcome.fail(FileReport::Missing, source);
        return false;
    }
    const QString folder = QFileInfo(destination).absolutePath();
    if (!QDir().mkpath(folder)) {
        outcome.fail(FileReport::CannotCreateFolder, folder);
        return false;
    }
    QFile input(source);
    if (!input.open(QIODevice::ReadOnly)) {
        WriteLog("Can not open file for read" + source);
        outcome.fail(FileReport::CannotRead, source, input.errorString());
        return false;
    }
    const QString partial = partialName(destination);
    QFile output(partial);
    // Tracked before it exists: a program that ends meanwhile removes it.
    HalfWritten::track(partial);
    if (!output.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        HalfWritten::release(partial);
        WriteLog("Can not open file for write" + destination);
        outcome.fail(FileReport::CannotWrite, destination, output.errorString());
        return false;
    }
    bool ok = copyContent(input, output, destination, outcome);
    // A copy keeps the time the user's file was last changed: images made
    // from staged copies show the originals' times.
    if (ok)
        output.setFileTime(QFileInfo(source).lastModified(), QFileDevice::FileModificationTime);
    output.close();
    if (ok && output.error() != QFileDevice::NoError) {
        outcome.fail(FileReport::CannotWrite, destination, output.errorString());
        ok = false;
    }
    ok = ok && putInPlace(partial, destination, outcome);
    if (!ok)
        QFile::remove(partial);
    HalfWritten::release(partial);
    return ok;
}

bool Util::DirCopy(const QString& source, const QString& destination, FileReport* report)
{
    FileReport own;
    FileReport& outcome = report ? *report : own;
    if (!QFileInfo(source).isDir()) {
        outcome.fail(FileReport::Missing, source);
        return false;
    }
    if (!QDir(destination).exists() && !QDir().mkpath(destination)) {
        outcome.fail(FileReport::CannotCreateFolder, destination);
        return false;
    }
    CopyGuard guard{{}, QFileInfo(destination).canonicalFilePath(), outcome};
    return copyFolder(source, destination, guard);
}

bool Util::DirCopy2(const QString& source, const QString& destination, FileReport* report)
{
    const QString target = destination + "/" + QFileInfo(QDir::cleanPath(source)).fileName();
    if (QFileInfo(source).isDir() && !QDir().mkpath(target)) {
        if (report)
            report->fail(QFileInfo(target).isFile() ? FileReport::InTheWay : FileReport::CannotCreateFolder, target);
        return false;
    }
    return DirCopy(source, target, report);
}

qint64 Util::DirSize(const QString& path)
{
    QString folder = path;
    if (folder.endsWith('/') && folder.size() > 1)
        folder.chop(1);
    QSet<QString> ancestors;
    return folderSize(folder, ancestors);
}
