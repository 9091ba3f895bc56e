#include "services/ShortCommand.h"

#include "services/DiskInfoParser.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

namespace {

QString lastLineOf(const QByteArray& bytes)
{
    const QStringList lines = QString::fromLocal8Bit(bytes).split('\n');
    for (int i = lines.size() - 1; i >= 0; --i) {
        if (!lines.at(i).trimmed().isEmpty())
            return lines.at(i).trimmed();
    }
    return QString();
}

} // namespace

QString ShortCommand::Result::text() const
{
    return DiskInfoParser::text(output);
}

QString ShortCommand::Result::lastLine() const
{
    const QString error = lastLineOf(errors);
    return error.isEmpty() ? lastLineOf(output) : error;
}

ShortCommand::Result ShortCommand::run(const QString& program, const QStringList& args, int timeoutMs)
{
    Result result;
    QProcess process;
    process.start(program, args, QIODevice::ReadOnly);
    if (!process.waitForStarted(timeoutMs)) {
        result.errors = process.errorString().toLocal8Bit();
        return result;
    }
    QElapsedTimer timer;
    timer.start();
    while (process.state() != QProcess::NotRunning && !process.waitForFinished(10)) {
        if (timer.elapsed() > timeoutMs) {
            process.kill();
            process.waitForFinished(1000);
            result.errors = "timed out";
            return result;
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    result.output = process.readAllStandardOutput();
    result.errors = process.readAllStandardError();
    result.finished = process.exitStatus() == QProcess::NormalExit;
    result.exitCode = result.finished ? process.exitCode() : -1;
    return result;
}

ShortCommand::Result ShortCommand::runLine(const QString& commandLine, int timeoutMs)
{
    QStringList parts = QProcess::splitCommand(commandLine);
    if (parts.isEmpty())
        return Result();
    const QString program = parts.takeFirst();
    return run(program, parts, timeoutMs);
}
