// model/: Item and CTree, the content tree of an image or a collection, and the 7z listing reader.
// May include services/ only.
#pragma once

#include "model/Item.h"

#include <QString>

// A folder hierarchy of Items: the content of a listed image or a
// collection of files and folders. Paths are compared exactly.
class CTree
{
public:
    CTree();

    // Inserts a copy of item at the place its m_Path names, creating the
    // missing parent folders; false for an empty path or a path already
    // present.
    bool AddItem(const Item& item);
    Item* GetItem(QString path);
    void RemoveItem(const QString& path);
    qint64 TotalSize();
    qint64 InnerDirSize(const Item& folder);
    void Clear();

    QString m_Name;
    Item m_Root;

private:
    struct Step {
        Item* folder;   // folder whose entries were searched
        Item* match;    // entry found for the whole path, or null
    };
    Step walk(const QString& path);
};
