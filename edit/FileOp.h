#pragma once

#include <QString>

// A disk change for the working folder, as the copier takes it.
struct FileOp {
    int type = 0;              // 0 copy, 1 remove, 2 rename
    QString source;
    QString destination;
};
