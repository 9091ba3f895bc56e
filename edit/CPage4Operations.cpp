// The Edit page's changes to the loaded image: Add, Export, Rename, Delete.
#include "edit/CPage4.h"

#include "services/EventWait.h"
#include "services/FolderLoopGuard.h"
#include "edit/SubtreePaths.h"
#include "edit/WorkPath.h"
#include "services/CFileCopy.h"
#include "services/Util.h"
#include "widgets/CInputDialog.h"
#include "widgets/FolderView.h"
#include "widgets/CProgressDialog.h"
#include "widgets/FileFailureText.h"

#include <QDebug>
#include <QDialog>
#include <QDir>
#include "widgets/FolderView.h"
#include <QFileInfo>
#include <QTableWidget>
#include <QTreeWidget>

namespace {

Item entryFor(const QString& path, const QString& imagePath)
{
    const QFileInfo info(path);
    Item entry;
    entry.m_Path = imagePath;
    entry.m_SrcPath = info.absoluteFilePath();
    entry.m_IsDir = info.isDir();
    entry.m_Size = info.isDir() ? QString() : QString::number(info.size());
    entry.m_Time = Util::QT2String(info.lastModified());
    return entry;
}

} // namespace

bool CPage4::refuseOutsidePath(const Item* entry)
{
    if (refuseUnhandled(entry))
        return true;
    if (WorkPath::staysInside(entry->m_Path))
        return false;
    Util::ShowError(tr("The entry \"%1\" has a path that leads out of the image's folder, so it cannot be "
                       "changed or copied. Please load the image again or choose other entries.")
                        .arg(entry->m_Path));
    return true;
}

// An entry of the image whose name on screen is not its name on disk
// cannot be acted on: the change would reach no file, or another one.
// Before the image is unpacked, a "_" may stand for a line feed (the
// archive tool lists one so), which only the unpacked files tell.
bool CPage4::refuseUnhandled(const Item* entry)
{
    if (!entry->m_SrcPath.isEmpty())
        return false;
    if (!entry->CanBeHandled()) {
        Util::ShowError(tr("The name of \"%1\" in the image is not a name this computer can give a file, "
                           "so this entry cannot be changed or copied; the saved image keeps it as it is.")
                            .arg(FolderView::ShownName(*entry)));
        return true;
    }
    if (isExtracting() && entry->m_Path.contains('_')) {
        Util::ShowError(tr("\"%1\" can be changed once the image has been unpacked. Please wait until "
                           "the unpacking has ended, then try again.")
                            .arg(entry->GetName()));
        return true;
    }
    return false;
}

void CPage4::appendAddedRow(const Item& entry)
{
    const QString name = entry.GetName();
    const int row = m_List->rowCount();
    m_List->insertRow(row);
    auto* nameCell = entry.m_IsDir ? new QTableWidgetItem(FolderView::FolderIcon(), name)
                                   : new QTableWidgetItem(Util::GetExtensionIcon(name), name);
    nameCell->setCheckState(Qt::Unchecked);
    if (entry.m_IsDir)
        nameCell->setData(Qt::UserRole, 1);
    nameCell->setData(EntryRole, Item::ToVariant(m_Tree.GetItem(entry.m_Path)));
    m_List->setItem(row, 0, nameCell);
    m_List->setItem(row, 1, new QTableWidgetItem(entry.m_IsDir ? QString()
                                                               : Util::SizeToString(entry.m_Size.toLongLong())));
    m_List->setItem(row, 2, new QTableWidgetItem(entry.m_IsDir ? tr("Folder") : Util::GetExtensionString(name)));
    m_List->setItem(row, 3, new QTableWidgetItem(entry.m_Time));
}

void CPage4::OnAdd()
{
    if (!m_CurrentItem)
        return;
    const QStringList paths = Util::GetDirsAndFilesDialog(this);
    if (paths.isEmpty())
        return;
    QString prefix = m_CurrentItem->m_Path + "/";
    if (prefix.startsWith('/'))
        prefix.remove(0, 1);
    QTreeWidgetItem* folderNode = treeItemOf(m_CurrentItem);
    Util::SetCursorBusy();
    for (const QString& path : paths) {
        const Item entry = entryFor(path, prefix + QFileInfo(path).fileName());
        if (!WorkPath::staysInside(entry.m_Path) || !m_Tree.AddItem(entry))
            continue;
        m_Modified = true;
        appendAddedRow(entry);
        if (entry.m_IsDir) {
            auto* node = new QTreeWidgetItem(QStringList(entry.GetName()));
            node->setIcon(0, FolderView::FolderIcon());
            node->setData(0, Qt::UserRole, Item::ToVariant(m_Tree.GetItem(entry.m_Path)));
            if (folderNode)
                folderNode->addChild(node);
            FolderLoopGuard guard;
            if (guard.enter(entry.m_SrcPath))
                AddSubDir(m_Tree.GetItem(entry.m_Path), entry.m_SrcPath, node, guard);
            AddFileOpTasks(entry.m_SrcPath, workFolder() + prefix, CFileCopy::Copy);
        } else {
            AddFileOpTasks(entry.m_SrcPath, workFolder() + entry.m_Path, CFileCopy::Copy);
        }
    }
    fitNameColumn();
    Util::RestoreCursor();
}

