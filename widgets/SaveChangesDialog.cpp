#include "widgets/SaveChangesDialog.h"

#include "widgets/CImageButton.h"

namespace {
const int kButtonTextStyle = 10;
}

SaveChangesDialog::SaveChangesDialog(QWidget* parent) : CommDialog(parent)
{
    SetAllowWarp();
    m_BtnDiscard = new CImageButton(this);
    m_BtnDiscard->setObjectName("btndiscard");
    // Wider buttons than the message's: "Don't Save" is long in most languages.
    m_BtnOk->move(21, 140);
    m_BtnDiscard->move(151, 140);
    m_BtnCancel->move(281, 140);
    connect(m_BtnDiscard, qOverload<>(&CImageButton::clicked), this, [this] { done(Discard); });
    retranslate();
}

void SaveChangesDialog::retranslate()
{
    CommDialog::retranslate();
    if (!m_BtnDiscard)
        return;
    m_BtnOk->SetBackGround(":/nwu/choiceOK1", ":/nwu/choiceOK2", ":/nwu/choiceOK3", ":/nwu/choiceOK3", tr("Save"),
                           QString(), kButtonTextStyle);
    m_BtnDiscard->SetBackGround(":/nwu/choiceNO1", ":/nwu/choiceNO2", ":/nwu/choiceNO3", ":/nwu/choiceNO3",
                                tr("Don't Save"), QString(), kButtonTextStyle);
    m_BtnCancel->SetBackGround(":/nwu/choiceNO1", ":/nwu/choiceNO2", ":/nwu/choiceNO3", ":/nwu/choiceNO3",
                               tr("Cancel"), QString(), kButtonTextStyle);
}

void SaveChangesDialog::OnBtnCancel()
{
    reject();
}
