#include "services/CRunCommandThread.h"

#include "services/Util.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcRunner, "quillmere.runner")
// Every piece of output a tool writes: off unless asked for with
// QT_LOGGING_RULES="quillmere.runner.output.debug=true".
Q_LOGGING_CATEGORY(lcRunnerOutput, "quillmere.runner.output", QtInfoMsg)

namespace {
// A read takes at most this many bytes (QIODevice::readLine keeps one
// byte of the buffer for its terminating zero).
constexpr int kReadBufferSize = 2048;
constexpr int kEndPollMs = 300;
constexpr int kTerminateGraceMs = 2000;
constexpr int kKillWaitMs = 5000;
constexpr int kWaitFinishedPollMs = 10;

// Every runner alive, for terminateAll(). Runners are made and deleted in
// the interface thread; the lock is for the checkers.
std::mutex& runnersMutex()
{
    static std::mutex mutex;
    return mutex;
}

QList<CRunCommandThread*>& runners()
{
    static QList<CRunCommandThread*> list;
    return list;
}
} // namespace

CRunCommandThread::CRunCommandThread(QObject*)
    : QThread(nullptr), m_InterfaceContext(new QObject)
{
    connect(this, &QThread::finished, m_InterfaceContext.get(), [this] { onThreadFinished(); });
    connect(this, &CRunCommandThread::piecewaiting, m_InterfaceContext.get(), [this] { receivePiece(); },
            Qt::QueuedConnection);
    std::lock_guard<std::mutex> locker(runnersMutex());
    runners().append(this);
}

CRunCommandThread::~CRunCommandThread()
{
    {
        std::lock_guard<std::mutex> locker(runnersMutex());
        runners().removeOne(this);
    }
    if (isRunning())
        terminate();
    wait();
    // The worker's last access is its store of m_bRunning in endRun(); an
    // acquiring load orders the worker's accesses before the members are
    // destroyed where ThreadSanitizer sees it (wait() orders them through
    // a futex lock, which it cannot see).
    m_bRunning.load(std::memory_order_acquire);
}

void CRunCommandThread::SetRunCmd(const QString& program, const QStringList& args)
{
    m_Program = program;
    m_Args = args;
}

void CRunCommandThread::start(QThread::Priority priority)
{
    if (m_bRunning) {
        qCWarning(lcRunner) << "CRunCommandThread::start while a run is going on; ignored" << m_Program;
        return;
    }
    // The previous run has delivered its end and its thread is finishing.
    wait();
    // Slots (output reading, errors, termination) run in the worker thread.
    if (thread() != this)
        moveToThread(this);
    setResult(RunResult());
    m_OutputLines.clear();
    m_TerminateRequested = false;
    m_WorkerSerial = ++m_RunSerial;
    dropUndelivered();
    m_bRunning = true;
    ++m_ActiveThreads;
    QThread::start(priority);
}

void CRunCommandThread::terminate()
{
    qCDebug(lcRunner) << "CRunCommandThread::terminate";
    if (!requestEnd())
        return;
    // The worker asks the tool to end itself as well, so the request never
    // depends on the queued call being handled before the thread ends.
    wait();
}

void CRunCommandThread::terminateLater()
{
    qCDebug(lcRunner) << "CRunCommandThread::terminateLater";
    requestEnd();
}

bool CRunCommandThread::requestEnd()
{
    ++m_RunSerial;
    dropUndelivered();
    if (!isRunning())
        return false;
    m_TerminateRequested = true;
    emit terminateprocess();
    return true;
}

void CRunCommandThread::terminateAll()
{
    QList<CRunCommandThread*> running;
    {
        std::lock_guard<std::mutex> locker(runnersMutex());
        running = runners();
    }
    // Every tool is asked first, so that their grace times overlap.
    for (CRunCommandThread* runner : qAsConst(running))
        runner->requestEnd();
    for (CRunCommandThread* runner : qAsConst(running))
        runner->terminate();
}

void CRunCommandThread::waitFinished()
{
    while (m_bRunning) {
        QCoreApplication::processEvents();
        QThread::msleep(kWaitFinishedPollMs);
    }
    // Lines and sigfinished() were posted before the run was marked ended.
    QCoreApplication::sendPostedEvents();
}

RunResult CRunCommandThread::result() const
{
    std::lock_guard<std::mutex> locker(m_ResultMutex);
    return m_Result;
}

void CRunCommandThread::setResult(const RunResult& result)
{
    std::lock_guard<std::mutex> locker(m_ResultMutex);
    m_Result = result;
}

