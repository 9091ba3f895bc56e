#pragma once

#include <QList>
#include <QStringList>

class Item;

// Finds the files of an extraction that would meet a same-named file (or
// link) already in the destination folder, from the image's listing and
// before anything is extracted. Folders that meet folders are merged into,
// so the files below them are looked at in turn; an entry that meets an
// entry of the other kind is not found here (it is never placed).
class SameNamedFiles
{
public:
    // entries: the ticked entries of one folder of the image. Returns
    // paths below destDir ("name" or "folder/name"), in listing order.
    static QStringList Find(const QList<const Item*>& entries, const QString& destDir);

private:
    static void collect(const Item& entry, const QString& shownPath, const QString& destDir, QStringList* found);
};
