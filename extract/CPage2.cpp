#include "extract/CPage2.h"

#include "extract/ExtractArguments.h"
#include "extract/ExtractOutcome.h"
#include "extract/ExtractPageForm.h"
#include "extract/ExtractPlacer.h"
#include "widgets/FolderView.h"
#include "extract/ListingFailure.h"
#include "extract/SameNamedFiles.h"
#include "services/ArchiveProgress.h"
#include "services/ArchiveTool.h"
#include "services/CRunCommandThread.h"
#include "services/HalfWritten.h"
#include "services/LeftoverRemoval.h"
#include "services/Util.h"
#include "widgets/CImageButton.h"
#include "widgets/CProgressDialog.h"
#include "widgets/GerneralDialog.h"
#include "widgets/NoFocusDelegate.h"
#include "widgets/ReplaceFileDialog.h"
#include "widgets/SCheckBoxHeaderView.h"

#include <QCursor>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMenu>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTreeWidget>

CPage2::CPage2(QWidget* parent) : ImageDialog(parent), ui(new ExtractPageForm)
{
    ui->setupUi(this);
    // No parent: a disabled page must not disable the Stop button.
    m_ProgressDialog = new CProgressDialog;
    m_Menu = new QMenu(this);
}

CPage2::~CPage2()
{
    if (m_ExtractThread) {
        m_ExtractThread->terminate();
        m_ExtractThread->release();
    }
    if (m_ListThread) {
        m_ListThread->terminate();
        m_ListThread->release();
    }
    delete m_ProgressDialog;
    delete ui;
}

void CPage2::InitializeUI()
{
    Util::WriteLog("CPage2::InitializeUI() is called!!");
    SetBackGround(":/nwu/page2");
    ui->applyLook();
    m_HeaderView = new SCheckBoxHeaderView(0, Qt::Horizontal, ui->list);
    ui->list->setHorizontalHeader(m_HeaderView);
    m_HeaderView->setVisible(true);
    m_HeaderView->setHighlightSections(false);
    ui->list->setItemDelegate(new NoFocusDelegate(ui->list));
    const int columnWidth = (ui->list->width() - 2) / 4;
    ui->list->setColumnWidth(0, columnWidth + 10);
    for (int column = 1; column < 4; ++column)
        ui->list->setColumnWidth(column, columnWidth);
    updateUI();
    ui->retranslateTexts(this);

    connect(ui->loadiso, qOverload<>(&CImageButton::clicked), this, &CPage2::OnLoadISO);
    connect(ui->back, qOverload<>(&CImageButton::clicked), this, &CPage2::OnBack);
    connect(ui->extract, qOverload<>(&CImageButton::clicked), this, &CPage2::OnExtract);
    connect(m_HeaderView, &SCheckBoxHeaderView::checkStausChange, this, &CPage2::slotSelectAll);
    connect(ui->list, &QWidget::customContextMenuRequested, this, &CPage2::OnListContextMenuRequest);
    connect(ui->list, &QTableWidget::itemDoubleClicked, this, &CPage2::OnListViewDoubleClicked);
    connect(ui->list, &QTableWidget::itemClicked, this, &CPage2::OnListViewClicked);
    connect(ui->tree, &QTreeWidget::itemClicked, this, &CPage2::OnTreeCurrentChanged);
    connect(m_ProgressDialog, &CProgressDialog::SigCancel, this, &CPage2::OnStopExtract);
}

void CPage2::updateUI()
{
    ui->retranslateButtons();
    m_Menu->clear();
    connect(m_Menu->addAction(tr("Extract(&E)")), &QAction::triggered, this, &CPage2::OnExtract);
}

void CPage2::changeEvent(QEvent* qe)
{
    ImageDialog::changeEvent(qe);
    if (qe->type() != QEvent::LanguageChange)
        return;
    updateUI();
    ui->retranslateTexts(this);
}

QTreeWidgetItem* CPage2::GetTreeWidgetItemByData(QTreeWidgetItem* node, Item* item)
{
    return FolderView::FindRow(node, item);
}

// Listing

void CPage2::OnLoadISO()
{
    const QString path = Util::GetOpenFileDialog(this, "ISO Files(*.ISO)");
    if (!path.isEmpty())
        OpenImage(path);
}

bool CPage2::OpenImage(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return false;
    m_IsoPath = path;
    StartListing(path);
    return true;
}

