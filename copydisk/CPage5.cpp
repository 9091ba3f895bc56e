// The Copy Disk page's form, texts, drive list and eject.
#include "copydisk/CPage5.h"

#include "services/CRunCommandThread.h"
#include "services/DiskTools.h"
#include "services/Util.h"
#include "widgets/CImageButton.h"
#include "widgets/CProgressDialog.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

QString CPage5::dvdCurrent;

CPage5::CPage5(QWidget* parent)
    : ImageDialog(parent)
{
    SetBackGround(":/nwu/page5");
    m_Form.setupUi(this);
    m_ProgressDialog = new CProgressDialog(this);
    connect(m_Form.browser, qOverload<>(&CImageButton::clicked), this, &CPage5::OnBrowser);
    connect(m_Form.back, qOverload<>(&CImageButton::clicked), this, &CPage5::close);
    connect(m_Form.start, qOverload<>(&CImageButton::clicked), this, &CPage5::OnStart);
    connect(m_Form.eject, qOverload<>(&CImageButton::clicked), this, &CPage5::OnEject);
    connect(m_ProgressDialog, &CProgressDialog::SigCancel, this, &CPage5::StopCreate);
    if (parent && parent->metaObject()->indexOfSignal("sigdrivechange()") >= 0)
        connect(parent, SIGNAL(sigdrivechange()), this, SLOT(InitializeDVDComboBox()));
    updateUI();
    retranslateForm();
    InitializeDVDComboBox();
}

CPage5::~CPage5()
{
    StopCreate();
    for (CRunCommandThread* runner : {m_ListThread, m_EjectThread}) {
        if (runner) {
            runner->terminate();
            runner->release();
        }
    }
}

void CPage5::updateUI()
{
    m_Form.eject->SetBackGround(":/nwu/refresh1", ":/nwu/refresh2", ":/nwu/refresh3", QString());
    m_Form.browser->SetBackGround(":/nwu/filedialog1", ":/nwu/filedialog2", ":/nwu/filedialog3", QString());
    // The outlined Back carries the green caption that turns white on hover.
    m_Form.back->SetBackGround(":/nwu/backwhite1", ":/nwu/backwhite2", ":/nwu/backwhite3", QString(), tr("Back"),
                               QString(), 6);
    m_Form.start->SetBackGround(":/nwu/start1", ":/nwu/start2", ":/nwu/start3", QString(), tr("Start"), QString(),
                                3);
}

void CPage5::retranslateForm()
{
    setWindowTitle(tr("Dialog"));
    m_Form.makeimage->setText(tr("Make Image From Disc"));
    m_Form.source->setText(tr("Source"));
    m_Form.select->setText(tr("Select a CD/DVD drive:"));
    m_Form.destination->setText(tr("Destination"));
    m_Form.output->setText(tr("Output Format:"));
    m_Form.location->setText(tr("Location"));
    for (QLabel* label : m_Form.labels())
        label->adjustSize();
    m_Form.formatlist->setItemText(0, tr("ISO Format"));
}

void CPage5::changeEvent(QEvent* qe)
{
    if (qe->type() == QEvent::LanguageChange) {
        retranslateForm();
        updateUI();
    }
    ImageDialog::changeEvent(qe);
}

void CPage5::OnBrowser()
{
    m_Form.lineEdit->setText(Util::GetSaveDialog(this, "ISO Files(*.ISO)"));
}

QString CPage5::chosenDevice() const
{
    const int index = m_Form.dvdlist->currentIndex();
    return index < 0 ? QString() : m_Form.dvdlist->itemData(index).toString();
}

void CPage5::InitializeDVDComboBox()
{
    // A listing still running would mix its drives into this one.
    if (m_ListThread) {
        m_ListThread->terminate();
        m_ListThread->release();
        m_ListThread = nullptr;
    }
    m_DriveStatus = DriveListParser::StatusState();
    // An empty list (a new page's first listing) keeps the drive that the
    // last page showed.
    if (!m_Form.dvdlist->currentText().isEmpty())
        dvdCurrent = m_Form.dvdlist->currentText();
    m_Form.dvdlist->clear();
    const DiskTools::ToolCall status = DiskTools::driveStatus();
    m_ListThread = new CRunCommandThread;
    connect(m_ListThread, &CRunCommandThread::standoutputline, this, &CPage5::onLineOutput);
    connect(m_ListThread, &CRunCommandThread::sigfinished, this, &CPage5::onListFinished);
    m_ListThread->SetRunCmd(status.program, status.args);
    m_ListThread->start(QThread::InheritPriority);
}

void CPage5::onLineOutput(QString line)
{
    if (sender() != m_ListThread)
        return;
    const auto drive =
        DriveListParser::readStatusLine(line, m_DriveStatus, DriveListParser::HeaderRule::VendorNeedsHeader);
    if (!drive)
        return;
    m_Form.dvdlist->addItem(drive->text, drive->device);
    if (drive->text == dvdCurrent)
        m_Form.dvdlist->setCurrentIndex(m_Form.dvdlist->count() - 1);
}

void CPage5::onListFinished()
{
    if (sender() != m_ListThread)
        return;
    m_ListThread->release();
    m_ListThread = nullptr;
}

void CPage5::OnEject()
{
    const QString device = chosenDevice();
    if (device.isEmpty() || m_EjectThread)
        return;
    const DiskTools::ToolCall eject = DiskTools::eject(device);
    m_EjectLines.clear();
    m_EjectThread = new CRunCommandThread;
    connect(m_EjectThread, &CRunCommandThread::standoutputline, this, [this](const QString& line) {
        m_EjectLines << line;
    });
    connect(m_EjectThread, &CRunCommandThread::sigfinished, this, &CPage5::onEjectFinished);
    m_EjectThread->SetRunCmd(eject.program, eject.args);
    m_EjectThread->start(QThread::InheritPriority);
}

void CPage5::onEjectFinished()
{
    if (sender() != m_EjectThread)
        return;
    const RunResult result = m_EjectThread->result();
    m_EjectThread->release();
    m_EjectThread = nullptr;
    if (!result.succeeded())
        Util::ShowError(tr("The disc could not be ejected:\n%1").arg(failureReason(result, m_EjectLines)));
}
