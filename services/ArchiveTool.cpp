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
