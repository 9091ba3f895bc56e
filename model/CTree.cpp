#include "model/CTree.h"

#include <QFileInfo>

CTree::CTree()
{
    Item::MetaTypeId();
}

// The walk goes component by component; the prefix of component i is the
// path up to the i-th "/", matched against whole entry paths. A component
// that finds nothing leaves the walk in the same folder.
CTree::Step CTree::walk(const QString& path)
{
    Item* folder = &m_Root;
    int end = path.indexOf('/');
    while (end >= 0) {
        if (Item* match = folder->m_Children.findByPath(path.left(end)))
            folder = match;
        end = path.indexOf('/', end + 1);
    }
    return {folder, folder->m_Children.findByPath(path)};
}

bool CTree::AddItem(const Item& item)
{
    const QString& path = item.m_Path;
    if (path.isEmpty())
        return false;
    Item* folder = &m_Root;
    int end = path.indexOf('/');
    while (end >= 0) {
        const QString prefix = path.left(end);
        Item* match = folder->m_Children.findByPath(prefix);
        if (!match) {
            Item implicitFolder;
            implicitFolder.m_Path = prefix;
            match = folder->m_Children.append(std::move(implicitFolder));
        }
        folder = match;
        end = path.indexOf('/', end + 1);
    }
    if (folder->m_Children.findByPath(path))
        return false;
    folder->m_Children.append(item);
    return true;
}

Item* CTree::GetItem(QString path)
{
    if (path.isEmpty())
        return nullptr;
    return walk(path).match;
}

void CTree::RemoveItem(const QString& path)
{
    if (path.isEmpty())
        return;
    const Step step = walk(path);
    if (step.match)
        step.folder->m_Children.remove(step.match);
}

qint64 CTree::TotalSize()
{
    return InnerDirSize(m_Root);
}

qint64 CTree::InnerDirSize(const Item& folder)
{
    qint64 total = 0;
    for (const Item* child : folder.m_Children) {
        if (child->m_IsDir)
            total += InnerDirSize(*child);
        else if (!child->m_SrcPath.isEmpty())
            total += QFileInfo(child->m_SrcPath).size();
    }
    return total;
}

void CTree::Clear()
{
    m_Name.clear();
    m_Root.m_Children.clear();
    m_Root.m_Path.clear();
    m_Root.m_SrcPath.clear();
    m_Root.m_Size.clear();
    m_Root.m_Time.clear();
    m_Root.m_IsDir = true;
}
