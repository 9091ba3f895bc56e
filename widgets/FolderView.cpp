#include "widgets/FolderView.h"

#include "model/Item.h"
#include "services/Util.h"

#include <QCoreApplication>
#include <QFileIconProvider>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTreeWidget>

QTreeWidgetItem* FolderView::AddFolderRow(Item* child, QTreeWidget* widget, QTreeWidgetItem* parent)
{
    auto* row = new QTreeWidgetItem;
    row->setText(0, ShownName(*child));
    row->setIcon(0, FolderIcon());
    if (!child->CanBeHandled())
        row->setToolTip(0, UnhandledText());
    row->setData(0, Qt::UserRole, Item::ToVariant(child));
    if (widget)
        widget->addTopLevelItem(row);
    else
        parent->addChild(row);
    return row;
}

QString FolderView::ShownName(const Item& entry)
{
    QString name = entry.GetName();
    if (entry.CanBeHandled())
        return name;
    for (QChar& c : name) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QChar(QChar::ReplacementCharacter);
    }
    return name;
}

QString FolderView::UnhandledText()
{
    return QCoreApplication::translate("FolderView",
                                       "This name cannot be a file's name on this computer, so this entry "
                                       "is never extracted, renamed or deleted.");
}

void FolderView::MarkUnhandled(QTableWidgetItem* cell)
{
    cell->setForeground(QColor(150, 150, 150));
    cell->setToolTip(UnhandledText());
}

QTreeWidgetItem* FolderView::FindRow(QTreeWidgetItem* node, Item* item)
{
    if (!node || !item)
        return nullptr;
    if (Item::FromVariant(node->data(0, Qt::UserRole)) == item)
        return node;
    for (int i = 0; i < node->childCount(); ++i) {
        if (QTreeWidgetItem* found = FindRow(node->child(i), item))
            return found;
    }
    return nullptr;
}

QString FolderView::PrefixOf(QTreeWidgetItem* row)
{
    QString prefix;
    for (QTreeWidgetItem* at = row; at && at->parent(); at = at->parent())
        prefix = at->text(0) + "/" + prefix;
    return prefix;
}

void FolderView::SelectFolderRow(QTreeWidget* tree, Item* folder)
{
    if (tree->topLevelItemCount() == 0)
        return;
    QTreeWidgetItem* row = FindRow(tree->topLevelItem(0), folder);
    if (!row)
        return;
    if (row->parent() && !row->parent()->isExpanded())
        row->parent()->setExpanded(true);
    tree->clearSelection();
    row->setSelected(true);
    row->setExpanded(true);
}

void FolderView::FillTable(QTableWidget* table, const Item* folder)
{
    QList<Item*> entries;
    if (folder) {
        entries.reserve(folder->m_Children.size());
        for (Item* child : folder->m_Children)
            entries.append(child);
    }
    FillRows(table, entries, QString("Folder"));
}

void FolderView::FillRows(QTableWidget* table, const QList<Item*>& entries, const QString& folderType,
                          int entryRole)
{
    table->setRowCount(0);
    if (entries.isEmpty())
        return;
    const bool updates = table->updatesEnabled();
    table->setUpdatesEnabled(false);
    table->setRowCount(entries.size());
    {
        // One change notice for the whole table instead of one per cell:
        // the view has nothing to redraw before the last cell is in.
        const QSignalBlocker quiet(table->model());
        int row = 0;
        for (Item* entry : entries)
            FillRow(table, row++, entry, folderType, entryRole);
    }
    QAbstractItemModel* model = table->model();
    emit model->dataChanged(model->index(0, 0), model->index(table->rowCount() - 1, table->columnCount() - 1));
    table->setUpdatesEnabled(updates);
}

void FolderView::FillRow(QTableWidget* table, int row, Item* item, const QString& folderType, int entryRole)
{
    const Item& entry = *item;
    const QString name = entry.GetName();
    auto* nameCell = new QTableWidgetItem(entry.m_IsDir ? FolderIcon() : Util::GetExtensionIcon(name), ShownName(entry));
    nameCell->setCheckState(Qt::Unchecked);
    if (!entry.CanBeHandled())
        MarkUnhandled(nameCell);
    if (entry.m_IsDir)
        nameCell->setData(Qt::UserRole, 1);
    if (entryRole >= 0)
        nameCell->setData(entryRole, Item::ToVariant(item));
    table->setItem(row, 0, nameCell);
    table->setItem(row, 1, new QTableWidgetItem(entry.m_IsDir ? QString() : Util::SizeToString(SizeValue(entry.m_Size))));
    table->setItem(row, 2, new QTableWidgetItem(entry.m_IsDir ? folderType : Util::GetExtensionString(name)));
    table->setItem(row, 3, new QTableWidgetItem(entry.m_Time));
}

QList<int> FolderView::CheckedRows(const QTableWidget* table)
{
    QList<int> rows;
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem* cell = table->item(row, 0);
        if (cell && cell->checkState() == Qt::Checked)
            rows << row;
    }
    return rows;
}

void FolderView::SetAllChecked(QTableWidget* table, bool checked)
{
    for (int row = 0; row < table->rowCount(); ++row) {
        if (QTableWidgetItem* cell = table->item(row, 0))
            cell->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
}

void FolderView::ToggleChecked(QTableWidget* table, int row)
{
    QTableWidgetItem* cell = table->item(row, 0);
    if (!cell)
        return;
    const Qt::CheckState state = cell->checkState();
    if (state == Qt::Checked)
        cell->setCheckState(Qt::Unchecked);
    else if (state == Qt::Unchecked)
        cell->setCheckState(Qt::Checked);
    else
        cell->setCheckState(state);
}

qint64 FolderView::SizeValue(const QString& size)
{
    bool ok = false;
    const qulonglong value = size.toULongLong(&ok, 10);
    return ok ? static_cast<qint64>(value) : 0;
}

// Asked once: the icon provider builds the icon anew on every call.
QIcon FolderView::FolderIcon()
{
    static const QIcon icon = QFileIconProvider().icon(QFileIconProvider::Folder);
    return icon;
}
