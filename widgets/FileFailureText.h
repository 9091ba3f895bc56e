#pragma once

#include <QCoreApplication>
#include <QString>

struct FileReport;

// The sentence a message shows for a failed file operation: the first path
// that failed, what could not be done with it and the system's reason.
class FileFailureText
{
    Q_DECLARE_TR_FUNCTIONS(FileFailureText)
public:
    static QString describe(const FileReport& report);
};
