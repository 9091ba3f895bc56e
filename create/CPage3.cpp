#include "create/CPage3.h"

#include "create/CollectionRows.h"
#include "create/CreateChecks.h"
#include "services/MkisofsFailure.h"
#include "services/MkisofsProgress.h"
#include "services/CRunCommandThread.h"
#include "services/CFileCopy.h"
#include "services/EventWait.h"
#include "services/FolderLoopGuard.h"
#include "services/HalfWritten.h"
#include "services/Util.h"
#include "widgets/CImageButton.h"
#include "widgets/CMyTreeWidget.h"
#include "widgets/CProgressDialog.h"
#include "widgets/FileFailureText.h"

#include <QCloseEvent>
#include <QCursor>
#include <QDialog>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QRadioButton>

#include <cstdio>

CPage3::CPage3(QWidget* parent)
    : ImageDialog(parent)
{
    SetBackGround(":/nwu/page3");
    m_Form.setupUi(this);
    // Folders of earlier pages and runs that no live page holds any more.
    WorkFolder::removeStale();
    m_StageDir = m_WorkFolder.path();
    m_FileCopy = new CFileCopy(this);
    m_ProgressDialog = new CProgressDialog(this);
    m_Menu = new QMenu(this);
    connectForm();
    updateUI();
    retranslateForm();
}

CPage3::~CPage3()
{
    if (m_CreateThread) {
        m_CreateThread->terminate();
        m_CreateThread->release();
        m_CreateThread = nullptr;
        discardImage();
    }
    m_StopRequested = true;
    m_FileCopy->stop();
    m_FileCopy->wait();
}

void CPage3::del(QTreeWidgetItem* row)
{
    CollectionRows::del(row);
}

void CPage3::connectForm()
{
    connect(m_Form.addfile, qOverload<>(&CImageButton::clicked), this, &CPage3::OnAddFile);
    connect(m_Form.adddir, qOverload<>(&CImageButton::clicked), this, &CPage3::OnAddDir);
    connect(m_Form.remove, qOverload<>(&CImageButton::clicked), this, &CPage3::OnRemove);
    connect(m_Form.create, qOverload<>(&CImageButton::clicked), this, &CPage3::OnCreate);
    connect(m_Form.back, qOverload<>(&CImageButton::clicked), this, &CPage3::close);
    connect(m_ProgressDialog, &CProgressDialog::SigCancel, this, &CPage3::StopCreate);
    connect(m_Form.list, &QTreeWidget::pressed, this, &CPage3::OnTreeClicked);
    connect(m_Form.list, &QTreeWidget::customContextMenuRequested, this, &CPage3::OnListContextMenuRequest);
}

void CPage3::updateUI()
{
    // White captions: style 10 on the small tool buttons, 3 on the large ones.
    m_Form.addfile->SetBackGround(":/nwu/addfile1", ":/nwu/addfile2", ":/nwu/addfile3", QString(),
                                  tr("Add Files..."), QString(), 10);
    m_Form.adddir->SetBackGround(":/nwu/adddir1", ":/nwu/adddir2", ":/nwu/adddir3", QString(), tr("Add Folder..."),
                                 QString(), 10);
    m_Form.remove->SetBackGround(":/nwu/Remove1", ":/nwu/Remove2", ":/nwu/Remove3", QString(), tr("Remove"),
                                 QString(), 10);
    m_Form.create->SetBackGround(":/nwu/Create-IOS1", ":/nwu/Create-IOS2", ":/nwu/Create-IOS3", QString(),
                                 tr("Create ISO"), QString(), 3);
    m_Form.back->SetBackGround(":/nwu/Back1", ":/nwu/Back2", ":/nwu/Back3", QString(), tr("Back"), QString(), 3);
    m_Form.list->setHeaderLabels({tr("File Name"), tr("File Path"), tr(" Size"), tr("Type"), tr("Time")});
    buildMenu();
}

void CPage3::buildMenu()
{
    m_Menu->clear();
    m_Menu->addAction(tr("Add Files(&F)"), this, &CPage3::OnAddFile);
    m_Menu->addAction(tr("Add Dirs(&D)"), this, &CPage3::OnAddDir);
    m_Menu->addSeparator();
    m_Menu->addAction(tr("Remove(&R)"), this, &CPage3::OnRemove);
}

