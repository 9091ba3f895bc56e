#include "services/callexternappT.h"

#include "services/Util.h"

#include <QDebug>
#include <QProcess>

callexternappT::callexternappT(const QString& program, const QString& arguments)
    : m_Program(program), m_Arguments(arguments)
{
}

void callexternappT::run()
{
    QStringList parts = QProcess::splitCommand(m_Program + " " + m_Arguments);
    if (parts.isEmpty())
        return;
    QProcess process;
    const QString program = parts.takeFirst();
    process.start(program, parts, QIODevice::ReadOnly);
    int exitCode = -1;
    if (process.waitForStarted(-1)) {
        process.waitForFinished(-1);
        if (process.state() == QProcess::NotRunning && process.exitStatus() == QProcess::NormalExit)
            exitCode = process.exitCode();
    }
    QByteArray output = process.readAllStandardOutput();
    const int zero = output.indexOf('\0');
    if (zero >= 0)
        output.truncate(zero);
    const QString result = QString::fromLatin1(output);
    qDebug() << "callexternapp" << m_Program << m_Arguments << result;
    Util::WriteLog(m_Program + " " + m_Arguments + " result:" + result);
    std::lock_guard<std::mutex> locker(m_Mutex);
    m_Result = result;
    m_ExitCode = exitCode;
}

QString callexternappT::result() const
{
    std::lock_guard<std::mutex> locker(m_Mutex);
    return m_Result;
}

int callexternappT::exitCode() const
{
    std::lock_guard<std::mutex> locker(m_Mutex);
    return m_ExitCode;
}