void CPage2::StartListing(const QString& isoPath)
{
    auto* runner = new CRunCommandThread;
    runner->SetRunCmd(ArchiveTool::program(), ArchiveTool::listArgs(isoPath));
    // The reader takes the output's bytes, to decode whole lines.
    runner->m_bRawOutput = true;
    connect(runner, &CRunCommandThread::standoutputbytes, this, &CPage2::OnListingOutput);
    connect(runner, &CRunCommandThread::sigfinished, this, &CPage2::OnListingProcessEnded);
    m_ListThread = runner;
    SetListingBusy(true);
    // The views point into the tree, which is emptied now.
    ClearViews();
    m_Listing.Start(isoPath);
    m_bInListing = m_Listing.InListing();
    runner->start(QThread::InheritPriority);
}

void CPage2::SetListingBusy(bool busy)
{
    if (busy)
        Util::SetCursorBusy();
    else
        Util::RestoreCursor();
    ui->loadiso->setEnabled(!busy);
    ui->back->setEnabled(!busy);
    ui->extract->setEnabled(!busy);
}

void CPage2::ClearViews()
{
    m_CurrentItem = nullptr;
    ui->tree->clear();
    ui->list->setRowCount(0);
}

void CPage2::OnLineOutput(QString line)
{
    if (sender() && sender() != m_ListThread)
        return;
    const bool completed = m_Listing.ReadLine(line);
    m_bInListing = m_Listing.InListing();
    if (completed)
        OnUnzipFinished();
}

void CPage2::OnListingOutput(const QByteArray& bytes)
{
    if (sender() && sender() != m_ListThread)
        return;
    const bool completed = m_Listing.ReadOutput(bytes);
    m_bInListing = m_Listing.InListing();
    if (completed)
        OnUnzipFinished();
}

// The runner is released only here, once its process and thread have
// ended; lines after the table (the summary) may still be on their way
// when the listing completes.
void CPage2::OnListingProcessEnded()
{
    auto* runner = qobject_cast<CRunCommandThread*>(sender());
    if (!runner)
        return;
    const RunResult result = runner->result();
    runner->release();
    if (runner != m_ListThread)
        return;
    m_ListThread = nullptr;
    if (m_Listing.EndOfOutput())
        OnUnzipFinished();
    const bool complete = m_Listing.IsComplete();
    if (!complete) {
        m_bInListing = false;
        SetListingBusy(false);
        ClearViews();
        Util::ShowError(ListingFailure::Message(result, false, m_IsoPath, m_Listing.ToolErrors()));
    }
    emit listingEnded(complete);
}

void CPage2::OnUnzipFinished()
{
    SetListingBusy(false);
    Util::WriteLog("finished unzip");
    ui->tree->clear();
    auto* top = new QTreeWidgetItem;
    top->setText(0, m_Tree.m_Name);
    top->setData(0, Qt::UserRole, Item::ToVariant(&m_Tree.m_Root));
    ui->tree->addTopLevelItem(top);
    LoadFiles(&m_Tree.m_Root, nullptr, top);
    top->setIcon(0, FolderView::FolderIcon());
    top->setExpanded(true);
    m_CurrentItem = &m_Tree.m_Root;
    RefreshTable();
}

void CPage2::LoadFiles(Item* item, QTreeWidget* widget, QTreeWidgetItem* parent)
{
    if (!item || !parent)
        return;
    for (Item* child : item->m_Children) {
        if (!child->m_IsDir)
            continue;
        QTreeWidgetItem* row = FolderView::AddFolderRow(child, widget, parent);
        LoadFiles(child, nullptr, row);
    }
}

void CPage2::RefreshTable()
{
    FolderView::FillTable(ui->list, m_CurrentItem);
}

// Navigation and ticking

void CPage2::OnTreeCurrentChanged()
{
    QTreeWidgetItem* row = ui->tree->currentItem();
    if (!row)
        return;
    row->setSelected(true);
    m_CurrentItem = Item::FromVariant(row->data(0, Qt::UserRole));
    RefreshTable();
}

void CPage2::OnListViewDoubleClicked()
{
    if (!m_CurrentItem)
        return;
    const int row = ui->list->currentRow();
    Item* child = m_CurrentItem->m_Children.value(row);
    if (!child || !child->m_IsDir)
        return;
    m_CurrentItem = child;
    RefreshTable();
    RefreshTreeWidget();
}

void CPage2::RefreshTreeWidget()
{
    FolderView::SelectFolderRow(ui->tree, m_CurrentItem);
}

void CPage2::OnBack()
{
    close();
}

void CPage2::OnListViewClicked(QTableWidgetItem* pItem)
{
    if (!pItem || !pItem->tableWidget())
        return;
    const int row = pItem->row();
    if (row < 0 || row >= ui->list->rowCount())
        return;
    // The check box itself handles clicks at its own place.
    if (ui->list->mapFromGlobal(QCursor::pos()).x() <= 16)
        return;
    Util::WriteLog("CPage2::OnListViewClicked");
    FolderView::ToggleChecked(ui->list, row);
}

void CPage2::slotSelectAll(bool bChecked)
{
    FolderView::SetAllChecked(ui->list, bChecked);
}