void CPage3::retranslateForm()
{
    m_Form.filebackup->setText(tr("File & Folder Backup"));
    m_Form.filebackup->adjustSize();
    m_Form.backtype->setText(tr("Backup Type:"));
    m_Form.backtype->adjustSize();
    m_Form.jolet->setText(tr("ISO9660 Jolet"));
    m_Form.iso9600->setText(tr("ISO9660"));
    m_Form.udf->setText(tr("UDF ISO"));
    for (QRadioButton* radio : {m_Form.jolet, m_Form.iso9600, m_Form.udf})
        radio->adjustSize();
    m_Form.label_2->setText(tr("Max Size : 5 GB"));
    if (CreateChecks::isEmpty(m_Tree))
        m_Form.totalsize->setText(tr("Total Size : 0 KB"));
    else
        RefreshTotalSize();
    m_Form.placeSizeLabels();
}

void CPage3::changeEvent(QEvent* qe)
{
    if (qe->type() == QEvent::LanguageChange) {
        updateUI();
        retranslateForm();
    }
    ImageDialog::changeEvent(qe);
}

QTreeWidgetItem* CPage3::selectedRow() const
{
    const QList<QTreeWidgetItem*> rows = m_Form.list->selectedItems();
    return rows.isEmpty() ? nullptr : rows.first();
}

void CPage3::OnAddFile()
{
    const QStringList files = Util::GetOpenFilesDialog(this);
    if (files.isEmpty())
        return;
    QTreeWidgetItem* selected = selectedRow();
    const QString prefix = CollectionRows::destinationPrefix(selected);
    QTreeWidgetItem* destination = CollectionRows::destinationRow(selected);
    Util::SetCursorBusy();
    for (const QString& file : files)
        addFile(file, prefix, destination);
    RefreshTotalSize();
    Util::RestoreCursor();
}

void CPage3::addFile(const QString& file, const QString& prefix, QTreeWidgetItem* destination)
{
    const QFileInfo info(file);
    if (!info.isFile())
        return;
    Item item;
    item.m_SrcPath = info.absoluteFilePath();
    item.m_Path = prefix + info.fileName();
    item.m_IsDir = false;
    item.m_Size = QString::number(info.size());
    item.m_Time = Util::QT2String(info.lastModified());
    if (!m_Tree.AddItem(item))
        return; // already collected
    CollectionRows::addFileRow(item, destination, m_Form.list);
    m_StagingLog.copied(item.m_Path, item.m_SrcPath, item.m_Path);
    if (m_Staged)
        m_FileCopy->AddTask(item.m_SrcPath, m_StageDir + item.m_Path, CFileCopy::Copy);
}

void CPage3::OnAddDir()
{
    const QStringList dirs = Util::GetDirsDialog(this);
    if (dirs.isEmpty())
        return;
    QTreeWidgetItem* selected = selectedRow();
    const QString prefix = CollectionRows::destinationPrefix(selected);
    QTreeWidgetItem* destination = CollectionRows::destinationRow(selected);
    Util::SetCursorBusy();
    for (const QString& dir : dirs)
        addDir(dir, prefix, destination);
    RefreshTotalSize();
    Util::RestoreCursor();
}

void CPage3::addDir(const QString& dir, const QString& prefix, QTreeWidgetItem* destination)
{
    const QFileInfo info(dir);
    if (!info.isDir() || info.fileName().isEmpty())
        return;
    Item item;
    item.m_SrcPath = info.absoluteFilePath();
    item.m_Path = prefix + info.fileName();
    item.m_IsDir = true;
    item.m_Time = Util::QT2String(info.lastModified());
    if (!m_Tree.AddItem(item))
        return;
    QTreeWidgetItem* row = CollectionRows::addFolderRow(item, destination, m_Form.list);
    FolderLoopGuard guard;
    if (guard.enter(item.m_SrcPath))
        InnerAddDir(m_Tree.GetItem(item.m_Path), item.m_SrcPath, row, nullptr, guard);
    m_StagingLog.copied(item.m_Path, item.m_SrcPath, prefix);
    if (m_Staged)
        m_FileCopy->AddTask(item.m_SrcPath, QDir::cleanPath(m_StageDir + prefix), CFileCopy::Copy);
}

