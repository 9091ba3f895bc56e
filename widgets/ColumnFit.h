#pragma once

#include <QList>

// Shares a table's width among its columns: each column gets an equal
// share, and the first column, which holds the names, grows to the width
// its longest name wants by taking what the other columns do not need for
// their own content. A name is cut short only when the others have no room
// left to give.
class ColumnFit
{
public:
    // wanted: the width each column's content and title want.
    static QList<int> widths(int available, const QList<int>& wanted);
};
