#include "widgets/CProgressDialog.h"

#include "widgets/CImageButton.h"

#include <QLabel>
#include <QProgressBar>

CProgressDialog::CProgressDialog(QWidget* parent) : CommDialog(parent)
{
    setWindowModality(Qt::ApplicationModal);
    m_BtnClose->hide();
    m_BtnOk->hide();

    m_Progress = new QProgressBar(this);
    m_Progress->setObjectName("progressBar");
    m_Progress->setGeometry(40, 100, 360, 20);
    m_Progress->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_Progress->setStyleSheet("QProgressBar{ border: none; color: white; text-align: center; background: "
                              "rgb(192, 192, 192); } QProgressBar::chunk { border: none; background: "
                              "rgb(0, 160, 230); }");
    SetValue(0);

    m_Label->setGeometry(40, 60, 340, 25);
    applyStopPictures();
    m_BtnCancel->move(325, 140);
}

void CProgressDialog::retranslate()
{
    CommDialog::retranslate();
    applyStopPictures();
}

void CProgressDialog::applyStopPictures()
{
    m_BtnCancel->SetBackGround(":/nwu/Stop1", ":/nwu/Stop2", ":/nwu/Stop3", ":/nwu/Stop4", tr("Stop"),
                               QString(), 10);
}

void CProgressDialog::SetRange(int minimum, int maximum)
{
    m_Progress->setRange(minimum, maximum);
    showPercent(m_Progress->value());
}

void CProgressDialog::SetUnfinished()
{
    SetRange(0, 0);
}

QString CProgressDialog::percentText(int value, int minimum, int maximum)
{
    double percent = 0;
    if (maximum > minimum)
        percent = (double(value) - minimum) * 100.0 / (double(maximum) - minimum);
    QString text = QString("%1%").arg(percent, 0, 'f', 2);
    if (text.endsWith(".00%"))
        text = text.left(text.size() - 4) + "%";
    return text;
}

void CProgressDialog::SetValue(int value)
{
    m_Progress->setValue(value);
    showPercent(value);
}

void CProgressDialog::showPercent(int value)
{
    // A value outside the range (the bar ignores it) must not show more
    // than 100% or less than 0%.
    const int minimum = m_Progress->minimum();
    const int maximum = m_Progress->maximum();
    m_Progress->setFormat(percentText(qBound(minimum, value, maximum), minimum, maximum));
}

void CProgressDialog::DisableCancel()
{
    applyStopPictures();
    m_BtnCancel->setEnabled(false);
}

bool CProgressDialog::IsComplete() const
{
    return m_Progress->value() == m_Progress->maximum();
}

QString CProgressDialog::progressText() const
{
    return m_Progress->format();
}

int CProgressDialog::value() const
{
    return m_Progress->value();
}

void CProgressDialog::OnBtnCancel()
{
    hide();
    emit SigCancel();
}
