// Copying the disc: the mount point of the chosen drive's disc from
// "mount", "hdiutil makehybrid" of that folder with its progress, and how
// a copy ends.
#include "copydisk/CPage5.h"

#include "services/CRunCommandThread.h"
#include "services/DiskTools.h"
#include "services/HdiutilOutput.h"
#include "services/MountOutput.h"
#include "services/Util.h"
#include "widgets/CProgressDialog.h"

#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>

namespace {
const int kProgressTop = 10000;
const int kKeptLines = 40;
} // namespace

void CPage5::OnStart()
{
    // One copy at a time; a click during the wait for the mount table
    // would start a second one.
    if (m_CreateThread || m_Starting)
        return;
    if (m_Form.dvdlist->currentIndex() < 0) {
        Util::ShowError(tr("Please select the iso file to save"));
        return;
    }
    const QString output = m_Form.lineEdit->text();
    if (output.isEmpty()) {
        Util::ShowError(tr("Please select the iso file to save."));
        return;
    }
    m_CurrentDevice = chosenDevice();
    m_Starting = true;
    const bool mounted = findMountPoint();
    m_Starting = false;
    if (!mounted) {
        Util::ShowError(tr("No disc is mounted in the drive %1. Insert a disc, wait until the system has "
                           "mounted it and try again.")
                            .arg(m_CurrentDevice));
        return;
    }
    startCopy(output);
}

bool CPage5::findMountPoint()
{
    m_MountPoint.clear();
    const DiskTools::ToolCall table = DiskTools::mountTable();
    auto* runner = new CRunCommandThread;
    runner->SetRunCmd(table.program, table.args);
    runner->m_bCollectOutput = true;
    runner->start(QThread::InheritPriority);
    runner->waitFinished();
    const QStringList lines = runner->m_OutputLines;
    runner->release();
    for (const QString& line : lines)
        onMountPointLineOutput(line);
    return !m_MountPoint.isEmpty() && QFileInfo(m_MountPoint).isDir();
}

void CPage5::onMountPointLineOutput(QString line)
{
    const QString point = MountOutput::mountPoint(line, m_CurrentDevice);
    if (!point.isEmpty())
        m_MountPoint = point;
}

bool CPage5::startCopy(const QString& output)
{
    QString error;
    if (!m_Target.prepare(output, &error)) {
        Util::ShowError(tr("The image cannot be written to the folder %1 (%2).")
                            .arg(QFileInfo(output).absolutePath(), error));
        return false;
    }
    const DiskTools::ToolCall call = DiskTools::makeHybrid(m_Target.writePath(), m_MountPoint);
    m_ProgressDialog->SetRange(0, kProgressTop);
    m_ProgressDialog->SetValue(0);
    m_CopyLines.clear();
    m_CreateThread = new CRunCommandThread;
    connect(m_CreateThread, &CRunCommandThread::standoutputline, this, &CPage5::OnReadLineOutput);
    connect(m_CreateThread, &CRunCommandThread::sigfinished, this, &CPage5::OnReadFinished);
    m_CreateThread->SetRunCmd(call.program, call.args);
    m_CreateThread->start(QThread::InheritPriority);
    m_ProgressDialog->SetText(tr("Start reading..."));
    m_ProgressDialog->show();
    m_ProgressDialog->DisableCancel();
    return true;
}

void CPage5::OnReadLineOutput(QString line)
{
    if (sender() != m_CreateThread)
        return;
    m_CopyLines << line;
    if (m_CopyLines.size() > kKeptLines)
        m_CopyLines.removeFirst();
    const double fraction = HdiutilOutput::fractionComplete(line);
    if (fraction > 0)
        m_ProgressDialog->SetValue(int(fraction * kProgressTop));
}

void CPage5::OnReadFinished()
{
    if (sender() != m_CreateThread)
        return;
    const RunResult result = m_CreateThread->result();
    m_CreateThread->release();
    m_CreateThread = nullptr;
    m_ProgressDialog->hide();
    endCopy(result);
}

void CPage5::endCopy(const RunResult& result)
{
    QString reason;
    if (!result.succeeded())
        reason = failureReason(result, m_CopyLines);
    else if (!m_Target.isWritten())
        reason = tr("hdiutil ended without writing the image.");
    else if (!m_Target.commit(&reason))
        reason = tr("The image could not be saved as %1 (%2).").arg(m_Target.outputPath(), reason);
    if (!reason.isEmpty()) {
        m_Target.discard();
        Util::ShowError(tr("The disc could not be copied:\n%1").arg(reason));
        return;
    }
    Util::ShowOpen(tr("Copy CD/DVD successfully!"), QFileInfo(m_Target.outputPath()).absolutePath());
}

QString CPage5::failureReason(const RunResult& result, const QStringList& lines)
{
    const QString line = HdiutilOutput::failureLine(lines);
    if (!line.isEmpty())
        return line;
    if (!result.started)
        return tr("hdiutil could not be started (%1).").arg(result.errorString);
    if (result.crashed)
        return tr("hdiutil ended unexpectedly.");
    return tr("hdiutil ended with exit status %1.").arg(result.exitCode);
}

void CPage5::StopCreate()
{
    if (!m_CreateThread)
        return;
    m_CreateThread->terminate();
    m_CreateThread->release();
    m_CreateThread = nullptr;
    m_Target.discard();
}
