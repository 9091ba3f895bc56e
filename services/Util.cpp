#include "services/Util.h"

#include "services/callexternappT.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QStandardPaths>
#include <QTextStream>
#include <mutex>

std::atomic<qint64> Util::copyedsize{0};
QMap<QString, QIcon> Util::m_Icons;
QMap<QString, QString> Util::m_Types;

QString Util::GetCurrentExePath()
{
    return QCoreApplication::applicationDirPath();
}

QString& Util::UserFolder()
{
    static QString folder;
    return folder;
}

QString Util::GetTempDir()
{
    QString dir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (dir.isEmpty() || dir.startsWith("/var/root")) {
        dir = UserFolder();
        // The superuser's data location is not usable; fall back to a
        // private folder in the system's temporary folder.
        if (dir.isEmpty())
            dir = QDir::tempPath() + "/" + QCoreApplication::applicationName();
    }
    while (dir.size() > 1 && dir.endsWith('/'))
        dir.chop(1);
    MakePrivateFolder(dir);
    return dir;
}

bool Util::IsLogEnabled()
{
    return QFile::exists(GetCurrentExePath() + "/config.dat");
}

void Util::WriteLog(const QString& message)
{
    if (!IsLogEnabled())
        return;
    // Written from the runners' worker threads too; a std::mutex, whose
    // locking ThreadSanitizer sees.
    static std::mutex mutex;
    std::lock_guard<std::mutex> locker(mutex);
    const QString time = QDateTime::currentDateTime().toString("yyyy-MM-dd hh:mm:ss");
    QFile log(GetTempDir() + "/log.txt");
    if (!log.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Text))
        return;
    QTextStream out(&log);
    out << time << ' ' << message << '\n';
}

QString Util::callexternapp(const QString& program, const QString& arguments, int* exitCode)
{
    callexternappT worker("\"" + program + "\"", arguments);
    QEventLoop loop;
    QObject::connect(&worker, &QThread::finished, &loop, &QEventLoop::quit);
    worker.start();
    if (!worker.isFinished())
        loop.exec();
    worker.wait();
    if (exitCode)
        *exitCode = worker.exitCode();
    return worker.result();
}

bool Util::WriteMulLinesToFile(const QStringList& lines, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        qDebug() << "Open failed." << path;
        return false;
    }
    QTextStream out(&file);
    for (const QString& line : lines)
        out << line << '\n';
    return true;
}

void Util::SetCursorBusy()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

void Util::RestoreCursor()
{
    QApplication::restoreOverrideCursor();
}
