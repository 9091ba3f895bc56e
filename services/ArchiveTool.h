#pragma once

#include "services/RunResult.h"

#include <QString>
#include <QStringList>

// The archive program (7z) that lists and unpacks images: where it lies
// and the argument lists the pages run it with, through CRunCommandThread.
class ArchiveTool
{
public:
    // The application folder followed by "/7z/7z"; nowhere else is searched.
    static QString program();

    // The listing table (Extract).
    static QStringList listArgs(const QString& iso);
    // The listing table with names in UTF-8 (Edit).
    static QStringList listArgsUtf8(const QString& iso);
    // The entries named in listFile (paths inside the image, as
    // listFileText writes them) into the tool's working folder, which the
    // runner sets, with progress lines. Each path matches itself only: no
    // wildcards, no same-named entries deeper in the image. The entries
    // named in excludeFile, when given, are left out (also inside the
    // folders that listFile names).
    static QStringList extractArgs(const QString& iso, const QString& listFile,
                                   const QString& excludeFile = QString());
    // The list file for extractArgs, in UTF-8.
    static QByteArray listFileText(const QStringList& paths);
    // Whether a list file can name the path: 7z ends a name at a line feed
    // and drops carriage returns.
    static bool canListLiterally(const QString& path);
    // The whole image into a working folder, with progress lines.
    static QStringList unpackAllArgs(const QString& workFolder, const QString& iso);
    // The whole image onto a USB drive's volume; excludeWim leaves out
    // install.wim (split separately when it is too large for FAT32).
    static QStringList unpackToDriveArgs(const QString& mountPoint, const QString& iso, bool excludeWim);

    // 7z redraws its "-bsp2" progress with backspaces and blanks, so one
    // delivered line can hold several redraws (and text that followed
    // them, such as "--"). Returns the line cut at every run of
    // backspaces, blank parts left out: each part reads like a line of its
    // own, e.g. " 71% 3 - sub/huge.bin".
    static QStringList redrawParts(const QString& line);

    // Whether an extraction wrote every entry: the tool ran to its end
    // with exit code 0 and reported no error (errorLines as
    // ArchiveProgress::errorLines collects them).
    static bool extractionSucceeded(const RunResult& run, const QStringList& errorLines);
};
