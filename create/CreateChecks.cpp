#include "create/CreateChecks.h"

#include "model/CTree.h"
#include "services/MkisofsArgs.h"

#include <QFileInfo>

bool CreateChecks::isEmpty(const CTree& tree)
{
    return tree.m_Root.m_Children.isEmpty();
}

bool CreateChecks::holdsLargeFile(const CTree& tree)
{
    return holdsLargeFile(tree.m_Root);
}

bool CreateChecks::holdsLargeFile(const Item& folder)
{
    for (const Item* child : folder.m_Children) {
        if (child->m_IsDir) {
            if (holdsLargeFile(*child))
                return true;
        } else if (!child->m_SrcPath.isEmpty() && QFileInfo(child->m_SrcPath).size() >= LargeFileSize) {
            return true;
        }
    }
    return false;
}

QStringList CreateChecks::longJolietNames(const CTree& tree)
{
    QStringList paths;
    collectLongJolietNames(tree.m_Root, &paths);
    return paths;
}

void CreateChecks::collectLongJolietNames(const Item& folder, QStringList* paths)
{
    for (const Item* child : folder.m_Children) {
        if (MkisofsArgs::jolietShortens(child->GetName()))
            paths->append(child->m_Path);
        if (child->m_IsDir)
            collectLongJolietNames(*child, paths);
    }
}
