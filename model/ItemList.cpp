#include "model/ItemList.h"

#include "model/Item.h"

ItemList::ItemList(Item* owner) : m_Owner(owner) {}

ItemList::~ItemList() = default;

Item* ItemList::value(int index) const
{
    if (index < 0 || index >= size())
        return nullptr;
    return at(index);
}

int ItemList::indexOf(const Item* item) const
{
    for (size_t i = 0; i < m_Items.size(); ++i) {
        if (m_Items[i].get() == item)
            return static_cast<int>(i);
    }
    return -1;
}

Item* ItemList::findByPath(const QString& path) const
{
    Item* found = m_Index.value(path, nullptr);
    if (found && found->m_Path != path) {
        // Someone changed an entry's path behind the index's back.
        rebuildIndex();
        found = m_Index.value(path, nullptr);
    }
    return found;
}

Item* ItemList::append(const Item& item)
{
    return append(std::make_unique<Item>(item));
}

Item* ItemList::append(Item&& item)
{
    return append(std::make_unique<Item>(std::move(item)));
}

Item* ItemList::append(std::unique_ptr<Item> item)
{
    Item* stored = item.get();
    stored->m_Parent = m_Owner;
    if (!m_Index.contains(stored->m_Path))
        m_Index.insert(stored->m_Path, stored);
    m_Items.push_back(std::move(item));
    return stored;
}

std::unique_ptr<Item> ItemList::takeAt(int index)
{
    std::unique_ptr<Item> taken = std::move(m_Items[static_cast<size_t>(index)]);
    m_Items.erase(m_Items.begin() + index);
    taken->m_Parent = nullptr;
    if (m_Index.value(taken->m_Path) == taken.get())
        indexFirstWithPath(taken->m_Path);
    return taken;
}

bool ItemList::remove(const Item* item)
{
    const int index = indexOf(item);
    if (index < 0)
        return false;
    takeAt(index);
    return true;
}

void ItemList::clear()
{
    m_Index.clear();
    m_Items.clear();
}

// Both take other's entries before dropping their own: other may lie inside
// one of the entries being dropped.
void ItemList::copyFrom(const ItemList& other)
{
    Storage copies;
    copies.reserve(other.m_Items.size());
    for (const auto& child : other.m_Items)
        copies.push_back(std::make_unique<Item>(*child));
    clear();
    m_Items.reserve(copies.size());
    for (auto& child : copies)
        append(std::move(child));
}

void ItemList::moveFrom(ItemList& other)
{
    if (&other == this)
        return;
    Storage items;
    QHash<QString, Item*> index;
    items.swap(other.m_Items);
    index.swap(other.m_Index);
    clear();
    m_Items.swap(items);
    m_Index.swap(index);
    for (const auto& child : m_Items)
        child->m_Parent = m_Owner;
}

void ItemList::pathChanged(Item* item, const QString& oldPath)
{
    if (m_Index.value(oldPath) == item)
        indexFirstWithPath(oldPath);
    Item* holder = m_Index.value(item->m_Path, nullptr);
    if (!holder || indexOf(item) < indexOf(holder))
        m_Index.insert(item->m_Path, item);
}

// Points the index at the first entry that has path, or drops the path.
void ItemList::indexFirstWithPath(const QString& path)
{
    for (const auto& child : m_Items) {
        if (child->m_Path == path) {
            m_Index.insert(path, child.get());
            return;
        }
    }
    m_Index.remove(path);
}

void ItemList::rebuildIndex() const
{
    m_Index.clear();
    for (const auto& child : m_Items) {
        if (!m_Index.contains(child->m_Path))
            m_Index.insert(child->m_Path, child.get());
    }
}
