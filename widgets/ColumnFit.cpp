#include "widgets/ColumnFit.h"

#include <QtGlobal>

QList<int> ColumnFit::widths(int available, const QList<int>& wanted)
{
    const int count = wanted.size();
    if (count == 0)
        return {};
    const int share = available / count;
    QList<int> widths;
    for (int i = 0; i < count; ++i)
        widths << share;
    int missing = wanted.at(0) - share;
    // The others give from their spare room, each at most down to its need.
    for (int i = 1; i < count && missing > 0; ++i) {
        const int given = qBound(0, share - wanted.at(i), missing);
        widths[i] -= given;
        widths[0] += given;
        missing -= given;
    }
    return widths;
}
