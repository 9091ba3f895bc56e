#include "edit/CPage4.h"

#include "edit/WorkPath.h"
#include "services/MasterBootRecord.h"
#include "widgets/FolderView.h"
#include "services/ArchiveProgress.h"
#include "services/ArchiveTool.h"
#include "services/CFileCopy.h"
#include "services/CRunCommandThread.h"
#include "services/Util.h"
#include "services/WorkFolder.h"
#include "widgets/CImageButton.h"
#include "widgets/CLineEdit.h"
#include "widgets/CProgressDialog.h"
#include "widgets/ColumnFit.h"
#include "widgets/SCheckBoxHeaderView.h"
#include "widgets/SaveChangesDialog.h"

#include <QCloseEvent>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QSet>
#include <QTableWidget>
#include <QTreeWidget>

namespace {

// 7z shows an image's boot images in this pseudo folder; it is no folder
// of the image and must not become one of the saved image.
const char kBootPseudoFolder[] = "[BOOT]";

// Rows that decide the columns' widths while the table has no height yet.
const int kFitRows = 40;

QIcon folderIcon()
{
    return FolderView::FolderIcon();
}

} // namespace

CPage4::CPage4(QWidget* parent) : ImageDialog(parent)
{
    m_FileCopy = new CFileCopy(nullptr);
    m_FileCopy->start();
}

CPage4::~CPage4()
{
    stopExtraction();
    if (m_ListThread) {
        m_ListThread->terminate();
        m_ListThread->release();
    }
    if (m_CreateThread) {
        m_CreateThread->terminate();
        m_CreateThread->release();
    }
    m_FileCopy->stop();
    m_FileCopy->wait();
    delete m_FileCopy;
}

QString CPage4::workFolder() const
{
    return m_WorkFolder ? m_WorkFolder->path() + "image/" : QString();
}

QString CPage4::bootImageFile() const
{
    return m_WorkFolder ? m_WorkFolder->path() + "boot.bin" : QString();
}

void CPage4::InitializeUI()
{
    buildForm();
    qDebug() << "CPage4::InitializeUI() is called!!";
    updateUI();
    m_New->hide();
    connectForm();
    SetEnabled(false);
    m_Back->setEnabled(true);
    m_LoadIso->setEnabled(true);
    m_Save->setEnabled(true); // says that an image must be loaded first
    Util::RestoreCursor();
    if (parentWidget()) {
        setFixedWidth(parentWidget()->width() - 6);
        setFixedHeight(parentWidget()->height() - 110);
    }
    // Folders of earlier runs that no page holds any more.
    WorkFolder::removeStale();
}

void CPage4::SetEnabled(bool enabled)
{
    if (enabled)
        Util::RestoreCursor();
    else
        Util::SetCursorBusy();
    for (CImageButton* button : {m_Back, m_LoadIso, m_Add, m_Rename, m_Delete, m_Export, m_New, m_Save})
        button->setEnabled(enabled);
}

void CPage4::OnLoadISO()
{
    if (keepsChanges(AfterSave::Load))
        return;
    const QString path = Util::GetOpenFileDialog(this, "ISO Files(*.ISO)");
    // A cancelled choice keeps the loaded image and its working folder.
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    m_IsoPath = path;
    m_ExtractFailed = false;
    m_Modified = false;
    stopExtraction();
    m_PendingOps.clear();
    m_FileCopy->ClearAllTasks();
    m_FileCopy->TakeFailures(); // they belong to the image left
    // Each load unpacks into a folder of its own, so the removal of the old
    // one can never touch the files of the new extraction.
    if (m_WorkFolder)
        m_FileCopy->AddTask(m_WorkFolder->pathWithoutSlash(), QString(), CFileCopy::Delete);
    m_WorkFolder = std::make_unique<WorkFolder>("edit");
    QDir().mkpath(workFolder());

    startListing();
    Util::RemoveFile(bootImageFile());
    Util::BootExtract(m_IsoPath, bootImageFile());
    m_Boot.load(m_IsoPath);
    m_Volume = VolumeIdentity::read(m_IsoPath);
    m_HasBootRecord = MasterBootRecord::inFile(m_IsoPath);
    startExtraction();
    SetEnabled(false);
}

void CPage4::startListing()
{
    if (m_ListThread) {
        m_ListThread->terminate();
        m_ListThread->release();
    }
    m_CurrentItem = nullptr;
    m_TreeWidget->clear();
    m_List->setRowCount(0);
    m_Listing.Start(m_IsoPath);
    m_ListThread = new CRunCommandThread(nullptr);
    // The reader takes the output's bytes, to decode whole lines.
    m_ListThread->m_bRawOutput = true;
    connect(m_ListThread, &CRunCommandThread::standoutputbytes, this, &CPage4::OnListingOutput);
    connect(m_ListThread, &CRunCommandThread::sigfinished, this, &CPage4::OnListingEnded);
    m_ListThread->SetRunCmd(ArchiveTool::program(), ArchiveTool::listArgsUtf8(m_IsoPath));
    m_ListThread->start();
}

