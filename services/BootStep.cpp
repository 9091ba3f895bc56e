#include "services/BootStep.h"

#include "services/Util.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

QString BootStep::scriptPath()
{
    return Util::GetCurrentExePath() + "/mkbootable";
}

QString BootStep::translationsFolder()
{
    return QCoreApplication::applicationDirPath() + "/translations/";
}

QString BootStep::logPath()
{
    return Util::GetTempDir() + "/system.log";
}

QString BootStep::shellQuoted(const QString& text)
{
    return "'" + QString(text).replace("'", "'\\''") + "'";
}

QString BootStep::command(const QString& askpass, const QString& script, const QString& device,
                          const QString& mountPoint, const QString& log)
{
    // One arg() call: a value holding "%2" is not taken for a placeholder.
    return QString("SUDO_ASKPASS=%1 sudo --askpass %2 %3 %4 > %5 2>&1")
        .arg(shellQuoted(askpass), shellQuoted(script), shellQuoted(device), shellQuoted(mountPoint),
             shellQuoted(log));
}

QString BootStep::lastLogLine()
{
    QFile log(logPath());
    if (!log.open(QIODevice::ReadOnly))
        return QString();
    const QStringList lines = QString::fromLocal8Bit(log.readAll()).split('\n');
    for (int i = lines.size() - 1; i >= 0; --i) {
        if (!lines.at(i).trimmed().isEmpty())
            return lines.at(i).trimmed();
    }
    return QString();
}
