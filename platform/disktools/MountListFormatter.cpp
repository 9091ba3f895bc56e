#include "platform/disktools/MountListFormatter.h"

#include <QStringList>

QString MountListFormatter::line(const MountEntry& entry)
{
    QStringList words{entry.type};
    if (entry.source.startsWith('/'))
        words << "local";
    for (const char* option : {"nodev", "nosuid", "noexec"}) {
        if (entry.options.contains(option))
            words << option;
    }
    if (entry.isReadOnly())
        words << "read-only";
    if (entry.options.contains("noatime"))
        words << "noatime";
    return entry.source + " on " + entry.mountPoint + " (" + words.join(", ") + ")\n";
}

QString MountListFormatter::format(const QVector<MountEntry>& entries)
{
    QString text;
    for (const MountEntry& entry : entries)
        text += line(entry);
    return text;
}
