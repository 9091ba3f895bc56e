#include "platform/askpass/AskpassWindow.h"

#include "platform/disktools/AskpassChoice.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTranslator>
#include <QVBoxLayout>

AskpassWindow::AskpassWindow(QWidget* parent)
    : QDialog(parent), m_Message(new QLabel(this)), m_Password(new QLineEdit(this)),
      m_Ok(new QPushButton(tr("OK"), this)), m_Cancel(new QPushButton(tr("Cancel"), this))
{
    setWindowTitle(tr("Administrator Password"));
    m_Message->setObjectName("message");
    m_Message->setText(tr("Quillmere needs administrator rights to prepare the drive.\n"
                          "Enter the administrator password:"));
    m_Message->setWordWrap(true);
    m_Password->setObjectName("password");
    m_Password->setEchoMode(QLineEdit::Password);
    m_Ok->setObjectName("ok");
    m_Ok->setDefault(true);
    m_Cancel->setObjectName("cancel");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_Cancel);
    buttons->addWidget(m_Ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_Message);
    layout->addWidget(m_Password);
    layout->addLayout(buttons);
    setMinimumWidth(380);

    connect(m_Ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_Cancel, &QPushButton::clicked, this, &QDialog::reject);
    m_Password->setFocus();
}

QString AskpassWindow::password() const
{
    return m_Password->text();
}

bool AskpassWindow::loadLanguage(QTranslator& translator, const QString& programName, const QString& catalogueFolder)
{
    const QString code = AskpassChoice::languageOfFile(QFileInfo(programName).fileName());
    if (code.isEmpty() || code == "en")
        return false;
    return translator.load(catalogueFolder + "/qt_" + code + ".qm");
}
