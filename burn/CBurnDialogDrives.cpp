// Drive discovery: the USB list from "diskutil list" and "diskutil info",
// the optical list from "drutil status".
#include "burn/CBurnDialog.h"

#include "services/CRunCommandThread.h"
#include "services/DiskInfoParser.h"
#include "services/DiskTools.h"
#include "services/Util.h"
#include "widgets/CMyComboBox.h"

#include <QDebug>

void CBurnDialog::InitializeUSBAndDVDComboBox(int type)
{
    // A rebuild asked for while one runs (a drop-down opened during the
    // wait) or while a burn runs would change a list that is being read.
    if (m_Refreshing || m_Burning)
        return;
    m_Refreshing = true;
    if (type == 0 || type == 2)
        rebuildUsbList();
    if (type == 0 || type == 1)
        rebuildOpticalList();
    m_Refreshing = false;
}

void CBurnDialog::OnRefresh()
{
    InitializeUSBAndDVDComboBox(sender() == m_Form.dvdlist ? 1 : 2);
}

void CBurnDialog::runListing(const QString& program, const QStringList& args,
                             void (CBurnDialog::*onLine)(QString))
{
    auto* runner = new CRunCommandThread(this);
    connect(runner, &CRunCommandThread::standoutputline, this, onLine);
    runner->SetRunCmd(program, args);
    runner->start(QThread::InheritPriority);
    runner->waitFinished();
    runner->release();
}

void CBurnDialog::rebuildUsbList()
{
    m_Form.usblist->clear();
    m_ListedUsb.clear();
    runListing(DiskTools::listCommand(), {}, &CBurnDialog::onUSBLineOutput);
}

void CBurnDialog::rebuildOpticalList()
{
    // A half-read entry of an earlier listing must not mix into this one.
    m_DriveStatus = DriveListParser::StatusState();
    // An empty list (a page's first listing) keeps the drive remembered
    // from the last page.
    if (!m_Form.dvdlist->currentText().isEmpty())
        dvdCurrent = m_Form.dvdlist->currentText();
    m_Form.dvdlist->clear();
    const DiskTools::ToolCall status = DiskTools::driveStatus();
    runListing(status.program, status.args, &CBurnDialog::onLineOutput);
}

void CBurnDialog::onUSBLineOutput(QString line)
{
    const QString device = DriveListParser::usbCandidate(line);
    if (device.isEmpty())
        return;
    qint64 size = 0;
    if (!CheckDiskIsUSB(device, &size))
        return;
    m_ListedUsb.insert(device, size);
    m_Form.usblist->addItem(device);
}

bool CBurnDialog::CheckDiskIsUSB(QString device, qint64* size)
{
    const QString info = Util::DiskInfo(device);
    qDebug() << info;
    if (size)
        *size = DiskInfoParser::diskSize(info);
    return DiskInfoParser::isRemovableUsb(info);
}

void CBurnDialog::onLineOutput(QString line)
{
    const auto drive = DriveListParser::readStatusLine(line, m_DriveStatus);
    if (!drive)
        return;
    m_Form.dvdlist->addItem(drive->text, drive->device);
    if (drive->text == dvdCurrent)
        m_Form.dvdlist->setCurrentIndex(m_Form.dvdlist->count() - 1);
}
