#pragma once

#include <QString>
#include <atomic>

// What one file operation (a copy of a file or a folder tree, a removal, a
// rename) did: the bytes it wrote and the first path that failed, with why.
// A folder copy goes on past a failure; `failures` counts them all.
struct FileReport
{
    enum Kind {
        None,               // nothing failed
        Missing,            // the source is not there (or is no file or folder)
        CannotRead,         // the source could not be opened or read
        CannotWrite,        // the copy could not be written
        CannotCreateFolder, // a folder of the copy could not be made
        InTheWay,           // a folder with content holds the name of the copied file
        CannotRemove,
        CannotRename,
    };

    // Receives every chunk written; Util::copyedsize when not set.
    std::atomic<qint64>* written = nullptr;
    Kind kind = None;
    QString path;   // the first path that failed
    QString detail; // the system's reason for it, when it gave one
    int failures = 0;

    bool failed() const { return failures > 0; }
    // Keeps the first failure and counts every one.
    void fail(Kind why, const QString& failedPath, const QString& reason = QString())
    {
        if (failures++ == 0) {
            kind = why;
            path = failedPath;
            detail = reason;
        }
    }
};