// A linked folder is collected with what it holds, unless it leads back to
// a folder being collected (the copier leaves such a link out as well).
void CPage3::InnerAddDir(Item* parent, QString dirPath, QTreeWidgetItem* parentRow, QTreeWidget* widget,
                         FolderLoopGuard& guard)
{
    const QFileInfoList entries = QDir(dirPath).entryInfoList(
        QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir() && !guard.enter(entry.absoluteFilePath()))
            continue;
        Item child;
        child.m_SrcPath = entry.absoluteFilePath();
        child.m_IsDir = entry.isDir();
        child.m_Path = parent->m_Path + "/" + entry.fileName();
        child.m_Size = QString::number(entry.size());
        child.m_Time = Util::QT2String(entry.lastModified());
        Item* added = parent->m_Children.append(child);
        if (!added->m_IsDir) {
            CollectionRows::addFileRow(*added, parentRow, widget);
            continue;
        }
        QTreeWidgetItem* row = CollectionRows::addFolderRow(*added, parentRow, widget);
        InnerAddDir(added, added->m_SrcPath, row, nullptr, guard);
        guard.leave();
    }
}

void CPage3::OnRemove()
{
    QTreeWidgetItem* row = selectedRow();
    if (!row)
        return;
    const QString path = CollectionRows::pathOf(row);
    Item* item = m_Tree.GetItem(path);
    if (!item)
        return;
    // Withdraw the item's own copy if it has not started; the removal below
    // follows any copy already under way.
    const QString copyTarget = item->m_IsDir ? QDir::cleanPath(m_StageDir + item->GetRelPath()) : m_StageDir + path;
    m_StagingLog.removed(path);
    if (m_Staged) {
        m_FileCopy->RemoveTask(item->m_SrcPath, copyTarget);
        m_FileCopy->AddTask(m_StageDir + path, QString(), CFileCopy::Delete);
    }
    del(row);
    m_Tree.RemoveItem(path);
    RefreshTotalSize();
}

void CPage3::RefreshTotalSize()
{
    const qint64 total = m_Tree.TotalSize();
    m_Form.totalsize->setText(tr("Total Size: ") + Util::SizeToString(total));
    m_Form.totalsize->adjustSize();
    m_Form.progressBar->setValue(gaugeValue(total));
}

int CPage3::gaugeValue(qint64 total)
{
    const qint64 gaugeTop = qint64(5) << 30;
    return total * 100 < gaugeTop * 100 ? int(total * 100 / gaugeTop) : 100;
}

void CPage3::OnTreeClicked(QModelIndex index)
{
    if (!index.isValid())
        m_Form.list->clearSelection();
}

void CPage3::OnListContextMenuRequest(QPoint)
{
    m_Menu->popup(QCursor::pos());
}

bool CPage3::selectedType(MkisofsArgs::ImageType* type) const
{
    if (m_Form.jolet->isChecked())
        *type = MkisofsArgs::ImageType::Joliet;
    else if (m_Form.iso9600->isChecked())
        *type = MkisofsArgs::ImageType::Iso9660;
    else if (m_Form.udf->isChecked())
        *type = MkisofsArgs::ImageType::Udf;
    else
        return false;
    return true;
}

bool CPage3::checkBeforeCreate(MkisofsArgs::ImageType* type)
{
    if (CreateChecks::isEmpty(m_Tree)) {
        Util::ShowError(tr("Please add files or folders first!"));
        return false;
    }
    if (!selectedType(type)) {
        Util::ShowError(tr("Please select one type"));
        return false;
    }
    if (*type != MkisofsArgs::ImageType::Udf && CreateChecks::holdsLargeFile(m_Tree)) {
        Util::ShowError(tr("The collection holds a file of 4 GB or more, which an ISO9660 image cannot hold. "
                           "Choose UDF ISO as the backup type, or remove that file."));
        return false;
    }
    if (!m_WorkFolder.isValid()) {
        Util::ShowError(tr("The working folder below %1 could not be made. Check that this folder is "
                           "writable and that the disk has free space, then open the page again.")
                            .arg(WorkFolder::baseFolder()));
        return false;
    }
    return true;
}

