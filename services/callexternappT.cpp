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
    if (process.waitForStarted(-1)) {
        process.waitForFinished(-1);
        if (process.state() == QProcess::NotRunning && process.exitStatus() == QProcess::NormalExit)
            m_ExitCode = process.exitCode();
    }
    QByteArray output = process.readAllStandardOutput();
    const int zero = output.indexOf('\0');
    if (zero >= 0)
        output.truncate(zero);
    m_Result = QString::fromLatin1(output);
    qDebug() << "callexternapp" << m_Program << m_Arguments << m_Result;
    Util::WriteLog(m_Program + " " + m_Arguments + " result:" + m_Result);
}
