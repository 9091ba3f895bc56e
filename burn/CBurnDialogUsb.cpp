// The USB burn: checks, then partitioning, the boot step, the boot
// configuration, the copy of the image's content and the split of a large
// Windows installation archive, each step checked before the next starts.
#include "burn/CBurnDialog.h"

#include "burn/BurnNotice.h"
#include "burn/BurnOptions.h"
#include "burn/MountedImage.h"
#include "burn/SyslinuxConfig.h"
#include "burn/ToolStep.h"
#include "burn/UsbBurnJob.h"
#include "services/ArchiveProgress.h"
#include "services/ArchiveTool.h"
#include "services/BootStep.h"
#include "services/CRunCommandThread.h"
#include "services/DiskInfoParser.h"
#include "services/DiskTools.h"
#include "services/InterfaceLanguages.h"
#include "services/Util.h"
#include "services/WimTool.h"
#include "widgets/CMyComboBox.h"
#include "widgets/CProgressDialog.h"

#include <QComboBox>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcBurn, "quillmere.burn")

namespace {

QString lastLine(const QString& output)
{
    return ToolStep::messageOf(output.split('\n'));
}

} // namespace

void CBurnDialog::burnUsb(UsbBurnJob& job)
{
    if (!checkUsbTarget(job))
        return;
    m_ProgressDialog->show();
    m_ProgressDialog->DisableCancel();
    m_ProgressDialog->SetText(tr("The USB disk is under formating..."));
    m_ProgressDialog->SetRange(0, 0);
    m_ProgressDialog->SetValue(0);
    const bool done = runUsbSteps(job);
    m_ProgressDialog->hide();
    endBurn(done, tr("Burning Successfully..."));
}

// The checks before anything is written; false ends the burn.
bool CBurnDialog::checkUsbTarget(UsbBurnJob& job)
{
    job.drive = m_Form.usblist->currentText();
    if (job.drive.isEmpty()) {
        BurnNotice::show(this, ":/nwu/insert_usb", tr("Please insert your USB drive to computer"));
        return false;
    }
    if (Util::ShowChoose(":/nwu/format_usb", tr("Your USB drive will be formatted and all data in it will be "
                                                 "deleted! Do you want to continue?")) != 1)
        return false;
    const qint64 driveSize = Util::DiskSpaceTotal(job.drive);
    if (!BurnOptions::fitsOnDrive(driveSize, job.isoSize)) {
        BurnNotice::show(this, ":/nwu/insufficient_space",
                         tr("Insufficient space on disk, please change a large-capacity USB or CD/DVD."));
        return false;
    }
    job.personality = BurnOptions::personality(m_Form.sysfilelist->currentText().trimmed(), driveSize);
    job.volume = BurnOptions::volumeName(m_Form.volumelab->text());
    // The partition style only keeps the file system at FAT32: one MBR
    // partition boots with a BIOS through syslinux and with UEFI from its
    // FAT32 volume alike.
    syncDisks();
    if (!isStillListedDrive(job.drive)) {
        fail(tr("Checking the USB drive"),
             tr("%1 is no longer the drive that was listed. Nothing was erased.").arg(job.drive));
        showFailure();
        rebuildUsbList(); // what is there now
        return false;
    }
    return true;
}

// Just before erasing: the device must still be the removable USB disk of
// the size it had when the list offered it.
bool CBurnDialog::isStillListedDrive(const QString& drive)
{
    if (!m_ListedUsb.contains(drive))
        return false;
    const QString info = Util::DiskInfo(drive);
    return DiskInfoParser::isRemovableUsb(info) && DiskInfoParser::diskSize(info) == m_ListedUsb.value(drive);
}

bool CBurnDialog::runUsbSteps(UsbBurnJob& job)
{
    if (!partition(job))
        return false;
    m_ProgressDialog->SetText(tr("make usb drive bootable..."));
    if (!findVolume(job) || !unmountDrive(job) || !makeBootable(job))
        return false;
    syncDisks();
    syncDisks();
    if (!writeBootConfig(job))
        return false;
    syncDisks();
    if (!copyContent(job))
        return false;
    syncDisks();
    return splitWim(job);
}

bool CBurnDialog::fail(const QString& step, const QString& toolLine)
{
    m_FailedStep = step;
    m_FailureLine = toolLine;
    Util::WriteLog("CBurnDialog failed: " + step + ": " + toolLine);
    return false;
}

void CBurnDialog::syncDisks()
{
    const DiskTools::ShellCall sync = DiskTools::sync();
    Util::callexternapp(sync.program, sync.arguments);
}

bool CBurnDialog::partition(const UsbBurnJob& job)
{
    const DiskTools::ToolCall call = DiskTools::partitionDisk(job.drive, job.personality, job.volume);
    auto* runner = new CRunCommandThread(this);
    ToolStep step(runner);
    const RunResult result = step.run(call.program, call.args);
    runner->release();
    if (!result.succeeded())
        return fail(tr("Formatting the USB drive"), step.message());
    return true;
}

bool CBurnDialog::findVolume(UsbBurnJob& job)
{
    const QString partition = job.drive + "s1";
    job.mountPoint = Util::GetMountPoint(partition);
    if (job.mountPoint.isEmpty() || !QFileInfo(job.mountPoint).isDir())
        return fail(tr("Formatting the USB drive"), tr("The new volume %1 was not mounted.").arg(partition));
    return true;
}

