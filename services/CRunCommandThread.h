#pragma once

#include "services/CProcess.h"
#include "services/RunResult.h"

#include <QStringList>
#include <QThread>
#include <atomic>
#include <memory>
#include <mutex>

// Runs one external tool at a time in its own worker thread and hands its
// merged standard output and error to the interface thread line by line.
//
// Use:
//   auto* runner = new CRunCommandThread;
//   connect(runner, &CRunCommandThread::standoutputline, page, &Page::OnLine);
//   connect(runner, &CRunCommandThread::sigfinished, page, &Page::OnFinished);
//   runner->SetRunCmd(program, arguments);
//   runner->start();                    // or start(); waitFinished();
//   ...
//   runner->release();                  // never delete a runner whose thread runs
//
// standoutputline() and sigfinished() are raised in the interface thread;
// sigfinished() comes after the run's last line. Lines that a run had
// read but not yet delivered when it was terminated are dropped.
//
// Line rule: output is read in pieces of at most 2,047 bytes that end at a
// line feed, at the limit or at the end of what has arrived so far; each
// piece is split at carriage returns, blank parts are skipped and the line
// ends are removed. Lines that a tool redraws with backspaces keep them.
class CRunCommandThread : public QThread
{
    Q_OBJECT
public:
    // Built without a parent whatever is passed: it moves into its own
    // worker thread for each run.
    explicit CRunCommandThread(QObject* parent = nullptr);
    ~CRunCommandThread() override;

    // The program and its arguments, passed without quoting or splitting;
    // with no arguments, program is a whole command line split by
    // QProcess::splitCommand.
    void SetRunCmd(const QString& program, const QStringList& args);
    // The folder the tool starts in; empty (the default) keeps the
    // program's own.
    void SetWorkingDirectory(const QString& folder) { m_WorkingDirectory = folder; }

    // Asks the tool to end (SIGTERM), kills it if it has not ended within a
    // short grace and returns when the worker thread has ended. No
    // sigfinished() follows, even from a run that had just ended;
    // waitFinished() returns; lines not yet delivered are dropped.
    virtual void terminate();
    // As terminate(), but returns at once: the worker ends the tool (killing
    // it after the grace) on its own; QThread::finished() tells when it has.
    void terminateLater();
    // Returns when the run has ended, with every line and sigfinished()
    // delivered; processes the caller's events every 10 ms meanwhile.
    virtual void waitFinished();
    virtual void start(QThread::Priority priority = QThread::InheritPriority);
    // Ends the tools of every runner that has one running, as terminate()
    // does, all at the same time; for the moment before the program exits.
    static void terminateAll();

    // How the last run ended; complete once sigfinished() is raised.
    RunResult result() const;
    // Deletes the runner once its worker thread has ended; safe from a
    // handler of its own signals.
    void release();

    // Byte mode: instead of standoutputline(), standoutputbytes() hands on
    // the output exactly as the tool wrote it, cut wherever the reads end,
    // for a reader that finds the lines and decodes them itself.
    bool m_bRawOutput = false;

    // Collect mode: no line signals; the whole output, split at line feeds
    // with empty parts kept, is stored in m_OutputLines at the end.
    bool m_bCollectOutput = false;
    QStringList m_OutputLines;

signals:
    void standoutputline(QString line);
    void standoutputbytes(QByteArray bytes);
    void sigfinished();
    void terminateprocess();
    // Raised in the worker for each piece it posts; reaches receivePiece()
    // in the interface thread.
    void piecewaiting(QPrivateSignal);

protected:
    void run() override;

private slots:
    void onReadOutput();
    void sloterrorstart(QProcess::ProcessError error);
    void OnTerminateProcess();

private:
    // Drops what is not delivered and asks a running worker to end the
    // tool; false when no worker runs.
    bool requestEnd();
    void onThreadFinished();
    void startTool();
    bool waitForToolEnd();
    void stopTool();
    void splitPiece(const QByteArray& bytes, bool logging, QStringList* lines);
    // Output, or the end of the run, on its way to the interface thread,
    // with the number of its run: the worker adds a piece and raises one
    // piecewaiting() for it.
    struct Piece {
        int serial = 0;
        QStringList lines;
        QByteArray bytes;
        bool finished = false;
    };
    void post(Piece piece);
    void receivePiece();
    void deliverLines(int serial, const QStringList& lines);
    void deliverBytes(int serial, const QByteArray& bytes);
    void drainLines();
    void raiseFinished(int serial);
    void dropUndelivered();
    void collectOutput();
    void endRun(const RunResult& result, bool notify);
    void setResult(const RunResult& result);

    QString m_Program;
    QStringList m_Args;
    QString m_WorkingDirectory;
    CProcess* m_Process = nullptr; // worker thread only
    std::atomic<bool> m_bRunning{false};
    std::atomic<bool> m_TerminateRequested{false};
    // Lives in the interface thread: the worker's finished() reaches
    // onThreadFinished() through it even while the runner sits in the worker.
    std::unique_ptr<QObject> m_InterfaceContext;
    int m_ActiveThreads = 0;         // interface thread only
    // Numbers runs; terminate() moves it on, so that a sigfinished() that a
    // run had already sent on its way is not raised after terminate().
    int m_RunSerial = 0;             // interface thread only
    int m_WorkerSerial = 0;          // set before the worker starts
    bool m_ReleaseRequested = false; // interface thread only
    QStringList m_Undelivered;       // interface thread only
    QByteArray m_UndeliveredBytes;   // interface thread only
    bool m_Draining = false;         // interface thread only
    bool m_FinishPending = false;    // interface thread only
    // The pieces go through a lock rather than inside a posted call, and
    // the constructor connects piecewaiting() in the interface thread:
    // ThreadSanitizer sees this lock, not the one of Qt's event queue.
    std::mutex m_PiecesMutex;
    QList<Piece> m_Pieces;           // guarded by m_PiecesMutex
    mutable std::mutex m_ResultMutex; // std::mutex: visible to ThreadSanitizer
    RunResult m_Result;
};
