#pragma once

#include <QStringList>

// "diskutil": list, info, partitionDisk, unmountDisk, mount, unmount.
class DiskutilTool
{
public:
    static int run(const QStringList& arguments);

private:
    static int list(const QStringList& arguments);
    static int info(const QStringList& arguments);
    static int partitionDisk(const QStringList& arguments);
    static int unmountDisk(const QStringList& arguments);
    static int mount(const QStringList& arguments);
    static int unmount(const QStringList& arguments);
};
