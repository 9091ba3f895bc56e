#pragma once

#include <QHash>
#include <QString>
#include <iterator>
#include <memory>
#include <vector>

class Item;

// The entries of one folder: owning pointers in insertion order, so that an
// entry's address never changes while it exists, plus an index from path to
// the first entry with that path, so that finding or adding an entry in a
// folder of many thousands of entries stays cheap.
//
// The index follows every change made through this class and Item::Rename.
// An entry of a folder must be renamed through Item::Rename, never by
// writing its m_Path directly.
class ItemList
{
    using Storage = std::vector<std::unique_ptr<Item>>;

public:
    class const_iterator
    {
    public:
        using iterator_category = std::random_access_iterator_tag;
        using value_type = Item*;
        using difference_type = std::ptrdiff_t;
        using pointer = Item* const*;
        using reference = Item*;

        const_iterator() = default;
        explicit const_iterator(Storage::const_iterator it) : m_It(it) {}
        Item* operator*() const { return m_It->get(); }
        Item* operator->() const { return m_It->get(); }
        Item* operator[](difference_type n) const { return m_It[n].get(); }
        const_iterator& operator++() { ++m_It; return *this; }
        const_iterator operator++(int) { const_iterator old = *this; ++m_It; return old; }
        const_iterator& operator--() { --m_It; return *this; }
        const_iterator operator--(int) { const_iterator old = *this; --m_It; return old; }
        const_iterator& operator+=(difference_type n) { m_It += n; return *this; }
        const_iterator& operator-=(difference_type n) { m_It -= n; return *this; }
        const_iterator operator+(difference_type n) const { return const_iterator(m_It + n); }
        const_iterator operator-(difference_type n) const { return const_iterator(m_It - n); }
        difference_type operator-(const const_iterator& other) const { return m_It - other.m_It; }
        bool operator==(const const_iterator& other) const { return m_It == other.m_It; }
        bool operator!=(const const_iterator& other) const { return m_It != other.m_It; }
        bool operator<(const const_iterator& other) const { return m_It < other.m_It; }

    private:
        Storage::const_iterator m_It;
    };
    using iterator = const_iterator;

    explicit ItemList(Item* owner);
    ~ItemList();
    ItemList(const ItemList&) = delete;
    ItemList& operator=(const ItemList&) = delete;

    int size() const { return static_cast<int>(m_Items.size()); }
    int count() const { return size(); }
    bool isEmpty() const { return m_Items.empty(); }
    bool empty() const { return m_Items.empty(); }
    Item* at(int index) const { return m_Items[static_cast<size_t>(index)].get(); }
    Item* operator[](int index) const { return at(index); }
    Item* value(int index) const;
    Item* first() const { return at(0); }
    Item* last() const { return at(size() - 1); }
    const_iterator begin() const { return const_iterator(m_Items.cbegin()); }
    const_iterator end() const { return const_iterator(m_Items.cend()); }
    int indexOf(const Item* item) const;
    bool contains(const Item* item) const { return indexOf(item) >= 0; }

    // The first entry whose m_Path equals path, or null.
    Item* findByPath(const QString& path) const;

    // Appends at the end (no check for an entry of the same path) and
    // returns the address of the stored entry.
    Item* append(const Item& item);
    Item* append(Item&& item);
    Item* append(std::unique_ptr<Item> item);

    // Takes the entry out; later entries move up one place.
    std::unique_ptr<Item> takeAt(int index);
    void removeAt(int index) { takeAt(index); }
    bool remove(const Item* item);
    void clear();

    // Deep copy of other's entries; they are owned by this list's owner.
    void copyFrom(const ItemList& other);
    // Takes over other's entries (their addresses stay the same).
    void moveFrom(ItemList& other);

private:
    friend class Item;
    void pathChanged(Item* item, const QString& oldPath);
    void indexFirstWithPath(const QString& path);
    void rebuildIndex() const;

    Item* m_Owner;
    Storage m_Items;
    mutable QHash<QString, Item*> m_Index;
};
