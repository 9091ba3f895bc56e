#pragma once

#include <QString>
#include <QStringList>

// The WIM splitting program (wimlib-imagex) beside the program. A Windows
// installation archive of 4 GiB or more does not fit a FAT32 volume: it is
// left out of the copy and written as ".swm" parts instead.
class WimTool
{
public:
    static QString program(); // application folder + "/wimlib-imagex/wimlib-imagex"

    // Whether an archive of this size must be split: 4 GiB (4294967296
    // bytes) or more.
    static bool needsSplit(qint64 size);
    // "split WIM SWM 3800": parts of at most 3800 MB, the first named SWM.
    static QStringList splitArgs(const QString& wim, const QString& firstPart);
};
