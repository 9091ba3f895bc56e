// Burn: the checks and the inspection common to both targets, the disc
// burn, and how a burn ends.
#include "burn/CBurnDialog.h"

#include "burn/BurnNotice.h"
#include "burn/BurnOptions.h"
#include "burn/MountedImage.h"
#include "burn/ToolStep.h"
#include "burn/UsbBurnJob.h"
#include "services/CRunCommandThread.h"
#include "services/DiskTools.h"
#include "services/HdiutilOutput.h"
#include "services/Util.h"
#include "widgets/CMyComboBox.h"
#include "widgets/CProgressDialog.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QRadioButton>

void CBurnDialog::onBurn()
{
    if (m_Burning)
        return;
    m_FailedStep.clear();
    m_FailureLine.clear();
    const QString iso = m_Form.isofile->text().trimmed();
    if (!BurnOptions::isIsoFile(iso)) {
        showFailure();
        return;
    }
    m_Burning = true;
    MountedImage image;
    image.inspect(iso);
    if (m_Form.rusb->isChecked()) {
        UsbBurnJob job;
        job.iso = iso;
        job.isoSize = QFileInfo(iso).size();
        job.image = &image;
        burnUsb(job);
    } else {
        burnDisc(iso);
    }
    // A USB burn has ended here; a disc burn ends in onDVDBurnFinished().
    if (!m_BurnThread)
        m_Burning = false;
}

void CBurnDialog::burnDisc(const QString& iso)
{
    const int index = m_Form.dvdlist->currentIndex();
    if (index < 0 || index >= m_Form.dvdlist->count())
        return;
    const QString device = m_Form.dvdlist->itemData(index).toString();
    m_ProgressDialog->show();
    m_ProgressDialog->DisableCancel();
    m_ProgressDialog->SetRange(0, 100);
    m_ProgressDialog->SetValue(0);
    m_ProgressDialog->SetText(tr("Burning the disc..."));
    m_DiscLines.clear();
    m_BurnThread = new CRunCommandThread;
    connect(m_BurnThread, &CRunCommandThread::sigfinished, this, &CBurnDialog::onDVDBurnFinished);
    connect(m_BurnThread, &CRunCommandThread::standoutputline, this, &CBurnDialog::onDVDBurnOutput);
    const DiskTools::ToolCall call = DiskTools::burn(iso, device);
    m_BurnThread->SetRunCmd(call.program, call.args);
    m_BurnThread->start(QThread::InheritPriority);
}

void CBurnDialog::onDVDBurnOutput(QString line)
{
    m_DiscLines << line;
    if (m_DiscLines.size() > 40)
        m_DiscLines.removeFirst();
    const int percent = HdiutilOutput::percentComplete(line);
    if (percent >= 0)
        m_ProgressDialog->SetValue(percent);
}

void CBurnDialog::onDVDBurnFinished()
{
    auto* runner = qobject_cast<CRunCommandThread*>(sender());
    if (!runner || runner != m_BurnThread)
        return;
    const RunResult result = runner->result();
    runner->release();
    m_BurnThread = nullptr;
    m_ProgressDialog->hide();
    if (!result.succeeded())
        fail(tr("Burning the disc"), ToolStep::messageOf(m_DiscLines));
    endBurn(result.succeeded(), tr("Burning disc successfully."));
}

void CBurnDialog::endBurn(bool succeeded, const QString& success)
{
    m_Burning = false;
    if (succeeded)
        Util::ShowError(success);
    else
        showFailure();
    emit burnEnded(succeeded);
}

void CBurnDialog::showFailure()
{
    QString text = tr("Burn Failed! Do as following:\n1.Try to burn again.\n2.Change another USB drive or DVD.");
    if (!m_FailedStep.isEmpty()) {
        const QString line = m_FailureLine.size() > 160 ? m_FailureLine.left(157) + "..." : m_FailureLine;
        text += "\n" + m_FailedStep + (line.isEmpty() ? QString() : ":\n" + line);
    }
    BurnNotice::show(this, ":/nwu/burn-fails", text);
}