void CRunCommandThread::release()
{
    if (m_ReleaseRequested)
        return;
    m_ReleaseRequested = true;
    if (m_ActiveThreads == 0)
        deleteLater();
    // Otherwise onThreadFinished() deletes it.
}

void CRunCommandThread::onThreadFinished()
{
    --m_ActiveThreads;
    if (m_ReleaseRequested && m_ActiveThreads == 0) {
        wait();
        deleteLater();
    }
}

void CRunCommandThread::run()
{
    OnTerminateProcess();
    m_Process = new CProcess(this);
    connect(this, &CRunCommandThread::terminateprocess, m_Process, &CProcess::OnTerminate);
    m_Process->setProcessChannelMode(QProcess::MergedChannels);
    connect(m_Process, &QProcess::errorOccurred, this, &CRunCommandThread::sloterrorstart);
    if (!m_bCollectOutput)
        connect(m_Process, &QProcess::readyReadStandardOutput, this, &CRunCommandThread::onReadOutput);

    RunResult result;
    if (m_TerminateRequested) {
        result.terminated = true;
        endRun(result, false);
        return;
    }
    startTool();
    if (!m_Process->waitForStarted(-1)) {
        result.errorString = m_Process->errorString();
        endRun(result, true);
        return;
    }
    result.started = true;
    if (!waitForToolEnd()) {
        stopTool();
        result.terminated = true;
        result.crashed = m_Process->exitStatus() == QProcess::CrashExit;
        result.exitCode = m_Process->exitCode();
        endRun(result, false);
        return;
    }
    if (m_bCollectOutput)
        collectOutput();
    else
        onReadOutput();
    result.crashed = m_Process->exitStatus() == QProcess::CrashExit;
    result.exitCode = result.crashed ? -1 : m_Process->exitCode();
    if (result.crashed)
        result.errorString = m_Process->errorString();
    endRun(result, true);
}

void CRunCommandThread::startTool()
{
    QString program = m_Program;
    QStringList args = m_Args;
    if (args.isEmpty()) {
        args = QProcess::splitCommand(m_Program);
        program = args.isEmpty() ? QString() : args.takeFirst();
    }
    m_Process->setWorkingDirectory(m_WorkingDirectory);
    m_Process->start(program, args, QIODevice::ReadWrite);
    qCDebug(lcRunner) << "CRunCommandThread run" << m_Program << m_Args;
    QString logLine = m_Program + " ";
    for (const QString& arg : m_Args)
        logLine += arg + " ";
    Util::WriteLog(logLine);
}

// True when the tool has ended by itself, false when a termination was
// asked for first.
bool CRunCommandThread::waitForToolEnd()
{
    for (;;) {
        QCoreApplication::processEvents();
        if (m_TerminateRequested)
            return false;
        if (m_Process->state() == QProcess::NotRunning || m_Process->waitForFinished(kEndPollMs))
            return true;
    }
}

void CRunCommandThread::stopTool()
{
    if (m_Process->state() == QProcess::NotRunning)
        return;
    m_Process->terminate(); // in case the queued OnTerminate() has not run yet
    if (m_Process->waitForFinished(kTerminateGraceMs) || m_Process->state() == QProcess::NotRunning)
        return;
    qCDebug(lcRunner) << "CRunCommandThread: the tool ignored the request to end; killing it" << m_Program;
    m_Process->kill();
    m_Process->waitForFinished(kKillWaitMs);
}

void CRunCommandThread::endRun(const RunResult& result, bool notify)
{
    setResult(result);
    delete m_Process;
    m_Process = nullptr;
    // Back to the interface thread, where release() and the next start()
    // find it once this thread has ended.
    moveToThread(QCoreApplication::instance()->thread());
    // Raised in the interface thread, behind the lines already posted.
    if (notify && !m_TerminateRequested)
        post(Piece{m_WorkerSerial, {}, {}, true});
    m_bRunning = false;
}

void CRunCommandThread::collectOutput()
{
    QByteArray bytes = m_Process->readAll();
    const int zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    QString text = QString::fromLatin1(bytes);
    text.remove('\r');
    m_OutputLines = text.split('\n');
    for (const QString& line : qAsConst(m_OutputLines)) {
        if (!line.trimmed().isEmpty())
            Util::WriteLog(line);
    }
}