void CPage4::startExtraction()
{
    m_ExtractProgress = 0;
    m_ExtractErrors.clear();
    m_ExtractThread = new CRunCommandThread(nullptr);
    connect(m_ExtractThread, &CRunCommandThread::standoutputline, this, &CPage4::OnExtractOutput);
    connect(m_ExtractThread, &CRunCommandThread::sigfinished, this, &CPage4::OnExtractFinished);
    m_ExtractThread->SetRunCmd(ArchiveTool::program(), ArchiveTool::unpackAllArgs(workFolder(), m_IsoPath));
    m_ExtractThread->start();
}

void CPage4::stopExtraction()
{
    if (!m_ExtractThread)
        return;
    m_ExtractThread->terminate();
    m_ExtractThread->release();
    m_ExtractThread = nullptr;
}

void CPage4::OnLineOutput(QString line)
{
    if (sender() != m_ListThread)
        return;
    if (m_Listing.ReadLine(line))
        OnUnzipFinished();
}

void CPage4::OnListingOutput(const QByteArray& bytes)
{
    if (sender() != m_ListThread)
        return;
    if (m_Listing.ReadOutput(bytes))
        OnUnzipFinished();
}

void CPage4::OnListingEnded()
{
    if (sender() != m_ListThread || m_Listing.IsComplete() || m_Listing.EndOfOutput())
        return;
    // The tool ended before its table was complete: nothing can be edited.
    const QStringList errors = m_Listing.ToolErrors();
    m_ListThread->release();
    m_ListThread = nullptr;
    stopExtraction();
    SetEnabled(false);
    m_Back->setEnabled(true);
    m_LoadIso->setEnabled(true);
    m_Save->setEnabled(true);
    Util::RestoreCursor();
    Util::ShowError(tr("The image \"%1\" could not be listed: %2 Please check that it is an ISO image.")
                        .arg(QFileInfo(m_IsoPath).fileName(),
                             errors.isEmpty() ? tr("the archive tool gave no reason.") : errors.join(' ')));
}

void CPage4::dropBootPseudoFolder()
{
    if (!m_Boot.hasCatalog())
        return;
    Item* pseudo = m_Tree.GetItem(kBootPseudoFolder);
    if (pseudo && pseudo->m_IsDir)
        m_Tree.m_Root.m_Children.remove(pseudo);
}

void CPage4::OnUnzipFinished()
{
    SetEnabled(true);
    qDebug() << "finished unzip";
    dropBootPseudoFolder();
    m_TreeWidget->clear();
    auto* top = new QTreeWidgetItem(QStringList(m_Tree.m_Name));
    top->setData(0, Qt::UserRole, Item::ToVariant(&m_Tree.m_Root));
    m_TreeWidget->addTopLevelItem(top);
    LoadFiles(&m_Tree.m_Root, nullptr, top);
    top->setIcon(0, folderIcon());
    top->setExpanded(true);
    m_CurrentItem = &m_Tree.m_Root;
    markNamesMissingOnDisk({}); // the unpacking may have ended first
    RefreshTable();
    if (m_ListThread) {
        m_ListThread->release();
        m_ListThread = nullptr;
    }
}

void CPage4::LoadFiles(Item* item, QTreeWidget* widget, QTreeWidgetItem* parent)
{
    if (!item || !parent)
        return;
    for (Item* child : item->m_Children) {
        if (!child->m_IsDir)
            continue;
        auto* node = new QTreeWidgetItem(QStringList(child->GetName()));
        if (widget)
            widget->addTopLevelItem(node);
        else
            parent->addChild(node);
        node->setIcon(0, folderIcon());
        node->setData(0, Qt::UserRole, Item::ToVariant(child));
        LoadFiles(child, nullptr, node);
    }
}

void CPage4::RefreshTable()
{
    if (!m_CurrentItem) {
        m_List->setRowCount(0);
        return;
    }
    const QString filter = m_Search->text().trimmed();
    QList<Item*> shown;
    shown.reserve(m_CurrentItem->m_Children.size());
    for (Item* child : m_CurrentItem->m_Children) {
        if (filter.isEmpty() || child->GetName().contains(filter, Qt::CaseInsensitive))
            shown.append(child);
    }
    // Rows stand for their entry even while a filter hides others.
    FolderView::FillRows(m_List, shown, tr("Folder"), EntryRole);
    fitNameColumn();
}

