#include "burn/CBurnDialog.h"

#include "services/CRunCommandThread.h"
#include "services/Util.h"
#include "widgets/CImageButton.h"
#include "widgets/CMyComboBox.h"
#include "widgets/CProgressDialog.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDebug>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

QString CBurnDialog::dvdCurrent;

CBurnDialog::CBurnDialog(QWidget* parent) : ImageDialog(parent)
{
    SetBackGround(":/nwu/page1");
    m_Form.setupUi(this);
    m_ProgressDialog = new CProgressDialog(this);
    m_ProgressDialog->installEventFilter(this);
    updateUI();
    retranslateForm();
    connectForm();
    OnRadioSelected();
    // The home window announces drive changes; other parents have no such signal.
    if (parent && parent->metaObject()->indexOfSignal("sigdrivechange()") >= 0)
        connect(parent, SIGNAL(sigdrivechange()), this, SLOT(InitializeUSBAndDVDComboBox()));
}

CBurnDialog::~CBurnDialog()
{
    for (CRunCommandThread* runner : {m_BurnThread, m_WimThread}) {
        if (!runner)
            continue;
        runner->disconnect(this);
        runner->terminate();
        runner->release();
    }
}

void CBurnDialog::connectForm()
{
    connect(m_Form.browser, qOverload<>(&CImageButton::clicked), this, &CBurnDialog::onBrowser);
    connect(m_Form.back, qOverload<>(&CImageButton::clicked), this, &CBurnDialog::onBack);
    connect(m_Form.burn, qOverload<>(&CImageButton::clicked), this, &CBurnDialog::onBurn);
    connect(m_Form.volumelab, &QLineEdit::textChanged, this, &CBurnDialog::OnVolumeLabTextChange);
    connect(m_Form.ptlist, qOverload<int>(&QComboBox::currentIndexChanged), this, &CBurnDialog::OnMBRSelect);
    connect(m_Form.rdvd, &QRadioButton::toggled, this, &CBurnDialog::OnRadioSelected);
    connect(m_Form.dvdlist, &CMyComboBox::dropdownclicked, this, &CBurnDialog::OnRefresh);
    connect(m_Form.usblist, &CMyComboBox::dropdownclicked, this, &CBurnDialog::OnRefresh);
}

void CBurnDialog::updateUI()
{
    m_Form.browser->SetBackGround(":/nwu/Broswe1", ":/nwu/Broswe2", ":/nwu/Broswe3", QString(), tr("Browse"),
                                  QString(), 10);
    m_Form.back->SetBackGround(":/nwu/backwhite1", ":/nwu/backwhite2", ":/nwu/backwhite3", QString(), tr("Back"),
                               QString(), 6);
    m_Form.burn->SetBackGround(":/nwu/burn1", ":/nwu/burn2", ":/nwu/burn3", QString(), tr("Burn"), QString(), 3);
}

void CBurnDialog::retranslateForm()
{
    m_Form.isopath->setText(tr("ISO Image:"));
    m_Form.bootDVD->setText(tr("Create A Bootable DVD/CD"));
    m_Form.selectDVD->setText(tr("Select a target disc then click BURN button"));
    m_Form.bootUSB->setText(tr("Create A Bootable USB"));
    m_Form.selectUSB->setText(tr("Select a target USB then click BURN button"));
    m_Form.partitionstyle->setText(tr("Partition Style"));
    m_Form.filesystem->setText(tr("File System"));
    m_Form.volumelabel->setText(tr("Volume Label"));
    for (QLabel* label : m_Form.labels())
        label->adjustSize();
    // A long caption ends just before the image's path rather than under it.
    m_Form.isopath->move(qMin(129, m_Form.isofile->x() - 5 - m_Form.isopath->width()), m_Form.isopath->y());
    m_Form.ptlist->setItemText(0, tr("MBR(for legacy BIOS/CSM boot)"));
    m_Form.ptlist->setItemText(1, tr("GPT(required for UEFI boot)"));
    setWindowTitle(tr("Dialog"));
}

void CBurnDialog::changeEvent(QEvent* qe)
{
    if (qe->type() == QEvent::LanguageChange) {
        updateUI();
        retranslateForm();
    }
    ImageDialog::changeEvent(qe);
}

// A drive left half written must not look finished: while a burn runs the
// page stays open and its progress cannot be sent away.
void CBurnDialog::closeEvent(QCloseEvent* event)
{
    if (m_Burning) {
        event->ignore();
        return;
    }
    ImageDialog::closeEvent(event);
}

bool CBurnDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ProgressDialog && m_Burning) {
        if (event->type() == QEvent::Close) {
            event->ignore();
            return true;
        }
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            return true;
    }
    return ImageDialog::eventFilter(watched, event);
}

void CBurnDialog::onBrowser()
{
    const QString path = Util::GetOpenFileDialog(this, "ISO Files(*.ISO)");
    if (!path.isEmpty() && QFileInfo::exists(path))
        m_Form.isofile->setText(path);
}

void CBurnDialog::onBack()
{
    close();
}

void CBurnDialog::OnRadioSelected()
{
    const bool disc = m_Form.rdvd->isChecked();
    for (QWidget* usbControl : {static_cast<QWidget*>(m_Form.usblist), static_cast<QWidget*>(m_Form.ptlist),
                                static_cast<QWidget*>(m_Form.sysfilelist), static_cast<QWidget*>(m_Form.volumelab)})
        usbControl->setEnabled(!disc);
    m_Form.dvdlist->setEnabled(disc);
    // GPT keeps FAT32 whichever target was chosen in between.
    if (!disc)
        OnMBRSelect();
    const QString dvdText = m_Form.dvdlist->currentText();
    const QString usbText = m_Form.usblist->currentText();
    InitializeUSBAndDVDComboBox(0);
    for (int i = 0; i < m_Form.dvdlist->count(); ++i) {
        if (m_Form.dvdlist->itemText(i) == dvdText)
            m_Form.dvdlist->setCurrentIndex(i);
    }
    for (int i = 0; i < m_Form.usblist->count(); ++i) {
        if (m_Form.usblist->itemText(i) == usbText)
            m_Form.usblist->setCurrentIndex(i);
    }
}

void CBurnDialog::OnMBRSelect()
{
    if (m_Form.ptlist->currentIndex() == 1) {
        m_Form.sysfilelist->setEnabled(false);
        m_Form.sysfilelist->setCurrentIndex(0);
        return;
    }
    m_Form.sysfilelist->setEnabled(m_Form.rusb->isChecked());
}

void CBurnDialog::OnVolumeLabTextChange(QString)
{
    const QString text = m_Form.volumelab->text();
    const QString upper = text.toUpper();
    if (upper == text)
        return;
    const int cursor = m_Form.volumelab->cursorPosition();
    m_Form.volumelab->setText(upper.left(m_Form.volumelab->maxLength()));
    m_Form.volumelab->setCursorPosition(cursor);
}

void CBurnDialog::onerror(QProcess::ProcessError error)
{
    qDebug() << "onerror " << error;
}

void CBurnDialog::onUSBFinished() {}
