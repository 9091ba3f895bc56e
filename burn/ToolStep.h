#pragma once

#include "services/RunResult.h"

#include <QObject>
#include <QString>
#include <QStringList>

class CRunCommandThread;

// One step of a burn: runs a tool through a CRunCommandThread to its end
// (the interface stays live meanwhile) and keeps the tool's own message,
// the line to show when the step fails.
class ToolStep : public QObject
{
    Q_OBJECT
public:
    // The runner stays the caller's; its lines reach the caller's own
    // connections as well.
    explicit ToolStep(CRunCommandThread* runner);

    RunResult run(const QString& program, const QStringList& args);
    QString message() const;

    // The line of a tool's output that says what went wrong: the last one
    // that mentions an error, else the last one; backspace redraws removed.
    static QString messageOf(const QStringList& lines);

private:
    void keep(const QString& line);

    CRunCommandThread* m_Runner;
    QStringList m_Lines;
};
