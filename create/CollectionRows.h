#pragma once

#include <QString>

class Item;
class QTreeWidget;
class QTreeWidgetItem;

// The rows of the Create page's collection tree. Every row keeps its item's
// path, so that a row's place in the tree and its item's m_Path always agree.
class CollectionRows
{
public:
    static const int PathRole; // Qt::UserRole + 1 of column 0: the item's m_Path

    // A row for the item, under parentRow or at the top of widget.
    static QTreeWidgetItem* addFileRow(const Item& item, QTreeWidgetItem* parentRow, QTreeWidget* widget);
    static QTreeWidgetItem* addFolderRow(const Item& item, QTreeWidgetItem* parentRow, QTreeWidget* widget);

    static QString pathOf(const QTreeWidgetItem* row);
    static bool isFolder(const QTreeWidgetItem* row);

    // The folder that receives additions while row is selected: the row
    // itself when it is a folder, its parent (null: the top level) when it
    // is a file. Null row: the top level.
    static QTreeWidgetItem* destinationRow(QTreeWidgetItem* selected);
    // The path prefix of that folder: its path followed by "/", or empty.
    static QString destinationPrefix(QTreeWidgetItem* selected);

    // Removes row with every row below it and destroys them.
    static void del(QTreeWidgetItem* row);
};
