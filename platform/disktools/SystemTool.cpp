#include "platform/disktools/SystemTool.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

const char* const kFolders[] = {"/usr/sbin", "/usr/bin", "/sbin", "/bin"};

// The end of the first line: its line feed or carriage return; -1 when
// no line is complete.
int lineEnd(const QByteArray& text)
{
    const int feed = text.indexOf('\n');
    const int ret = text.indexOf('\r');
    if (feed < 0 || ret < 0)
        return qMax(feed, ret);
    return qMin(feed, ret);
}

ToolRun finished(QProcess& process, ToolRun run)
{
    process.waitForFinished(-1);
    run.output += process.readAllStandardOutput();
    run.errors += process.readAllStandardError();
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return run;
}

} // namespace

QString ToolRun::failureText() const
{
    if (!started)
        return "could not be started";
    const QString errorText = QString::fromUtf8(errors).trimmed();
    if (!errorText.isEmpty())
        return errorText;
    const QString outputText = QString::fromUtf8(output).trimmed();
    if (!outputText.isEmpty())
        return outputText;
    return exitCode < 0 ? QString("was killed") : QString("ended with status %1").arg(exitCode);
}

QString SystemTool::path(const QString& name)
{
    for (const char* folder : kFolders) {
        const QFileInfo candidate(QString(folder) + "/" + name);
        if (candidate.isFile() && candidate.isExecutable())
            return candidate.filePath();
    }
    return QString();
}

ToolRun SystemTool::run(const QString& name, const QStringList& arguments, const QByteArray& input)
{
    ToolRun run;
    const QString program = path(name);
    if (program.isEmpty())
        return run;
    QProcess process;
    process.start(program, arguments);
    run.started = process.waitForStarted(-1);
    if (!run.started)
        return run;
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    return finished(process, run);
}

ToolRun SystemTool::follow(const QString& name, const QStringList& arguments,
                           const std::function<void(const QString&)>& onLine)
{
    ToolRun run;
    const QString program = path(name);
    if (program.isEmpty())
        return run;
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments, QIODevice::ReadOnly);
    run.started = process.waitForStarted(-1);
    if (!run.started)
        return run;
    QByteArray pending;
    auto deliver = [&](bool all) {
        pending += process.readAll();
        for (int end = lineEnd(pending); end >= 0; end = lineEnd(pending)) {
            const QByteArray line = pending.left(end);
            run.output += pending.left(end + 1);
            pending.remove(0, end + 1);
            onLine(QString::fromUtf8(line));
        }
        if (all && !pending.isEmpty()) {
            run.output += pending;
            onLine(QString::fromUtf8(pending));
            pending.clear();
        }
    };
    while (process.state() != QProcess::NotRunning) {
        process.waitForReadyRead(200);
        deliver(false);
    }
    deliver(true);
    return finished(process, run);
}

QString SystemTool::replaceProcess(const QString& programPath, const QStringList& arguments)
{
    QList<QByteArray> words{QFile::encodeName(programPath)};
    for (const QString& argument : arguments)
        words << argument.toLocal8Bit();
    std::vector<char*> argv;
    for (QByteArray& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    execv(argv[0], argv.data());
    return QString::fromLocal8Bit(strerror(errno));
}
