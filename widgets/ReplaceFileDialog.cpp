#include "widgets/ReplaceFileDialog.h"

#include "widgets/CImageButton.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>

namespace {
const int kButtonTextStyle = 10;
}

ReplaceFileDialog::ReplaceFileDialog(QWidget* parent) : CommDialog(parent)
{
    SetAllowWarp();
    m_Label->setGeometry(40, 48, 351, 62);
    m_BtnSkip = new CImageButton(this);
    m_BtnSkip->setObjectName("btnskip");
    m_BtnSkip->setGeometry(0, 0, 91, 21);
    // The wide buttons of a three-way question, as SaveChangesDialog has.
    m_BtnOk->move(21, 145);
    m_BtnSkip->move(151, 145);
    m_BtnCancel->move(281, 145);
    m_ApplyToAll = new QCheckBox(this);
    m_ApplyToAll->setObjectName("applytoall");
    m_ApplyToAll->setGeometry(40, 114, 351, 22);
    m_ApplyToAll->setStyleSheet("font:13px;\ncolor:#606060;");
    m_ApplyToAll->hide();
    connect(m_BtnSkip, qOverload<>(&CImageButton::clicked), this, [this] { done(Skip); });
    retranslate();
}

void ReplaceFileDialog::SetFile(const QString& shownPath, int remaining)
{
    m_ShownPath = shownPath;
    m_ApplyToAll->setChecked(false);
    m_ApplyToAll->setVisible(remaining > 0);
    showText();
}

bool ReplaceFileDialog::ApplyToAll() const
{
    // Asked after the dialog has closed: the box is offered unless hidden.
    return !m_ApplyToAll->isHidden() && m_ApplyToAll->isChecked();
}

void ReplaceFileDialog::showText()
{
    // A long path is shortened in its middle, so that the question stays
    // readable in the dialog.
    const QString path = m_Label->fontMetrics().elidedText(QDir::toNativeSeparators(m_ShownPath), Qt::ElideMiddle,
                                                           m_Label->width() - 20);
    SetText(tr("The destination folder already holds \"%1\". Replace it with the file from the image?").arg(path));
}

void ReplaceFileDialog::retranslate()
{
    CommDialog::retranslate();
    if (!m_BtnSkip)
        return;
    m_BtnOk->SetBackGround(":/nwu/choiceOK1", ":/nwu/choiceOK2", ":/nwu/choiceOK3", ":/nwu/choiceOK3",
                           tr("Replace"), QString(), kButtonTextStyle);
    m_BtnSkip->SetBackGround(":/nwu/choiceNO1", ":/nwu/choiceNO2", ":/nwu/choiceNO3", ":/nwu/choiceNO3", tr("Skip"),
                             QString(), kButtonTextStyle);
    m_BtnCancel->SetBackGround(":/nwu/choiceNO1", ":/nwu/choiceNO2", ":/nwu/choiceNO3", ":/nwu/choiceNO3",
                               tr("Cancel"), QString(), kButtonTextStyle);
    m_ApplyToAll->setText(tr("Apply to all"));
    // Only the box and its text take clicks.
    m_ApplyToAll->adjustSize();
    if (!m_ShownPath.isEmpty())
        showText();
}

void ReplaceFileDialog::OnBtnCancel()
{
    reject();
}
