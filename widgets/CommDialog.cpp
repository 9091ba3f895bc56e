#include "widgets/CommDialog.h"

#include "services/Util.h"
#include "widgets/CImageButton.h"

#include <QEvent>
#include <QLabel>

namespace {
// Caption style of the small dialog buttons: 12 pixels, white, centred.
const int kButtonTextStyle = 10;
}

CommDialog::CommDialog(QWidget* parent) : ImageDialog(parent)
{
    // A real dialog window even when a page is its parent, so that it is
    // modal and centred over that page instead of embedded in it.
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle("Quillmere");
    SetMoveable(true);
    resize(420, 188);
    SetBackGround(":/nwu/commdialogbg");

    m_BtnClose = new CImageButton(this);
    m_BtnClose->setObjectName("btnclose");
    m_BtnClose->setGeometry(5, 5, 28, 25);
    m_BtnClose->SetBackGround(":/nwu/osxclose1", ":/nwu/osxclose2", ":/nwu/osxclose3", ":/nwu/osxclose4");

    m_BtnOk = new CImageButton(this);
    m_BtnOk->setObjectName("btnok");
    m_BtnOk->setGeometry(80, 140, 91, 21);

    m_BtnCancel = new CImageButton(this);
    m_BtnCancel->setObjectName("btncancel");
    m_BtnCancel->setGeometry(260, 140, 91, 21);

    m_Label = new QLabel(this);
    m_Label->setObjectName("label");
    m_Label->setGeometry(40, 70, 351, 61);
    m_Label->setStyleSheet("font:13px;\ncolor:#606060;");
    m_Label->setWordWrap(false);

    retranslate();
    connect(m_BtnCancel, qOverload<>(&CImageButton::clicked), this, &CommDialog::OnBtnCancel);
    connect(m_BtnOk, qOverload<>(&CImageButton::clicked), this, &CommDialog::OnBtnOK);
    connect(m_BtnClose, qOverload<>(&CImageButton::clicked), this, &CommDialog::OnBtnClose);
}

void CommDialog::retranslate()
{
    m_BtnOk->SetBackGround(":/nwu/OK1", ":/nwu/OK2", ":/nwu/OK3", ":/nwu/OK3", tr("OK"), QString(),
                           kButtonTextStyle);
    applyCancelPictures();
}

void CommDialog::applyCancelPictures()
{
    if (m_OpenFolder.isEmpty())
        m_BtnCancel->SetBackGround(":/nwu/NO_1", ":/nwu/NO_2", ":/nwu/NO_3", ":/nwu/NO_3", tr("NO"), QString(),
                                   kButtonTextStyle);
    else
        m_BtnCancel->SetBackGround(":/nwu/Open-Folder1", ":/nwu/Open-Folder2", ":/nwu/Open-Folder2",
                                   ":/nwu/Open-Folder3", tr("Open Folder"), QString(), kButtonTextStyle);
}

void CommDialog::changeEvent(QEvent* event)
{
    ImageDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}

void CommDialog::SetText(const QString& text)
{
    m_Label->setText(text);
}

QString CommDialog::text() const
{
    return m_Label->text();
}

void CommDialog::SetAllowWarp()
{
    m_Label->setWordWrap(true);
}

void CommDialog::SetCancelHidden()
{
    m_BtnCancel->hide();
    m_BtnOk->move((width() - m_BtnOk->width()) / 2, m_BtnOk->y());
}

void CommDialog::SetOpen(const QString& path)
{
    m_OpenFolder = path;
    applyCancelPictures();
}

void CommDialog::OnBtnCancel()
{
    if (!m_OpenFolder.isEmpty()) {
        Util::OpenExplorer(this, m_OpenFolder);
        return;
    }
    reject();
}

void CommDialog::OnBtnOK()
{
    accept();
}

void CommDialog::OnBtnClose()
{
    reject();
}
