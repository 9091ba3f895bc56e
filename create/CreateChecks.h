#pragma once

#include <QStringList>
#include <QtGlobal>

class CTree;
class Item;

// Checks made on a collection before an image is made from it.
class CreateChecks
{
public:
    // Files of this size or more fit only a UDF image, and only with
    // mkisofs's "-allow-limited-size".
    static const qint64 LargeFileSize = qint64(4) << 30;

    static bool isEmpty(const CTree& tree);
    // Whether a collected file (by its size on disk now) is that large.
    static bool holdsLargeFile(const CTree& tree);

    // The paths of the collected entries whose names Joliet cuts short.
    static QStringList longJolietNames(const CTree& tree);

private:
    static bool holdsLargeFile(const Item& folder);
    static void collectLongJolietNames(const Item& folder, QStringList* paths);
};
