#include "services/Util.h"

#include "services/DiskInfoParser.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QProcess>
#include <QUrl>

namespace {

const int kDiskutilTimeoutMs = 30000;

// Runs "diskutil info DEVICE" and returns its output as text; empty when it
// could not run or did not end in time. The interface stays live meanwhile.
QString diskutilInfo(const QString& device)
{
    QProcess process;
    process.start("diskutil", {"info", device});
    if (!process.waitForStarted(kDiskutilTimeoutMs))
        return QString();
    QElapsedTimer timer;
    timer.start();
    while (!process.waitForFinished(10)) {
        if (process.state() == QProcess::NotRunning)
            break;
        if (timer.elapsed() > kDiskutilTimeoutMs) {
            process.kill();
            process.waitForFinished(1000);
            return QString();
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    return DiskInfoParser::text(process.readAllStandardOutput());
}

} // namespace

qint64 Util::DiskSpaceTotal(const QString& device)
{
    const QString info = diskutilInfo(device);
    qDebug() << info;
    return DiskInfoParser::diskSize(info);
}

QString Util::GetMountPoint(const QString& device)
{
    return DiskInfoParser::mountPoint(diskutilInfo(device));
}

void Util::OpenExplorer(QWidget*, const QString& path)
{
    QString folder = path;
    folder.replace('\\', '/');
    // fromLocalFile keeps blanks, "#" and "%" in folder names intact.
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}
