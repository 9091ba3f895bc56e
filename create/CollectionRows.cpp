#include "create/CollectionRows.h"

#include "model/Item.h"
#include "services/Util.h"

#include <QFileIconProvider>
#include <QFileInfo>
#include <QTreeWidget>

const int CollectionRows::PathRole = Qt::UserRole + 1;

namespace {

QTreeWidgetItem* newRow(const Item& item, QTreeWidgetItem* parentRow, QTreeWidget* widget)
{
    auto* row = (widget && !parentRow) ? new QTreeWidgetItem(widget) : new QTreeWidgetItem(parentRow);
    row->setText(0, item.GetName());
    row->setText(1, item.GetRelPath());
    row->setText(4, item.m_Time);
    row->setData(0, CollectionRows::PathRole, item.m_Path);
    return row;
}

} // namespace

QTreeWidgetItem* CollectionRows::addFileRow(const Item& item, QTreeWidgetItem* parentRow, QTreeWidget* widget)
{
    QTreeWidgetItem* row = newRow(item, parentRow, widget);
    row->setIcon(0, Util::GetExtensionIcon(item.m_SrcPath));
    row->setText(2, Util::SizeToString(item.m_Size.toLongLong()));
    row->setText(3, Util::GetExtensionString(item.m_SrcPath));
    return row;
}

QTreeWidgetItem* CollectionRows::addFolderRow(const Item& item, QTreeWidgetItem* parentRow, QTreeWidget* widget)
{
    static const QIcon folderIcon = QFileIconProvider().icon(QFileIconProvider::Folder);
    QTreeWidgetItem* row = newRow(item, parentRow, widget);
    row->setIcon(0, folderIcon);
    row->setData(0, Qt::UserRole, 1);
    row->setText(3, "Folder");
    return row;
}

QString CollectionRows::pathOf(const QTreeWidgetItem* row)
{
    return row ? row->data(0, PathRole).toString() : QString();
}

bool CollectionRows::isFolder(const QTreeWidgetItem* row)
{
    return row && row->data(0, Qt::UserRole).toInt() == 1;
}

QTreeWidgetItem* CollectionRows::destinationRow(QTreeWidgetItem* selected)
{
    if (!selected)
        return nullptr;
    return isFolder(selected) ? selected : selected->parent();
}

QString CollectionRows::destinationPrefix(QTreeWidgetItem* selected)
{
    QTreeWidgetItem* folder = destinationRow(selected);
    return folder ? pathOf(folder) + "/" : QString();
}

void CollectionRows::del(QTreeWidgetItem* row)
{
    delete row; // a tree widget item takes its child rows with it
}
