#include "services/WimTool.h"

#include "services/Util.h"

QString WimTool::program()
{
    return Util::GetCurrentExePath() + "/wimlib-imagex/wimlib-imagex";
}

bool WimTool::needsSplit(qint64 size)
{
    return size / 1073741824 > 3;
}

QStringList WimTool::splitArgs(const QString& wim, const QString& firstPart)
{
    // The part size in megabytes, written as the tool has always been given it.
    return {"split", wim, firstPart, " 3800"};
}
