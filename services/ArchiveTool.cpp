#include "services/ArchiveTool.h"

#include "services/Util.h"

QString ArchiveTool::program()
{
    return Util::GetCurrentExePath() + "/7z/7z";
}

QStringList ArchiveTool::listArgs(const QString& iso)
{
    return {"l", iso};
}

QStringList ArchiveTool::listArgsUtf8(const QString& iso)
{
    return {"-scsUTF-8", "l", iso};
}

QStringList ArchiveTool::extractArgs(const QString& iso, const QString& destFolder, const QStringList& names)
{
    QStringList args{"x", iso, "-y", "-bb3", "-bsp2", "-o" + destFolder};
    args << names << "-r";
    return args;
}

QStringList ArchiveTool::unpackAllArgs(const QString& workFolder, const QString& iso)
{
    return {"x", "-y", "-bb3", "-bsp2", "-o" + workFolder, iso};
}

QStringList ArchiveTool::unpackToDriveArgs(const QString& mountPoint, const QString& iso, bool excludeWim)
{
    QStringList args{"x", "-bsp2"};
    if (excludeWim)
        args << "-xr!install.wim";
    args << "-y" << "-o" + mountPoint + "/" << iso;
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