bool CBurnDialog::unmountDrive(const UsbBurnJob& job)
{
    const DiskTools::ShellCall call = DiskTools::unmountDisk(job.drive);
    int exitCode = -1;
    const QString output = Util::callexternapp(call.program, call.arguments, &exitCode);
    if (exitCode != 0)
        return fail(tr("Unmounting the USB drive"), lastLine(output));
    return true;
}

bool CBurnDialog::makeBootable(const UsbBurnJob& job)
{
    QStringList args;
    getParameterlist(args, job.drive, job.mountPoint);
    // The shell writes the log anew; a link planted in its place goes first.
    QFile::remove(BootStep::logPath());
    auto* runner = new CRunCommandThread(this);
    ToolStep step(runner);
    qDebug() << BootStep::translationsFolder() + "askpass.js" << BootStep::scriptPath() << args;
    const RunResult result = step.run("/bin/bash", args);
    runner->release();
    if (!result.succeeded())
        return fail(tr("Making the USB drive bootable"), BootStep::lastLogLine());
    if (Util::GetMountPoint(job.drive + "s1") != job.mountPoint || !QFileInfo(job.mountPoint).isDir())
        return fail(tr("Making the USB drive bootable"),
                    tr("The volume was not mounted again at %1.").arg(job.mountPoint));
    return true;
}

bool CBurnDialog::writeBootConfig(const UsbBurnJob& job)
{
    const QString path = job.mountPoint + "/syslinux.cfg";
    const QStringList lines = SyslinuxConfig::forImage(job.image->hasBootManager(), job.image->isolinuxConfig());
    if (!Util::WriteMulLinesToFile(lines, path))
        return fail(tr("Writing the boot configuration"), path);
    return true;
}

bool CBurnDialog::copyContent(const UsbBurnJob& job)
{
    const QStringList args = ArchiveTool::unpackToDriveArgs(job.mountPoint, job.iso, job.image->bigWim());
    m_BurnThread = new CRunCommandThread;
    m_ProgressDialog->SetText(tr("Burning the USB disk..."));
    m_ProgressDialog->SetRange(0, 100);
    connect(m_BurnThread, &CRunCommandThread::standoutputline, this, &CBurnDialog::onUSBBurnOutput);
    m_CopyBytes = job.isoSize;
    m_CopyErrors.clear();
    m_CopyTimer.start();
    ToolStep step(m_BurnThread);
    const RunResult result = step.run(ArchiveTool::program(), args);
    m_BurnThread->release();
    m_BurnThread = nullptr;
    if (!ArchiveTool::extractionSucceeded(result, m_CopyErrors))
        return fail(tr("Copying the content of the image"),
                    m_CopyErrors.isEmpty() ? step.message() : m_CopyErrors.last());
    return true;
}

bool CBurnDialog::splitWim(const UsbBurnJob& job)
{
    if (!job.image->bigWim())
        return true;
    const QString firstPart = job.mountPoint + "/sources/install.swm";
    m_WimThread = new CRunCommandThread;
    m_ProgressDialog->SetText(tr("Process the wim file larger than 4 GB..."));
    m_ProgressDialog->SetRange(0, 0);
    ToolStep step(m_WimThread);
    const RunResult result = step.run(WimTool::program(), WimTool::splitArgs(job.image->wimPath(), firstPart));
    m_WimThread->release();
    m_WimThread = nullptr;
    if (!result.succeeded() || !QFileInfo(firstPart).isFile())
        return fail(tr("Splitting install.wim"), step.message());
    syncDisks();
    return true;
}

void CBurnDialog::onUSBBurnOutput(QString line)
{
    qCDebug(lcBurn) << "CBurnDialog::onUSBBurnOutput" << line;
    m_CopyErrors << ArchiveProgress::errorLines(line);
    ArchiveProgress::Report report;
    if (!ArchiveProgress::lastReport(line, &report))
        return;
    m_ProgressDialog->SetValue(report.percent);
    const qint64 elapsedMs = qMax<qint64>(m_CopyTimer.isValid() ? m_CopyTimer.elapsed() : 0, 1);
    const qint64 rate = m_CopyBytes / 100 * report.percent * 1000 / elapsedMs;
    QStringList detail;
    if (!report.entry.isEmpty())
        detail << report.entry;
    if (rate > 0)
        detail << Util::SizeToString(rate) + "/s";
    QString text = tr("Burning the USB disk...");
    if (!detail.isEmpty())
        text += "\n" + detail.join("  ");
    m_ProgressDialog->SetText(text);
}

void CBurnDialog::getParameterlist(QStringList& qstrlist, QString usbdrive, QString mntpoint)
{
    const QString folder = BootStep::translationsFolder();
    const QDir translations(folder);
    qDebug() << "start golbal langue***" << golbalLangue;
    qDebug() << "translations path ***" << folder;
    qDebug() << "js" << translations.absoluteFilePath("askpass.js");
    qDebug() << "bootable" << BootStep::scriptPath();
    const QString askpass = InterfaceLanguages::askpassScript(golbalLangue);
    auto append = [&](const QString& file) {
        qstrlist << "-c"
                 << BootStep::command(translations.absoluteFilePath(file), BootStep::scriptPath(), usbdrive,
                                      mntpoint, BootStep::logPath());
    };
    if (translations.exists(askpass)) {
        append(askpass);
        return;
    }
    if (qstrlist.isEmpty())
        append("askpass.js");
}