// Names that even Joliet's long form cuts short are named before the
// image is made; the user decides whether to go on.
bool CPage3::acceptShortenedNames()
{
    const QStringList paths = CreateChecks::longJolietNames(m_Tree);
    if (paths.isEmpty())
        return true;
    const int shown = 2;
    QStringList names;
    for (const QString& path : paths.mid(0, shown))
        names << "\"" + QFileInfo(path).fileName().left(24) + "…\"";
    QString list = names.join(", ");
    if (paths.size() > shown)
        list += " " + tr("(and %n more)", "", paths.size() - shown);
    const QString text = tr("Windows shows names of at most %1 characters; these will be shortened there: %2. "
                            "Create the image anyway?")
                             .arg(MkisofsArgs::JolietNameLimit)
                             .arg(list);
    return Util::ShowChoose(":/nwu/commdialogbg", text) == QDialog::Accepted;
}

void CPage3::OnCreate()
{
    if (m_Waiting)
        return;
    MkisofsArgs::ImageType type;
    if (!checkBeforeCreate(&type))
        return;
    if (type == MkisofsArgs::ImageType::Joliet && !acceptShortenedNames())
        return;
    const QString output = Util::GetSaveDialog(this, "ISO Files(*.ISO)");
    if (output.isEmpty())
        return;
    m_ProgressDialog->show();
    m_OutputPath = output;
    restage();
    if (!waitForStaging()) {
        m_ProgressDialog->hide();
        return; // stopped (no message) or staging failed (told)
    }
    startCreation(type);
}

// Waits, with the interface live, until the copier has mirrored the whole
// collection into the staging folder. False when Stop was pressed or a
// copy failed (the user is told which).
bool CPage3::waitForStaging()
{
    m_Waiting = true;
    m_StopRequested = false;
    const qint64 total = m_FileCopy->GetLeftTaskBytes();
    if (m_FileCopy->IsBusy()) {
        m_ProgressDialog->SetText(tr("Copy files and folders..."));
        m_ProgressDialog->SetRange(0, int(qMax<qint64>(total, 0) / 1024));
        m_ProgressDialog->SetValue(0);
        Util::WriteLog(QString("CPage3::OnCreate total %1").arg(total));
    }
    // The byte count is only for the display: another page's copy can move
    // it, so the end of the wait is the copier's own empty queue.
    while (m_FileCopy->IsBusy() && !m_StopRequested) {
        const qint64 left = m_FileCopy->GetLeftTaskBytes();
        m_ProgressDialog->SetValue(int(qBound<qint64>(0, total - left, total) / 1024));
        EventWait::upTo(100, [this] { return !m_FileCopy->IsBusy() || m_StopRequested; }, m_FileCopy,
                        &CFileCopy::Drained);
        Util::WriteLog(QString("CPage3::OnCreate total %1 left %2").arg(total).arg(left));
    }
    m_Waiting = false;
    return !m_StopRequested && !stagingFailed();
}

bool CPage3::stagingFailed()
{
    const QList<CFileCopy::Failure> failures = m_FileCopy->TakeFailures();
    if (failures.isEmpty())
        return false;
    // The next Create stages the whole collection again.
    dropStaging();
    m_ProgressDialog->hide();
    Util::ShowError(tr("The ISO image was not created: the collection could not be copied completely.") + "\n" +
                    FileFailureText::describe(failures.first().report));
    return true;
}

