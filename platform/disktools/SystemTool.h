#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

// The outcome of one run of a system program.
struct ToolRun
{
    bool started = false;
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;

    bool ok() const { return started && exitCode == 0; }
    // The error lines, or the output when the program wrote no errors, or
    // a line saying it did not start or was killed.
    QString failureText() const;
};

// Runs the system's own programs by absolute path, found in the system's
// program folders only, so that the tools of this layer never run
// themselves.
class SystemTool
{
public:
    // The program's absolute path, empty when it is not installed.
    static QString path(const QString& name);
    static ToolRun run(const QString& name, const QStringList& arguments, const QByteArray& input = QByteArray());
    // Runs with output and error merged and hands over each line (without
    // its line end; carriage returns also end a line) as it arrives.
    static ToolRun follow(const QString& name, const QStringList& arguments,
                          const std::function<void(const QString&)>& onLine);
    // Replaces this process with the program at programPath (argument 0 is
    // the path itself). Returns only when that failed, with errno's text.
    static QString replaceProcess(const QString& programPath, const QStringList& arguments);
};
