#include "edit/ExtractProgress.h"

int ExtractProgress::parse(const QString& line)
{
    int value = -1;
    for (int at = line.indexOf("% "); at >= 0; at = line.indexOf("% ", at + 1)) {
        int start = at;
        while (start > 0 && line.at(start - 1).isDigit())
            --start;
        if (start == at || at - start > 3)
            continue;
        const int percent = line.mid(start, at - start).toInt();
        if (percent <= 100)
            value = percent;
    }
    return value;
}
