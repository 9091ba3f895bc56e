#include "edit/SubtreePaths.h"

#include "model/Item.h"

#include <memory>
#include <vector>

void SubtreePaths::follow(Item* folder)
{
    if (!folder || !folder->m_IsDir)
        return;
    std::vector<std::unique_ptr<Item>> children;
    // Taken from the back, so that no entry has to move up.
    while (!folder->m_Children.isEmpty())
        children.push_back(folder->m_Children.takeAt(folder->m_Children.size() - 1));
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        std::unique_ptr<Item>& child = *it;
        child->m_Path = folder->m_Path + "/" + child->GetName();
        Item* stored = folder->m_Children.append(std::move(child));
        follow(stored);
    }
}
