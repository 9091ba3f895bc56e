#include "services/ArchiveTool.h"

#include "services/Util.h"

QString ArchiveTool::program()
{
    return Util::GetCurrentExePath() + "/7z/7z";
}

// Every command takes "-spd", so that 7z reads the names it is given (the
// image's path and the entries to extract) literally rather than as
// wildcards, and "--" before the image, which may begin with "-" or "@".
QStringList ArchiveTool::listArgs(const QString& iso)
{
    return {"l", "-spd", "--", iso};
}

QStringList ArchiveTool::listArgsUtf8(const QString& iso)
{
    return {"-scsUTF-8", "l", "-spd", "--", iso};
}

// No "-o": 7z puts the image's name in place of a "*" in the output
// folder, so it writes into its working folder instead. "-ir-" takes the
// names from the list file, each matched from the image's top only.
QStringList ArchiveTool::extractArgs(const QString& iso, const QString& listFile, const QString& excludeFile)
{
    QStringList args{"x", "-y", "-bb3", "-bsp2", "-spd", "-scsUTF-8", "-ir-@" + listFile};
    if (!excludeFile.isEmpty())
        args << "-xr-@" + excludeFile;
    return args << "--" << iso;
}

bool ArchiveTool::canListLiterally(const QString& path)
{
    return !path.isEmpty() && !path.contains('\n') && !path.contains('\r') && !path.contains(QChar(0));
}

// 7z trims blanks around each line and then takes off one pair of quotes
// around it, so a quoted name keeps its blanks and its own quotes.
QByteArray ArchiveTool::listFileText(const QStringList& paths)
{
    QByteArray text;
    for (const QString& path : paths)
        text += '"' + path.toUtf8() + "\"\n";
    return text;
}

QStringList ArchiveTool::unpackAllArgs(const QString& workFolder, const QString& iso)
{
    return {"x", "-y", "-bb3", "-bsp2", "-spd", "-o" + workFolder, "--", iso};
}

QStringList ArchiveTool::unpackToDriveArgs(const QString& mountPoint, const QString& iso, bool excludeWim)
{
    QStringList args{"x", "-bsp2", "-spd"};
    if (excludeWim)
        args << "-xr!install.wim";
    args << "-y" << "-o" + mountPoint + "/" << "--" << iso;
    return args;
}

QStringList ArchiveTool::redrawParts(const QString& line)
{
    QStringList parts;
    const QStringList pieces = line.split('\b', Qt::SkipEmptyParts);
    for (const QString& piece : pieces) {
        if (!piece.trimmed().isEmpty())
            parts << piece;
    }
    return parts;
}

// 7z ends an extraction with 0 when every entry was written, also when it
// warns about the image itself (data after its end, measured with 7-Zip
// 26.02); 1 means non-fatal errors, after which entries may be missing,
// and 2 or more a failure. So only 0 counts: accepting 1 could announce an
// incomplete extraction, or save an image that lacks files, as a success.
bool ArchiveTool::extractionSucceeded(const RunResult& run, const QStringList& errorLines)
{
    return run.succeeded() && errorLines.isEmpty();
}