// Everything that has arrived goes to the interface thread in one event;
// a tool that writes tens of thousands of lines would otherwise cost one
// event per line.
void CRunCommandThread::onReadOutput()
{
    if (!m_Process)
        return;
    const bool logging = Util::IsLogEnabled();
    if (m_bRawOutput) {
        const QByteArray bytes = m_Process->readAll();
        if (bytes.isEmpty())
            return;
        if (logging) {
            QStringList logged;
            splitPiece(bytes, logging, &logged);
        }
        post(Piece{m_WorkerSerial, {}, bytes});
        return;
    }
    QStringList lines;
    char buffer[kReadBufferSize];
    for (;;) {
        const qint64 count = m_Process->readLine(buffer, sizeof buffer);
        if (count <= 0)
            break;
        splitPiece(QByteArray(buffer, int(count)), logging, &lines);
    }
    if (lines.isEmpty())
        return;
    post(Piece{m_WorkerSerial, lines, {}});
}

void CRunCommandThread::post(Piece piece)
{
    {
        std::lock_guard<std::mutex> locker(m_PiecesMutex);
        m_Pieces.append(std::move(piece));
    }
    emit piecewaiting(QPrivateSignal());
}

// Interface thread. One piece per call, the oldest: a call that runs while
// a handler of the piece before waits in an event loop of its own comes
// behind it, so that the lines keep their order.
void CRunCommandThread::receivePiece()
{
    Piece piece;
    {
        std::lock_guard<std::mutex> locker(m_PiecesMutex);
        if (m_Pieces.isEmpty())
            return;
        piece = m_Pieces.takeFirst();
    }
    if (piece.finished)
        raiseFinished(piece.serial);
    else if (piece.lines.isEmpty())
        deliverBytes(piece.serial, piece.bytes);
    else
        deliverLines(piece.serial, piece.lines);
}

void CRunCommandThread::splitPiece(const QByteArray& bytes, bool logging, QStringList* lines)
{
    const QString text = QString::fromLocal8Bit(bytes);
    qCDebug(lcRunnerOutput) << "CRunCommandThread::onReadOutput" << text;
    const QStringList parts = text.split('\r');
    for (const QString& part : parts) {
        if (part.trimmed().isEmpty())
            continue;
        if (logging)
            Util::WriteLog(part);
        QString line = part;
        line.remove('\n');
        lines->append(line);
    }
}

// Interface thread. Lines of a run that was terminated since are dropped.
void CRunCommandThread::deliverLines(int serial, const QStringList& lines)
{
    if (serial != m_RunSerial)
        return;
    m_Undelivered.append(lines);
    drainLines();
}

void CRunCommandThread::deliverBytes(int serial, const QByteArray& bytes)
{
    if (serial != m_RunSerial)
        return;
    m_UndeliveredBytes += bytes;
    drainLines();
}

// A slot that runs an event loop of its own (a message, a wait) lets the
// next batch or the finish in while this loop is at a line of the batch
// before: they wait in the queue, so that lines keep their order and the
// finish comes last.
void CRunCommandThread::drainLines()
{
    if (m_Draining)
        return;
    m_Draining = true;
    while (!m_Undelivered.isEmpty())
        emit standoutputline(m_Undelivered.takeFirst());
    while (!m_UndeliveredBytes.isEmpty()) {
        const QByteArray bytes = m_UndeliveredBytes;
        m_UndeliveredBytes.clear();
        emit standoutputbytes(bytes);
    }
    m_Draining = false;
    if (m_FinishPending) {
        m_FinishPending = false;
        emit sigfinished();
    }
}

void CRunCommandThread::raiseFinished(int serial)
{
    if (serial != m_RunSerial)
        return;
    if (m_Draining)
        m_FinishPending = true;
    else
        emit sigfinished();
}

void CRunCommandThread::dropUndelivered()
{
    m_Undelivered.clear();
    m_UndeliveredBytes.clear();
    m_FinishPending = false;
}

void CRunCommandThread::sloterrorstart(QProcess::ProcessError error)
{
    qCDebug(lcRunner) << "CRunCommandThread::sloterrorstart" << error << m_Program;
    Util::WriteLog("CRunCommandThread::sloterrorstart");
}

void CRunCommandThread::OnTerminateProcess()
{
    qCDebug(lcRunner) << "CRunCommandThread::OnTerminateProcess is called" << m_Process;
    if (m_Process) {
        m_Process->kill();
        m_Process->waitForFinished(kKillWaitMs);
        delete m_Process;
    }
    m_Process = nullptr;
}
