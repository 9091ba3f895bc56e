#pragma once

#include <QString>

// Puts a shell script in the place of the application folder's 7z for as
// long as it lives, then puts the real 7z back. In the script, %1 stands
// for the real 7z and %2 for a folder of the stand-in's own (for files
// the test and the script exchange). Only for a program that runs in its
// own folder (OwnAppFolder). The folder stays, so that a script still
// running finds its files.
class ArchiveToolStandIn
{
public:
    explicit ArchiveToolStandIn(const QString& script);
    ~ArchiveToolStandIn();
    ArchiveToolStandIn(const ArchiveToolStandIn&) = delete;
    ArchiveToolStandIn& operator=(const ArchiveToolStandIn&) = delete;

    QString folder() const { return m_Folder; }

private:
    static QString tool();

    QString m_Folder;
};
