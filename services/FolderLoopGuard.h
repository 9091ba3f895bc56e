#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// The folders a walk of a folder tree is inside, by their real paths. A
// folder reached again through a link (a -> ., a link to an ancestor, two
// links leading to each other) is not entered a second time, so the walk
// ends and agrees with the copier, which skips the same folders.
class FolderLoopGuard
{
public:
    // False (and nothing to leave) when the folder is one the walk is
    // already inside, or has no real path.
    bool enter(const QString& folder);
    // Leaves the folder entered last.
    void leave();

private:
    QSet<QString> m_Inside;
    QStringList m_Stack;
};