// A linked folder that leads back to a folder being added is left out, as
// the copier leaves it out.
void CPage4::AddSubDir(Item* parent, QString dirPath, QTreeWidgetItem* parentTreeItem, FolderLoopGuard& guard)
{
    if (!parent || !parentTreeItem || !QFileInfo(dirPath).isDir())
        return;
    const QFileInfoList entries = QDir(dirPath).entryInfoList(QDir::Filters(0x6007));
    for (const QFileInfo& info : entries) {
        if (info.isDir() && !guard.enter(info.absoluteFilePath()))
            continue;
        Item* child = parent->m_Children.append(entryFor(info.absoluteFilePath(),
                                                         parent->m_Path + "/" + info.fileName()));
        if (!child->m_IsDir)
            continue;
        auto* node = new QTreeWidgetItem(QStringList(info.fileName()));
        node->setIcon(0, FolderView::FolderIcon());
        node->setData(0, Qt::UserRole, Item::ToVariant(child));
        parentTreeItem->addChild(node);
        AddSubDir(child, info.absoluteFilePath(), node, guard);
        guard.leave();
    }
}

bool CPage4::waitForExtraction()
{
    if (!m_ExtractThread)
        return !m_bStop;
    m_ProgressDialog->SetText(tr("Extracting iso..."));
    m_ProgressDialog->SetRange(0, 100);
    m_ProgressDialog->show();
    while (m_ExtractThread && !m_bStop) {
        m_ProgressDialog->SetValue(m_ExtractProgress);
        EventWait::upTo(200, [this] { return !m_ExtractThread || m_bStop; });
    }
    return !m_bStop;
}

bool CPage4::waitForCopier()
{
    const qint64 total = m_FileCopy->GetLeftTaskBytes();
    if (total > 0) {
        m_ProgressDialog->SetText(tr("Copy files and directories..."));
        m_ProgressDialog->SetRange(0, int(total / 1024));
    }
    // Removals and renames carry no bytes: the queue is done when the
    // copier is idle, not when no bytes are left.
    while (!m_bStop && (m_FileCopy->GetLeftTaskBytes() > 0 || m_FileCopy->IsBusy())) {
        const qint64 left = qMax<qint64>(0, m_FileCopy->GetLeftTaskBytes());
        if (total > 0)
            m_ProgressDialog->SetValue(int((total - left) / 1024));
        EventWait::upTo(100, [this] { return m_bStop || !m_FileCopy->IsBusy(); }, m_FileCopy,
                        &CFileCopy::Drained);
        qDebug() << "CPage4::OnCreate" << total << left;
    }
    return !m_bStop;
}

bool CPage4::takesFromImage(const QList<Item*>& entries)
{
    for (const Item* entry : entries) {
        if (entry->m_SrcPath.isEmpty())
            return true;
    }
    return false;
}

void CPage4::OnExport()
{
    const QList<Item*> entries = checkedEntries();
    if (entries.isEmpty()) {
        Util::ShowError(tr("Please select files or folders in the list first."));
        return;
    }
    for (const Item* entry : entries) {
        if (entry->m_SrcPath.isEmpty() && refuseOutsidePath(entry))
            return;
    }
    if (!isExtracting() && m_ExtractFailed && takesFromImage(entries)) {
        Util::ShowError(tr("The image was not unpacked completely, so exported files could be missing or "
                           "incomplete. Please load the image again."));
        return;
    }
    const QString target = Util::GetDirDialog(this);
    if (target.isEmpty())
        return;
    m_bStop = false;
    // Renames and removals queued earlier must be done before copying out.
    bool ready = waitForExtraction();
    // An extraction that failed meanwhile has shown why; the working copies
    // of the image's entries lack files.
    if (m_ExtractFailed && takesFromImage(entries))
        ready = false;
    if (ready) {
        m_ProgressDialog->show();
        ready = waitForCopier();
    }
    if (!ready) {
        m_ProgressDialog->hide();
        return;
    }
    m_Exporting = true;
    const int earlierFailures = m_FileCopy->FailureCount();
    for (const Item* entry : entries) {
        const QString source = entry->m_SrcPath.isEmpty() ? workFolder() + entry->m_Path : entry->m_SrcPath;
        m_FileCopy->AddTask(source, entry->m_IsDir ? target : target + "/" + QFileInfo(source).fileName(),
                            CFileCopy::Copy);
    }
    const bool copied = waitForCopier();
    m_Exporting = false;
    m_ProgressDialog->hide();
    // The export's own failures; those of the image's changes stay for Save.
    const QList<CFileCopy::Failure> failures = m_FileCopy->TakeFailures(earlierFailures);
    if (!copied)
        return;
    if (!failures.isEmpty()) {
        Util::ShowError(tr("The export did not complete.") + "\n" + FileFailureText::describe(failures.first().report));
        return;
    }
    qDebug() << "file copy finished!!!";
    Util::ShowOpen(tr("Export Successfully !"), target);
}