void CPage2::OnListContextMenuRequest(QPoint)
{
    m_Menu->popup(QCursor::pos());
}

// Extraction

void CPage2::OnExtract()
{
    if (FolderView::CheckedRows(ui->list).isEmpty()) {
        GerneralDialog notice(this);
        notice.SetBackGround(":/nwu/select_files_extract",
                             tr("Please select the files or folders you want to extract"));
        notice.AddOK(120, 0);
        notice.exec();
        return;
    }
    const QString destination = Util::GetDirDialog(this);
    if (destination.isEmpty())
        return;
    if (!StartExtraction(QDir::cleanPath(destination)))
        emit extractionEnded(false);
}

// The tool extracts into a fresh folder inside the destination, in the
// image's folder structure; when it has ended, the ticked entries are moved
// from there to the top of the destination. So nothing of the destination
// is touched before the tool has succeeded, and entries that the tool
// extracts beyond the ticked ones (its "-r" also matches same-named
// entries deeper in the image) never reach the destination.
bool CPage2::StartExtraction(const QString& destination)
{
    const QString prefix =
        !m_CurrentItem || m_CurrentItem->m_Path.isEmpty() ? QString() : m_CurrentItem->m_Path + "/";
    ExtractArguments arguments(m_IsoPath, prefix);
    m_Refused.clear();
    QList<const Item*> entries;
    for (int row : FolderView::CheckedRows(ui->list)) {
        const Item* entry = m_CurrentItem ? m_CurrentItem->m_Children.value(row) : nullptr;
        if (!entry)
            continue;
        if (entry->CanBeHandled() && ArchiveTool::canListLiterally(entry->m_Path)) {
            entries << entry;
            arguments.AddName(entry->GetName());
            excludeStrayEntries(*entry, arguments);
        } else {
            m_Refused << entry->m_Path;
        }
    }
    if (arguments.Names().isEmpty()) {
        Util::ShowError(ExtractOutcome::Refused(m_Refused));
        return false;
    }
    // Asked before anything is made in the destination, so that Cancel
    // leaves it as it was.
    if (!askAboutSameNamedFiles(entries, destination))
        return false;
    // The list of entries lies in the program's own folder, never in the
    // destination.
    m_ListFile.reset(new QTemporaryFile(Util::GetTempDir() + "/extract-XXXXXX.list"));
    m_ExcludeFile.reset(arguments.Excluded().isEmpty() ? nullptr
                                                       : new QTemporaryFile(Util::GetTempDir() + "/extract-XXXXXX.list"));
    if (!writeListFile(m_ListFile.get(), arguments.ListFileText())
        || (m_ExcludeFile && !writeListFile(m_ExcludeFile.get(), arguments.ExcludeFileText())))
        return false;
    QTemporaryDir staging(destination + "/quillmere-extract-XXXXXX");
    if (!staging.isValid()) {
        Util::ShowError(tr("Nothing can be extracted into %1: a folder cannot be made there (%2). Choose a "
                           "folder that you can write to, then extract again.")
                            .arg(QDir::toNativeSeparators(destination), staging.errorString()));
        return false;
    }
    staging.setAutoRemove(false);
    m_DestDir = destination;
    m_CurrentPrefix = prefix;
    m_StagingDir = staging.path();
    // Until the run has been dealt with; after a Stop, until the end.
    HalfWritten::track(m_StagingDir);
    m_ExtractErrors.clear();
    m_SelectedNames = arguments.Names();

    if (m_ExtractThread) {
        m_ExtractThread->terminate();
        m_ExtractThread->release();
        m_ExtractThread = nullptr;
    }
    m_ExtractThread = new CRunCommandThread;
    connect(m_ExtractThread, &CRunCommandThread::sigfinished, this, &CPage2::OnExtractFinished);
    connect(m_ExtractThread, &CRunCommandThread::standoutputline, this, &CPage2::OnExtractOutput);
    m_ExtractThread->SetRunCmd(ArchiveTool::program(),
                               arguments.Arguments(m_ListFile->fileName(),
                                                   m_ExcludeFile ? m_ExcludeFile->fileName() : QString()));
    m_ExtractThread->SetWorkingDirectory(m_StagingDir);

    setEnabled(false);
    m_ProgressDialog->SetText(tr("Extracting files..."));
    m_ProgressDialog->SetRange(0, 100);
    m_ProgressDialog->SetValue(0);
    m_ProgressDialog->show();
    m_ExtractThread->start(QThread::InheritPriority);
    return true;
}

