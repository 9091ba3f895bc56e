#include "extract/SameNamedFiles.h"

#include "model/Item.h"

#include <QFileInfo>

QStringList SameNamedFiles::Find(const QList<const Item*>& entries, const QString& destDir)
{
    QStringList found;
    for (const Item* entry : entries)
        collect(*entry, entry->GetName(), destDir, &found);
    return found;
}

void SameNamedFiles::collect(const Item& entry, const QString& shownPath, const QString& destDir,
                             QStringList* found)
{
    if (entry.m_Unhandled || !Item::IsPlainName(entry.GetName()))
        return;
    const QFileInfo target(destDir + "/" + shownPath);
    if (!entry.m_IsDir) {
        if (target.isSymLink() || (target.exists() && !target.isDir()))
            *found << shownPath;
        return;
    }
    // A link is never followed, so only a real folder is merged into.
    if (target.isSymLink() || !target.isDir())
        return;
    for (const Item* child : entry.m_Children)
        collect(*child, shownPath + "/" + child->GetName(), destDir, found);
}
