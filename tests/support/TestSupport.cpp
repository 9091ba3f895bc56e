#include "TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace TestSupport {

bool waitUntil(const std::function<bool()>& condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return condition();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QThread::msleep(2);
    }
    return true;
}

QString freshDir(const QString& name)
{
    static QTemporaryDir root(QDir::tempPath() + "/quillmere-test-XXXXXX");
    const QString path = root.path() + "/" + name;
    QDir(path).removeRecursively();
    QDir().mkpath(path);
    return path;
}

QString writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    file.write(content);
    return path;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QString fixture(const QString& relativePath)
{
    return QString(QUILLMERE_FIXTURES_DIR) + "/" + relativePath;
}

QString sharedFixture(const QString& relativePath)
{
    return QDir::cleanPath(QString(QUILLMERE_SHARED_FIXTURES_DIR) + "/" + relativePath);
}

QByteArray runTool(const QString& program, const QStringList& arguments, int* exitCode, int timeoutMs)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(timeoutMs);
    // A program that did not start, crashed or ran too long reports -1,
    // never the 0 that QProcess keeps for a process that never ran.
    if (exitCode)
        *exitCode = finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return process.readAll();
}

} // namespace TestSupport
