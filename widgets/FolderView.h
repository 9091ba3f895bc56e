#pragma once

#include <QIcon>
#include <QList>
#include <QString>

class Item;
class QTableWidget;
class QTableWidgetItem;
class QTreeWidget;
class QTreeWidgetItem;

// Shows a content tree as a folder tree (folders only, each row carrying
// its Item* in Qt::UserRole of column 0) and a table of one folder's
// entries (row r is child r; folder rows carry 1 in Qt::UserRole; a row is
// chosen by its column-0 check state). Shared by the pages that browse an
// image.
class FolderView
{
public:
    // One folder row for child: a top-level row of widget when given, else
    // a child row of parent. The caller fills its sub-folders.
    static QTreeWidgetItem* AddFolderRow(Item* child, QTreeWidget* widget, QTreeWidgetItem* parent);
    // Depth first from node (itself first) for the row carrying item.
    static QTreeWidgetItem* FindRow(QTreeWidgetItem* node, Item* item);
    // The path inside the image of the folder of row, with a trailing "/":
    // the column-0 texts of the row and its parents below the top row.
    static QString PrefixOf(QTreeWidgetItem* row);
    // Selects the row carrying folder and makes it visible (expanded,
    // with its parent expanded).
    static void SelectFolderRow(QTreeWidget* tree, Item* folder);

    // Fills the table with folder's entries, every row unchecked; empty
    // table for a missing folder.
    static void FillTable(QTableWidget* table, const Item* folder);
    // One unchecked row per entry, in order; folder rows read folderType.
    // With entryRole, each row's column 0 carries its entry's Item* there.
    static void FillRows(QTableWidget* table, const QList<Item*>& entries, const QString& folderType,
                         int entryRole = -1);
    static QList<int> CheckedRows(const QTableWidget* table);
    static void SetAllChecked(QTableWidget* table, bool checked);
    // Checked becomes unchecked and unchecked checked; other states stay.
    static void ToggleChecked(QTableWidget* table, int row);

    // An entry's name as the views show it: for an entry that cannot be
    // handled (Item::CanBeHandled), control characters become U+FFFD.
    static QString ShownName(const Item& entry);
    // The tooltip of such an entry.
    static QString UnhandledText();

    // A listing's size text as a number: 0 when it is not a decimal number.
    static qint64 SizeValue(const QString& size);
    static QIcon FolderIcon();

private:
    static void MarkUnhandled(QTableWidgetItem* cell);
    static void FillRow(QTableWidget* table, int row, Item* item, const QString& folderType, int entryRole);
};
