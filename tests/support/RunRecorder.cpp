#include "RunRecorder.h"

#include "TestSupport.h"

RunRecorder::RunRecorder(CRunCommandThread* runner, QObject* parent)
    : QObject(parent)
{
    connect(runner, &CRunCommandThread::standoutputline, this, [this](const QString& line) { lines << line; });
    connect(runner, &CRunCommandThread::sigfinished, this, [this] {
        if (finished++ == 0)
            linesAtFirstFinish = lines.size();
    });
}

QStringList RunRecorder::runToEnd(const QString& program, const QStringList& args, RunResult* result,
                                  int timeoutMs, const QString& workingDirectory)
{
    auto* runner = new CRunCommandThread;
    RunRecorder recorder(runner);
    runner->SetRunCmd(program, args);
    runner->SetWorkingDirectory(workingDirectory);
    runner->start();
    const bool ended = TestSupport::waitUntil([&] { return recorder.finished > 0; }, timeoutMs);
    if (result)
        *result = runner->result();
    if (!ended)
        runner->terminate();
    runner->release();
    return ended ? recorder.lines : QStringList();
}
