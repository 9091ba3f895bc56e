#include "services/CProcess.h"

#include <QDebug>

CProcess::CProcess(QObject* parent)
    : QProcess(parent)
{
}

void CProcess::OnTerminate()
{
    qDebug() << "CProcess::OnTerminate()";
    if (state() != QProcess::NotRunning)
        terminate();
}
