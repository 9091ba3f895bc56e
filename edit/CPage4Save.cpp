// Saving the edited image: wait for the unpacking and the copier, then run
// mkisofs over the working folder with every boot entry of the loaded image,
// and isohybrid over the result when the loaded image booted from a stick.
#include "edit/CPage4.h"

#include "services/MkisofsArgs.h"
#include "services/MkisofsFailure.h"
#include "services/MkisofsProgress.h"
#include "services/CFileCopy.h"
#include "services/IsohybridTool.h"
#include "services/CRunCommandThread.h"
#include "services/HalfWritten.h"
#include "services/Util.h"
#include "widgets/CProgressDialog.h"
#include "widgets/FileFailureText.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// mkisofs reports each hundredth of its work; a bar repainted for each
// report costs the save processor time that nobody sees.
const int kProgressStepMs = 100;

} // namespace

void CPage4::OnSave()
{
    if (m_IsoPath.isEmpty()) {
        Util::ShowError(tr("Please load an ISO image first: Save writes a new image of the loaded one."));
        return;
    }
    if (m_Tree.m_Root.m_Children.isEmpty()) {
        Util::ShowError(tr("Please add files or folders first!"));
        return;
    }
    if (m_CreateThread)
        return;
    if (m_ExtractFailed) {
        Util::ShowError(tr("The image was not unpacked completely, so a saved copy would lack files. "
                           "Please load the image again."));
        return;
    }
    const QString output = Util::GetSaveDialog(this, "ISO Files(*.ISO)");
    if (output.isEmpty())
        return;
    if (QFileInfo(output).absoluteFilePath() == QFileInfo(m_IsoPath).absoluteFilePath() && m_ExtractThread) {
        Util::ShowError(tr("The loaded image is still being unpacked and cannot be overwritten yet. "
                           "Please choose another file name."));
        return;
    }
    m_bStop = false;
    m_ProgressDialog->SetText(tr("Extracting iso..."));
    m_ProgressDialog->SetRange(0, 100);
    m_ProgressDialog->SetValue(m_ExtractProgress);
    m_ProgressDialog->show();
    // An extraction that failed meanwhile has shown why; a save now would
    // lack files.
    if (!waitForExtraction() || m_ExtractFailed) {
        m_ProgressDialog->hide();
        return;
    }
    qDebug() << "Extract finished!!!";
    m_ProgressDialog->show();
    if (!waitForCopier() || changesFailed()) {
        m_ProgressDialog->hide();
        return;
    }
    qDebug() << "file copy finished!!!";
    runSave(output);
}

// A change that could not be made in the working folder keeps the image
// from being saved until the entry is deleted or the image loaded again.
bool CPage4::changesFailed()
{
    const QList<CFileCopy::Failure> failures = m_FileCopy->Failures();
    if (failures.isEmpty())
        return false;
    m_ProgressDialog->hide();
    Util::ShowError(tr("The ISO file was not saved: a change could not be made in the image's files.") + "\n" +
                    FileFailureText::describe(failures.first().report) + "\n" +
                    tr("Delete that entry and add it again, or load the image again."));
    return true;
}

void CPage4::runSave(const QString& output)
{
    m_ProgressDialog->SetText(tr("Saving ISO file..."));
    m_ProgressDialog->SetRange(0, MkisofsProgress::Top);
    m_ProgressDialog->SetValue(0);
    const QString folder = workFolder();
    QStringList problems;
    SaveArguments arguments = m_Boot.plan(folder, m_IsoPath, bootImageFile(), &problems);
    for (const QString& problem : problems)
        qDebug() << "CPage4::OnSave" << problem;
    arguments.allowLimitedSize = SaveArguments::holdsLimitedSizeFile(folder);
    arguments.volume = m_Volume;
    m_SavePath = output;
    // mkisofs writes beside the chosen file; the chosen file is replaced
    // only by a complete image.
    m_PartialPath = output + ".part";
    HalfWritten::track(m_PartialPath);
    m_SaveArguments = arguments.build(m_PartialPath, folder.chopped(1));
    m_Hybrid = HybridPlan::of(m_HasBootRecord, arguments, folder);
    m_HybridRunning = false;
    startSaveStep(MkisofsArgs::program(), m_SaveArguments);
}