void CPage3::startCreation(MkisofsArgs::ImageType type)
{
    m_ProgressDialog->SetText(tr("Creating ISO file..."));
    m_ProgressDialog->SetRange(0, MkisofsProgress::Top);
    m_ProgressDialog->SetValue(0);
    const bool large = type == MkisofsArgs::ImageType::Udf && CreateChecks::holdsLargeFile(m_Tree);
    // mkisofs writes beside the chosen file; a file already there is
    // replaced only by a complete image.
    const QString partial = m_OutputPath + ".part";
    const QStringList args = MkisofsArgs::build(type, partial, m_WorkFolder.pathWithoutSlash(), large);
    if (m_CreateThread)
        endRun();
    m_LastArguments = args;
    m_Image = PartialImage(partial);
    HalfWritten::track(partial);
    m_RunLines.clear();
    m_CreateThread = new CRunCommandThread;
    m_CreateThread->SetRunCmd(MkisofsArgs::program(), args);
    connect(m_CreateThread, &CRunCommandThread::standoutputline, this, &CPage3::OnCreateOutput);
    connect(m_CreateThread, &CRunCommandThread::sigfinished, this, &CPage3::OnCreateFinished);
    Util::WriteLog("CPage3::OnCreate " + MkisofsArgs::program() + " " + args.join(' '));
    m_CreateThread->start(QThread::InheritPriority);
}

void CPage3::OnCreateOutput(QString line)
{
    if (sender() && sender() != m_CreateThread)
        return; // a line of a run that has been stopped
    if (const std::optional<int> value = MkisofsProgress::value(line))
        m_ProgressDialog->SetValue(*value);
    m_RunLines.append(line);
    if (m_RunLines.size() > 50)
        m_RunLines.removeFirst();
    Util::WriteLog("CPage3::OnCreateOutput " + line);
}

// Ends the running creation at once: no message follows.
void CPage3::endRun()
{
    CRunCommandThread* runner = m_CreateThread;
    m_CreateThread = nullptr;
    runner->disconnect(this);
    runner->terminate();
    runner->release();
    discardImage();
}

void CPage3::discardImage()
{
    m_Image.discard();
    HalfWritten::release(m_Image.path());
}

// rename() puts the complete image in the place of any file at the output
// in one step.
bool CPage3::putImageInPlace()
{
    const bool placed = QFileInfo(m_Image.path()).isFile() &&
                        std::rename(QFile::encodeName(m_Image.path()).constData(),
                                    QFile::encodeName(m_OutputPath).constData()) == 0;
    if (placed)
        HalfWritten::release(m_Image.path());
    return placed;
}

void CPage3::OnCreateFinished()
{
    auto* runner = qobject_cast<CRunCommandThread*>(sender());
    if (!runner)
        runner = m_CreateThread;
    if (!runner || runner != m_CreateThread)
        return;
    const RunResult result = runner->result();
    runner->release();
    m_CreateThread = nullptr;
    m_ProgressDialog->hide();
    if (result.succeeded() && putImageInPlace()) {
        // The image holds the collection now: its staging copy is not kept
        // for a second creation that may never come.
        dropStaging();
        Util::ShowOpen(tr("Create ISO successfully!"), QFileInfo(m_OutputPath).absolutePath());
        return;
    }
    discardImage();
    if (!result.started)
        reportFailure(tr("mkisofs could not be started (%1). Check that the program is installed beside Quillmere.")
                          .arg(result.errorString));
    else
        reportFailure(MkisofsFailure::errorLine(m_RunLines));
}

void CPage3::reportFailure(const QString& why)
{
    QString text = tr("The ISO image could not be created.");
    if (!why.isEmpty())
        text += "\n" + why;
    text += "\n" + tr("Check that the output folder is writable and has enough free space, then try again.");
    Util::ShowError(text);
}

void CPage3::dropStaging()
{
    if (!m_Staged)
        return;
    m_Staged = false;
    m_FileCopy->ClearAllTasks();
    m_FileCopy->AddTask(m_WorkFolder.pathWithoutSlash(), QString(), CFileCopy::Delete);
}

// Fills the staging folder again from the collection's sources, as they
// were added and removed.
void CPage3::restage()
{
    if (m_Staged)
        return;
    m_Staged = true;
    m_StagingLog.replay(*m_FileCopy, m_StageDir);
}

void CPage3::closeEvent(QCloseEvent* event)
{
    // A page left with Back is never shown again.
    if (!m_CreateThread && !m_Waiting)
        dropStaging();
    ImageDialog::closeEvent(event);
}

void CPage3::StopCreate()
{
    if (m_Waiting)
        m_StopRequested = true;
    if (m_CreateThread)
        endRun();
    m_ProgressDialog->hide();
}
