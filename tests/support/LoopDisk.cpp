#include "LoopDisk.h"

#include "TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryFile>
#include <QThread>

#include <unistd.h>

namespace {

QString run(const QString& program, const QStringList& arguments, int* exitCode = nullptr)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    if (exitCode)
        *exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString unescaped(const QByteArray& field)
{
    QByteArray bytes;
    for (int i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size()) {
            bytes += char((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            bytes += field[i];
        }
    }
    return QString::fromUtf8(bytes);
}

QString readText(const QString& path)
{
    return QString::fromUtf8(TestSupport::readFile(path)).trimmed();
}

// Loop devices that read a range of this one (FAT through FUSE makes them);
// they end with their FUSE process.
bool helpersRemain(const QString& device)
{
    for (const QString& loop : QDir("/sys/block").entryList({"loop*"}, QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (readText("/sys/block/" + loop + "/loop/backing_file") == device)
            return true;
    }
    return false;
}

} // namespace

QString LoopDisk::missingReason()
{
    if (geteuid() != 0)
        return "loop devices need root";
    if (!QFileInfo::exists("/dev/fuse"))
        return "FUSE is not available (/dev/fuse)";
    for (const char* tool : {"/usr/sbin/losetup", "/usr/bin/partx", "/usr/bin/fusefat", "/usr/sbin/sfdisk"}) {
        if (!QFileInfo(tool).isExecutable())
            return QString(tool) + " is not installed";
    }
    return QString();
}

LoopDisk::LoopDisk(qint64 bytes)
{
    QTemporaryFile image(QDir::tempPath() + "/quillmere-loop-XXXXXX.img");
    image.setAutoRemove(false);
    if (!image.open() || !image.resize(bytes))
        return;
    m_Image = image.fileName();
    image.close();
    int status = 0;
    const QString device = run("/usr/sbin/losetup", {"-f", "--show", "-P", m_Image}, &status);
    if (status == 0 && device.startsWith("/dev/loop"))
        m_Device = device;
}

LoopDisk::~LoopDisk()
{
    if (!m_Device.isEmpty()) {
        unmountAll();
        run("/usr/bin/partx", {"-d", m_Device});
        run("/usr/sbin/losetup", {"-d", m_Device});
    }
    if (!m_Image.isEmpty())
        QFile::remove(m_Image);
}

QString LoopDisk::partition(int number) const
{
    return m_Device + "p" + QString::number(number);
}

QProcessEnvironment LoopDisk::usbEnvironment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QUILLMERE_TEST_USB_DISK", m_Device);
    return environment;
}

QByteArray LoopDisk::head(int bytes) const
{
    QFile file(m_Image);
    return file.open(QIODevice::ReadOnly) ? file.read(bytes) : QByteArray();
}

void LoopDisk::unmountAll() const
{
    if (m_Device.isEmpty())
        return;
    for (const QByteArray& line : TestSupport::readFile("/proc/self/mounts").split('\n')) {
        const QList<QByteArray> fields = line.split(' ');
        if (fields.size() < 2)
            continue;
        const QString source = unescaped(fields[0]);
        const QString mountPoint = unescaped(fields[1]);
        if (source == m_Device || source.startsWith(m_Device + "p")) {
            int status = 0;
            run("/usr/bin/umount", {mountPoint}, &status);
            if (status != 0)
                run("/usr/bin/umount", {"-l", mountPoint});
            if (mountPoint.startsWith("/media/"))
                QDir().rmdir(mountPoint);
        }
    }
    QElapsedTimer timer;
    timer.start();
    while (helpersRemain(m_Device) && timer.elapsed() < 15000)
        QThread::msleep(50);
}