void CPage4::startSaveStep(const QString& program, const QStringList& arguments)
{
    m_SaveOutput.clear();
    m_SaveProgressShown.invalidate();
    m_CreateThread = new CRunCommandThread(nullptr);
    connect(m_CreateThread, &CRunCommandThread::standoutputline, this, &CPage4::OnCreateOutput);
    connect(m_CreateThread, &CRunCommandThread::sigfinished, this, &CPage4::OnCreateFinished);
    m_CreateThread->SetRunCmd(program, arguments);
    m_CreateThread->start();
}

void CPage4::OnCreateOutput(QString line)
{
    if (sender() != m_CreateThread)
        return;
    qDebug() << "CPage3::OnCreateOutput" << line;
    m_SaveOutput.append(line);
    const std::optional<int> value = MkisofsProgress::value(line);
    if (!value)
        return;
    // The bar follows at most every tenth of a second, and shows the end at once.
    if (m_SaveProgressShown.isValid() && !m_SaveProgressShown.hasExpired(kProgressStepMs) &&
        *value < MkisofsProgress::Top)
        return;
    m_ProgressDialog->SetValue(*value);
    m_SaveProgressShown.start();
}

void CPage4::OnCreateFinished()
{
    if (sender() != m_CreateThread)
        return;
    const RunResult result = m_CreateThread->result();
    m_CreateThread->release();
    m_CreateThread = nullptr;
    const bool written = result.succeeded() && QFileInfo(m_PartialPath).isFile();
    if (written && m_Hybrid.run && !m_HybridRunning) {
        // The new layout gets its own master boot record before the image
        // replaces the chosen file.
        m_HybridRunning = true;
        startSaveStep(IsohybridTool::program(), IsohybridTool::arguments(m_PartialPath, m_Hybrid.uefi));
        return;
    }
    m_ProgressDialog->hide();
    endSave(written);
}

void CPage4::endSave(bool succeeded)
{
    const AfterSave next = m_AfterSave;
    m_AfterSave = AfterSave::Nothing;
    const bool hybridFailed = !succeeded && m_HybridRunning;
    m_HybridRunning = false;
    if (succeeded) {
        QFile::remove(m_SavePath);
        succeeded = QFile::rename(m_PartialPath, m_SavePath);
    }
    if (!succeeded)
        QFile::remove(m_PartialPath);
    HalfWritten::release(m_PartialPath);
    if (hybridFailed) {
        const QString reason = IsohybridTool::errorLine(m_SaveOutput, m_PartialPath);
        Util::ShowError(tr("The ISO file could not be saved: the boot record that starts it from a USB stick "
                           "could not be written (%1).")
                            .arg(reason.isEmpty() ? tr("isohybrid ended without writing it") : reason));
        return;
    }
    if (!succeeded) {
        const QString reason = MkisofsFailure::errorLine(m_SaveOutput);
        Util::ShowError(tr("The ISO file could not be saved: %1 Please check the free disk space and the "
                           "files you added.")
                            .arg(reason.isEmpty() ? tr("mkisofs ended without finishing the image.") : reason));
        return;
    }
    m_Modified = false;
    Util::ShowOpen(tr("Save ISO file successfully!"), QFileInfo(m_SavePath).absolutePath());
    if (next == AfterSave::Close)
        close();
    else if (next == AfterSave::Load)
        OnLoadISO();
}

void CPage4::StopCreate()
{
    m_AfterSave = AfterSave::Nothing; // a stopped save leaves the changes unsaved
    if (m_CreateThread) {
        m_CreateThread->terminate();
        m_CreateThread->release();
        m_CreateThread = nullptr;
        QFile::remove(m_PartialPath);
        HalfWritten::release(m_PartialPath);
    }
    m_bStop = true;
    // Only an export's own copies are dropped: the queued changes of the
    // image stay, so that the working folder keeps matching the tree.
    if (m_Exporting)
        m_FileCopy->ClearAllTasks();
}
