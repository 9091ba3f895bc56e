#pragma once

#include <QProcess>

// The child process of one runner run; OnTerminate() asks the tool to end
// politely (SIGTERM).
class CProcess : public QProcess
{
    Q_OBJECT
public:
    explicit CProcess(QObject* parent = nullptr);

public slots:
    void OnTerminate();
};
