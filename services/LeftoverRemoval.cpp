#include "services/LeftoverRemoval.h"

#include "services/CRunCommandThread.h"
#include "services/Util.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <thread>

void LeftoverRemoval::start(const QString& path)
{
    if (path.isEmpty())
        return;
    std::thread([path] {
        if (QFileInfo(path).isDir() && !QFileInfo(path).isSymLink())
            Util::RemoveDir(path);
        else
            Util::RemoveFile(path);
    }).detach();
}

void LeftoverRemoval::afterRun(CRunCommandThread* runner, const QString& path)
{
    QObject::connect(runner, &QThread::finished, QCoreApplication::instance(), [path] { start(path); },
                     Qt::QueuedConnection);
    const bool running = runner->isRunning();
    runner->terminateLater();
    runner->release();
    if (!running)
        start(path); // the run had ended already: no finished() follows
}