void CPage4::OnRename()
{
    const QList<Item*> entries = checkedEntries();
    if (entries.isEmpty()) {
        Util::ShowError(tr("Please select one row in the table list first"));
        return;
    }
    Item* entry = entries.first();
    if (refuseOutsidePath(entry))
        return;
    const QString oldName = entry->GetName();
    CInputDialog dialog(this);
    dialog.SetInput(oldName);
    if (dialog.exec() != 1)
        return;
    const QString name = dialog.GetInput();
    if (name.isEmpty() || name == oldName)
        return;
    if (!WorkPath::isValidName(name)) {
        Util::ShowError(tr("\"%1\" cannot be used as a name: a name must not hold \"/\" or \"\\\" and "
                           "must not be \".\" or \"..\". Please type another name.")
                            .arg(name));
        return;
    }
    Item* parent = entry->Parent();
    const QString newPath = entry->m_Path.left(entry->m_Path.size() - oldName.size()) + name;
    if (parent && parent->m_Children.findByPath(newPath)) {
        Util::ShowError(tr("This folder already holds an entry named \"%1\". Please type another name.").arg(name));
        return;
    }
    const QString oldPath = entry->m_Path;
    entry->Rename(name);
    SubtreePaths::follow(entry);
    m_Boot.followRename(oldPath, entry->m_Path);
    m_Modified = true;
    AddFileOpTasks(workFolder() + oldPath, workFolder() + entry->m_Path, CFileCopy::Rename);
    for (int row = 0; row < m_List->rowCount(); ++row) {
        if (Item::FromVariant(m_List->item(row, 0)->data(EntryRole)) == entry)
            m_List->item(row, 0)->setText(name);
    }
    if (QTreeWidgetItem* node = entry->m_IsDir ? treeItemOf(entry) : nullptr)
        node->setText(0, name);
    fitNameColumn();
}

// Deleting the file behind a boot entry takes the entry out of the saved
// image: for each such file the user is told what stops working and
// decides; one No keeps everything.
bool CPage4::confirmBootDelete(const QList<Item*>& entries)
{
    for (const Item* entry : entries) {
        bool bios = false;
        bool uefi = false;
        for (const BootLayout::Entry& boot : m_Boot.entriesBehind(entry->m_Path))
            (boot.boot.platform == 0xEF ? uefi : bios) = true;
        if (!bios && !uefi)
            continue;
        const QString name = entry->GetName();
        const QString text =
            bios && uefi ? tr("\"%1\" starts the image on BIOS and UEFI computers: without it the saved image will "
                              "not start on them. Delete it anyway?").arg(name)
            : uefi       ? tr("\"%1\" starts the image on UEFI computers: without it the saved image will not start "
                              "on them. Delete it anyway?").arg(name)
                         : tr("\"%1\" starts the image on BIOS computers and from a CD or DVD: without it the saved "
                              "image will not start there. Delete it anyway?").arg(name);
        if (Util::ShowChoose(":/nwu/commdialogbg", text) != QDialog::Accepted)
            return false;
    }
    return true;
}

void CPage4::OnDelete()
{
    const QList<Item*> entries = checkedEntries();
    if (entries.isEmpty()) {
        Util::ShowError(tr("Please select one row in the table list first"));
        return;
    }
    for (const Item* entry : entries) {
        if (refuseOutsidePath(entry))
            return;
    }
    if (!confirmBootDelete(entries))
        return;
    m_Modified = true;
    for (int i = entries.size() - 1; i >= 0; --i) {
        Item* entry = entries.at(i);
        m_Boot.forget(entry->m_Path);
        AddFileOpTasks(workFolder() + entry->m_Path, QString(), CFileCopy::Delete);
        if (entry->m_IsDir)
            delete treeItemOf(entry);
        m_CurrentItem->m_Children.remove(entry);
    }
    RefreshTable();
}

void CPage4::OnNew() {}
