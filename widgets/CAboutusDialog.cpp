#include "widgets/CAboutusDialog.h"

#include "widgets/CImageButton.h"
#include "widgets/CommDialog.h"

#include <QDesktopServices>
#include <QEvent>
#include <QLabel>
#include <QUrl>

CAboutusDialog::CAboutusDialog(QWidget* parent) : ImageDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    resize(595, 356);
    SetBackGround(":/nwu/about_us");
    SetMoveable(true);

    m_Close = new CImageButton(this);
    m_Close->setObjectName("close");
    m_Close->move(10, 10);
    m_Close->SetBackGround(":/nwu/osxclose1", ":/nwu/osxclose2", ":/nwu/osxclose3", ":/nwu/osxclose4");
    connect(m_Close, qOverload<>(&CImageButton::clicked), this, &QWidget::close);

    m_First = addLabel("label_first", QRect(50, 120, 495, 80));
    m_First->setFont(QFont("Microsoft YaHei", 12));
    m_First->setWordWrap(true);
    m_Rights = addLabel("label_rights", QRect(50, 215, 495, 30));
    m_Url = addLabel("label_url", QRect(50, 260, 495, 30));
    m_Version = addLabel("label_version", QRect(50, 300, 495, 30));
    connect(m_Url, &QLabel::linkActivated, this, &CAboutusDialog::openUrl);
    retranslate();
}

QString CAboutusDialog::siteAddress()
{
    return "https://quillmere.app";
}

QLabel* CAboutusDialog::addLabel(const char* name, const QRect& geometry)
{
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setTextFormat(Qt::RichText);
    label->setStyleSheet("QLabel { color : black; background-color : white; }");
    return label;
}

void CAboutusDialog::retranslate()
{
    setWindowTitle(tr("About Quillmere"));
    m_First->setText(tr("<p>Quillmere burns ISO images to USB drives and discs, extracts their content, "
                        "creates new images from files and folders, edits existing images and copies "
                        "discs to image files.</p>"));
    m_Rights->setText(tr("<p>Copyright &copy; 2026 The Quillmere developers. All rights reserved.</p>"));
    const QString site = siteAddress();
    m_Url->setText(tr("Please visit offical site: ") + QString("<a href=\"%1\">%1</a>").arg(site));
    m_Version->setText(tr("Version %1").arg(QStringLiteral(QUILLMERE_VERSION)));
}

void CAboutusDialog::openUrl(const QString& url)
{
    if (QDesktopServices::openUrl(QUrl(url)))
        return;
    CommDialog message;
    message.SetAllowWarp();
    message.SetCancelHidden();
    message.SetText(tr("No web browser could be started. The site is at %1.").arg(url));
    message.exec();
}

void CAboutusDialog::changeEvent(QEvent* event)
{
    ImageDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}
