#pragma once

#include <QStringList>

// "hdiutil": mount, unmount (detach), eject, burn, makehybrid.
class HdiutilTool
{
public:
    static int run(const QStringList& arguments);

private:
    static int mount(const QStringList& arguments);
    static int unmount(const QStringList& arguments, const QString& verb);
    static int eject(const QStringList& arguments);
    static int burn(const QStringList& arguments);
    static int makeHybrid(const QStringList& arguments);
};