bool CPage2::askAboutSameNamedFiles(const QList<const Item*>& entries, const QString& destination)
{
    m_ReplaceChoices = ReplaceChoices();
    const QStringList sameNamed = SameNamedFiles::Find(entries, destination);
    return m_ReplaceChoices.Ask(sameNamed, [this](const QString& shownPath, int remaining) {
        ReplaceFileDialog question(this);
        question.SetFile(shownPath, remaining);
        ReplaceChoices::Reply reply;
        const int choice = question.exec();
        reply.answer = choice == ReplaceFileDialog::Replace ? ReplaceChoices::Replace
                       : choice == ReplaceFileDialog::Skip  ? ReplaceChoices::Skip
                                                            : ReplaceChoices::Cancel;
        reply.applyToAll = question.ApplyToAll();
        return reply;
    });
}

// Entries below a ticked folder whose names would not stay where the
// listing puts them ("..", "", a name holding "/") are left out of the run
// and named to the user with the refused ones.
void CPage2::excludeStrayEntries(const Item& folder, ExtractArguments& arguments)
{
    for (const Item* child : folder.m_Children) {
        if (!Item::IsPlainName(child->GetName())) {
            m_Refused << child->m_Path;
            if (ArchiveTool::canListLiterally(child->m_Path))
                arguments.AddExcluded(child->m_Path);
        } else if (child->m_IsDir) {
            excludeStrayEntries(*child, arguments);
        }
    }
}

bool CPage2::writeListFile(QTemporaryFile* file, const QByteArray& text)
{
    if (file->open() && file->write(text) == text.size() && file->flush())
        return true;
    Util::ShowError(tr("The list of entries to extract cannot be written to %1 (%2), so nothing was "
                       "extracted.")
                        .arg(QDir::toNativeSeparators(file->fileName()), file->errorString()));
    return false;
}

void CPage2::OnExtractOutput(QString line)
{
    if (sender() && sender() != m_ExtractThread)
        return;
    Util::WriteLog("CPage2::OnExtractOutput" + line);
    m_ExtractErrors << ArchiveProgress::errorLines(line);
    ArchiveProgress::Report report;
    if (!ArchiveProgress::lastReport(line, &report))
        return;
    m_ProgressDialog->SetValue(report.percent);
    if (report.percent > 99)
        m_ProgressDialog->SetText(tr("Copying files! Please wait a few seconds.."));
    else if (!report.entry.isEmpty())
        m_ProgressDialog->SetText(tr("Extracting files: ") + report.entry);
}

void CPage2::OnExtractFinished()
{
    if (!m_ExtractThread || (sender() && sender() != m_ExtractThread))
        return;
    const RunResult result = m_ExtractThread->result();
    m_ExtractThread->release();
    m_ExtractThread = nullptr;
    m_ListFile.reset();
    m_ExcludeFile.reset();
    // What stays of the staging folder from here on is shown to the user.
    HalfWritten::release(m_StagingDir);

    if (!ArchiveTool::extractionSucceeded(result, m_ExtractErrors)) {
        // What the tool wrote may be empty or cut off: none of it is left
        // in the destination. The staging folder is the run's own.
        LeftoverRemoval::start(m_StagingDir);
        FinishExtraction(false, ExtractOutcome::ToolFailure(result, m_ExtractErrors, m_IsoPath, QString()));
        return;
    }
    ExtractPlacer placer(m_StagingDir, m_CurrentPrefix, m_DestDir);
    placer.SetReplaceChoices(m_ReplaceChoices);
    const bool placed = placer.Place(m_SelectedNames);
    const bool removed = placer.RemoveStaging();
    QStringList failure;
    if (!m_Refused.isEmpty())
        failure << ExtractOutcome::Refused(m_Refused);
    if (!placed)
        failure << ExtractOutcome::PlacementFailure(placer, m_DestDir, removed ? QString() : m_StagingDir);
    FinishExtraction(failure.isEmpty(), failure.join("\n"), placer.Kept());
}

void CPage2::FinishExtraction(bool succeeded, const QString& failure, const QStringList& kept)
{
    setEnabled(true);
    m_ProgressDialog->hide();
    const QString keptText = kept.isEmpty() ? QString() : "\n" + ExtractOutcome::Kept(kept);
    if (succeeded) {
        Util::WriteLog("Extract files successfully :" + m_DestDir);
        Util::ShowOpen(tr("Extract files successfully.") + keptText, m_DestDir);
    } else {
        Util::WriteLog("Extract files failed :" + m_DestDir);
        Util::ShowError(failure + keptText);
    }
    emit extractionEnded(succeeded);
}

void CPage2::OnStopExtract()
{
    // The tool is ended and its staging folder removed without making the
    // interface wait for either.
    if (m_ExtractThread) {
        LeftoverRemoval::afterRun(m_ExtractThread, m_StagingDir);
        m_ExtractThread = nullptr;
    }
    m_ProgressDialog->hide();
    setEnabled(true);
}
