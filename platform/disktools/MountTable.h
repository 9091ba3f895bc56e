#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

// One line of /proc/self/mounts, its fields unescaped.
struct MountEntry
{
    QString source;     // /dev/sdb1, or the name a FUSE file system gave itself
    QString mountPoint;
    QString type;       // vfat, iso9660, fuse.fuseiso, fuse, ...
    QStringList options;

    bool isFuse() const { return type == "fuse" || type.startsWith("fuse."); }
    bool isReadOnly() const { return options.contains("ro"); }
    bool operator==(const MountEntry& other) const
    {
        return source == other.source && mountPoint == other.mountPoint && type == other.type;
    }
};

// The kernel's tables of mounted file systems and active swap areas.
class MountTable
{
public:
    static QVector<MountEntry> parse(const QByteArray& procMounts);
    // The sources of /proc/swaps (devices or files).
    static QStringList swapSources(const QByteArray& procSwaps);
    // A field with the kernel's octal escapes (\040 blank, \011 tab,
    // \012 line feed, \134 backslash) turned back into characters.
    static QString unescape(const QByteArray& field);
};
