#include "extract/SameNamedFiles.h"

#include "extract/ExtractPlacer.h"
#include "model/Item.h"

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
    if (!entry.CanBeHandled())
        return;
    const ExtractPlacer::Kind target = ExtractPlacer::KindOf(destDir + "/" + shownPath);
    if (!entry.m_IsDir) {
        if (target == ExtractPlacer::Kind::File)
            *found << shownPath;
        return;
    }
    // Only a real folder is merged into; a link is never followed.
    if (target != ExtractPlacer::Kind::Folder)
        return;
    for (const Item* child : entry.m_Children)
        collect(*child, shownPath + "/" + child->GetName(), destDir, found);
}
