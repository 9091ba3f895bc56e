#include "widgets/CInputDialog.h"

#include <QLabel>
#include <QLineEdit>

CInputDialog::CInputDialog(QWidget* parent) : CommDialog(parent)
{
    m_Input = new QLineEdit(this);
    m_Input->setObjectName("lineEdit");
    m_Input->setGeometry(40, 100, 360, 20);
    m_Label->setGeometry(40, 60, 340, 25);
    retranslate();
    // Return in the field confirms, like a click on OK.
    connect(m_Input, &QLineEdit::returnPressed, this, &CInputDialog::OnBtnOK);
    m_Input->setFocus();
}

void CInputDialog::retranslate()
{
    CommDialog::retranslate();
    SetText(tr("Please input the name:"));
}

void CInputDialog::SetInput(const QString& text)
{
    m_Input->setText(text.trimmed());
    m_Input->selectAll();
}

QString CInputDialog::GetInput() const
{
    return m_Input->text().trimmed();
}