void CPage4::fitNameColumn()
{
    // The rows in view decide. The toolkit's own column hint measures up to
    // a thousand rows, which costs a large folder more than filling it.
    const QHeaderView* rows = m_List->verticalHeader();
    const int top = qMax(0, rows->visualIndexAt(0));
    int bottom = rows->visualIndexAt(m_List->viewport()->height());
    if (bottom < 0)
        bottom = qMin(m_List->rowCount(), top + kFitRows) - 1;
    QList<int> wanted;
    for (int column = 0; column < m_List->columnCount(); ++column)
        wanted << m_HeaderView->sectionSizeHint(column);
    const QAbstractItemView* view = m_List;
    const int grid = m_List->showGrid() ? 1 : 0;
    for (int row = top; row <= bottom; ++row) {
        const int logicalRow = rows->logicalIndex(row);
        for (int column = 0; column < wanted.size(); ++column) {
            const QModelIndex cell = m_List->model()->index(logicalRow, column);
            wanted[column] = qMax(wanted[column], view->sizeHintForIndex(cell).width() + grid);
        }
    }
    const QList<int> widths = ColumnFit::widths(m_List->width() - 2, wanted);
    for (int column = 0; column < widths.size(); ++column)
        m_List->setColumnWidth(column, widths.at(column));
}

Item* CPage4::entryOfRow(int row) const
{
    QTableWidgetItem* cell = m_List->item(row, 0);
    if (!cell || !m_CurrentItem)
        return nullptr;
    Item* entry = Item::FromVariant(cell->data(EntryRole));
    return m_CurrentItem->m_Children.contains(entry) ? entry : nullptr;
}

QList<Item*> CPage4::checkedEntries() const
{
    QList<Item*> entries;
    if (!m_CurrentItem)
        return entries;
    // Rows are matched against the folder's entries before use: a stored
    // pointer is never followed unless its entry still exists.
    QSet<const Item*> shown;
    shown.reserve(m_CurrentItem->m_Children.size());
    for (const Item* child : m_CurrentItem->m_Children)
        shown.insert(child);
    for (int row = 0; row < m_List->rowCount(); ++row) {
        QTableWidgetItem* cell = m_List->item(row, 0);
        if (!cell || cell->data(Qt::CheckStateRole).toInt() != Qt::Checked)
            continue;
        Item* entry = Item::FromVariant(cell->data(EntryRole));
        if (shown.contains(entry))
            entries.append(entry);
    }
    return entries;
}

QTreeWidgetItem* CPage4::treeItemOf(Item* item) const
{
    QTreeWidgetItem* top = m_TreeWidget->topLevelItem(0);
    return top ? FolderView::FindRow(top, item) : nullptr;
}

void CPage4::OnTreeCurrentChanged()
{
    QTreeWidgetItem* current = m_TreeWidget->currentItem();
    if (!current)
        return;
    current->setSelected(true);
    m_CurrentItem = Item::FromVariant(current->data(0, Qt::UserRole));
    RefreshTable();
}

void CPage4::OnListViewDoubleClicked()
{
    QTableWidgetItem* current = m_List->currentItem();
    if (!current)
        return;
    Item* entry = entryOfRow(current->row());
    if (!entry || !entry->m_IsDir)
        return;
    m_CurrentItem = entry;
    RefreshTreeWidget();
    RefreshTable();
}

void CPage4::RefreshTreeWidget()
{
    QTreeWidgetItem* node = treeItemOf(m_CurrentItem);
    if (!node)
        return;
    m_TreeWidget->clearSelection();
    node->setSelected(true);
    m_TreeWidget->setCurrentItem(node);
    if (node->parent() && !node->parent()->isExpanded())
        node->parent()->setExpanded(true);
    node->setExpanded(true);
}

void CPage4::OnListViewClicked(QTableWidgetItem* pItem)
{
    if (!pItem || pItem->tableWidget() != m_List || pItem->row() < 0 || pItem->row() >= m_List->rowCount())
        return;
    const QPoint at = m_List->mapFromGlobal(QCursor::pos());
    if (at.x() < 17)
        return; // the check box handles its own area
    FolderView::ToggleChecked(m_List, pItem->row());
}

void CPage4::slotSelectAll(bool bChecked)
{
    FolderView::SetAllChecked(m_List, bChecked);
}

void CPage4::OnSearch()
{
    RefreshTable();
}

void CPage4::OnListContextMenuRequest(QPoint)
{
    m_Menu->popup(QCursor::pos());
}

void CPage4::OnExtractOutput(QString line)
{
    if (sender() != m_ExtractThread)
        return;
    m_ExtractErrors << ArchiveProgress::errorLines(line);
    ArchiveProgress::Report report;
    if (!ArchiveProgress::lastReport(line, &report))
        return;
    m_ExtractProgress = report.percent;
    qDebug() << "m_ExtractProgress:" << m_ExtractProgress;
}

