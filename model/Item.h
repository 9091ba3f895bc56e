#pragma once

#include "model/ItemList.h"

#include <QMetaType>
#include <QString>
#include <QVariant>

// One file or folder of a content tree, addressed by its path inside the
// tree ("/"-separated, no leading or trailing "/"; the root's path is
// empty). Copying an Item copies its whole subtree.
class Item
{
public:
    Item();
    Item(const Item& other);
    Item(Item&& other) noexcept;
    Item& operator=(const Item& other);
    Item& operator=(Item&& other) noexcept;
    ~Item();

    QString GetName() const;
    QString GetRelPath() const;
    // Replaces the last component of m_Path; descendants keep their paths.
    void Rename(QString newName);

    // Whether the program may act on the entry: false when its name or a
    // folder's name above it cannot be a file's name on disk ("", ".",
    // "..", as a listing may hold "../x" or "/tmp/x"), or when the listing
    // reader marked it (m_Unhandled). Such entries are shown, but never
    // extracted, renamed or deleted.
    bool CanBeHandled() const;
    // Whether name can be one component of a path on disk.
    static bool IsPlainName(const QString& name);

    // The folder that holds this item, or null outside a tree.
    Item* Parent() const { return m_Parent; }

    // Item pointers stored in item views (Qt::UserRole), as "Item *".
    static QVariant ToVariant(Item* item);
    static Item* FromVariant(const QVariant& value);
    static int MetaTypeId();

    QString m_Path;
    QString m_SrcPath;
    bool m_IsDir = true;
    QString m_Size;
    QString m_Time;
    // Set by the listing reader when the name on screen would not be the
    // entry's name on disk (bytes that are not text, a carriage return).
    bool m_Unhandled = false;
    ItemList m_Children;

private:
    friend class ItemList;
    void copyTexts(const Item& other);
    Item* m_Parent = nullptr;
};

Q_DECLARE_METATYPE(Item*)
