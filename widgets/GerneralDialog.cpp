#include "widgets/GerneralDialog.h"

#include "widgets/CImageButton.h"

#include <QEvent>
#include <QLabel>

GerneralDialog::GerneralDialog(QWidget* parent) : ImageDialog(parent)
{
    // A real dialog window even with a page as parent (see CommDialog).
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle("Quillmere");
    resize(400, 300);
    m_Label = new QLabel(this);
    m_Label->setObjectName("label");
    m_Label->setGeometry(60, 40, 301, 101);
    m_Label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void GerneralDialog::SetBackGround(const QString& image, const QString& text)
{
    ImageDialog::SetBackGround(image);
    if (!m_Close) {
        m_Close = new CImageButton(this);
        m_Close->setObjectName("btnclose");
        m_Close->move(5, 5);
        m_Close->SetBackGround(":/nwu/osxclose1", ":/nwu/osxclose2", ":/nwu/osxclose3", ":/nwu/osxclose4");
        connect(m_Close, qOverload<>(&CImageButton::clicked), this, &QWidget::close);
    }
    QFont font = m_Label->font();
    font.setPixelSize(12);
    m_Label->setFont(font);
    QPalette palette = m_Label->palette();
    palette.setColor(QPalette::WindowText, QColor(83, 81, 81));
    m_Label->setPalette(palette);
    m_Label->setWordWrap(true);
    m_Label->setText(text);
}

QString GerneralDialog::text() const
{
    return m_Label->text();
}

CImageButton* GerneralDialog::addButton(const char* name, int y, int x)
{
    auto* button = new CImageButton(this);
    button->setObjectName(name);
    button->move(x, y + 10);
    return button;
}

void GerneralDialog::AddOK(int y, int x)
{
    delete m_Ok;
    m_Ok = addButton("btnok", y, x);
    retranslate();
    if (x == 0)
        m_Ok->move((width() - m_Ok->width()) / 2, m_Ok->y());
    connect(m_Ok, qOverload<>(&CImageButton::clicked), this, &QDialog::accept);
}

void GerneralDialog::AddNo(int y, int x)
{
    delete m_No;
    m_No = addButton("btncancel", y, x);
    retranslate();
    if (x == 0)
        m_No->move((width() - m_No->width()) / 2, m_No->y());
    connect(m_No, qOverload<>(&CImageButton::clicked), this, &QDialog::reject);
}

void GerneralDialog::retranslate()
{
    if (m_Ok)
        m_Ok->SetBackGround(":/nwu/OK_1", ":/nwu/OK_2", ":/nwu/OK_3", QString(), tr("OK"), QString(), 3);
    if (m_No)
        m_No->SetBackGround(":/nwu/NO_1", ":/nwu/NO_2", ":/nwu/NO_3", QString(), tr("NO"), QString(), 10);
}

void GerneralDialog::changeEvent(QEvent* event)
{
    ImageDialog::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}