void CPage4::OnExtractFinished()
{
    if (sender() != m_ExtractThread)
        return;
    const RunResult result = m_ExtractThread->result();
    m_ExtractFailed = !ArchiveTool::extractionSucceeded(result, m_ExtractErrors);
    if (m_Boot.hasCatalog())
        m_FileCopy->AddTask(workFolder() + kBootPseudoFolder, QString(), CFileCopy::Delete);
    QSet<QString> renamedTo;
    for (const FileOp& op : qAsConst(m_PendingOps)) {
        if (op.type == CFileCopy::Rename)
            renamedTo.insert(op.destination);
    }
    for (const FileOp& op : m_PendingOps)
        m_FileCopy->AddTask(op.source, op.destination, op.type);
    m_PendingOps.clear();
    m_ExtractThread->release();
    m_ExtractThread = nullptr;
    if (markNamesMissingOnDisk(renamedTo))
        RefreshTable();
    qDebug() << "CPage4::OnExtractFinished() is called!!";
    if (m_ExtractFailed)
        Util::ShowError(tr("The image could not be unpacked completely (%1). Saving it now would leave "
                           "files out; please load the image again or check the free disk space.")
                            .arg(unpackingFailure(result)));
}

// Marks the entries whose listed name names no unpacked file, once both
// the listing and a successful unpacking have ended (either may end
// first); returns whether it did.
bool CPage4::markNamesMissingOnDisk(const QSet<QString>& renamedTo)
{
    if (!isListed() || isExtracting() || m_ExtractFailed)
        return false;
    markEntriesMissingOnDisk(&m_Tree.m_Root, renamedTo);
    return true;
}

// The archive tool lists a line feed in a name as "_" but unpacks it as
// it is: such an entry's listed path names no file. Entries renamed while
// the unpacking ran are found at their new paths only later.
void CPage4::markEntriesMissingOnDisk(Item* folder, const QSet<QString>& renamedTo)
{
    for (Item* entry : folder->m_Children) {
        if (!entry->m_SrcPath.isEmpty() || renamedTo.contains(workFolder() + entry->m_Path))
            continue;
        const QFileInfo onDisk(workFolder() + entry->m_Path);
        if (entry->GetName().contains('_') && !onDisk.exists() && !onDisk.isSymLink())
            entry->m_Unhandled = true;
        else if (entry->m_IsDir)
            markEntriesMissingOnDisk(entry, renamedTo);
    }
}

QString CPage4::unpackingFailure(const RunResult& result) const
{
    if (!m_ExtractErrors.isEmpty())
        return m_ExtractErrors.first();
    return result.errorString.isEmpty() ? tr("the archive tool reported an error") : result.errorString;
}

void CPage4::AddFileOpTasks(QString src, QString dst, int type)
{
    if (m_ExtractThread) {
        m_PendingOps.append(FileOp{type, src, dst});
        return;
    }
    for (const FileOp& op : m_PendingOps)
        m_FileCopy->AddTask(op.source, op.destination, op.type);
    m_PendingOps.clear();
    m_FileCopy->AddTask(src, dst, type);
}

// Asks what becomes of unsaved changes before they would be lost. True
// when the caller must not go on now: the user cancelled, or a save runs
// that goes on with next once the image is written.
bool CPage4::keepsChanges(AfterSave next)
{
    if (!m_Modified)
        return false;
    SaveChangesDialog dialog;
    dialog.SetText(tr("The changes to \"%1\" are not saved yet. Save them before going on?")
                       .arg(QFileInfo(m_IsoPath).fileName()));
    switch (dialog.exec()) {
    case SaveChangesDialog::Discard:
        m_Modified = false;
        return false;
    case SaveChangesDialog::Save:
        m_AfterSave = next;
        OnSave();
        if (!m_CreateThread)
            m_AfterSave = AfterSave::Nothing; // not saved: the changes stay
        return true;
    default:
        return true;
    }
}

void CPage4::closeEvent(QCloseEvent* event)
{
    if (m_CreateThread || keepsChanges(AfterSave::Close)) {
        event->ignore();
        return;
    }
    releaseImage();
    ImageDialog::closeEvent(event);
}

// A page that is left is never shown again: its unpacked image goes now,
// through the copier after the tasks already queued, not at the program's end.
void CPage4::releaseImage()
{
    stopExtraction();
    if (m_ListThread) {
        m_ListThread->terminate();
        m_ListThread->release();
        m_ListThread = nullptr;
    }
    m_PendingOps.clear();
    if (m_WorkFolder)
        m_FileCopy->AddTask(m_WorkFolder->pathWithoutSlash(), QString(), CFileCopy::Delete);
    m_WorkFolder.reset();
}
