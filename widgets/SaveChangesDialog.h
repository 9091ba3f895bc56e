#pragma once

#include "widgets/CommDialog.h"

// Asks what to do with changes that are not saved before they would be
// lost: Save ("btnok"), Don't Save ("btndiscard") or Cancel ("btncancel",
// also the close button and Escape), as editors ask.
class SaveChangesDialog : public CommDialog
{
    Q_OBJECT
public:
    enum Choice { Cancel = QDialog::Rejected, Save = QDialog::Accepted, Discard = 2 };

    explicit SaveChangesDialog(QWidget* parent = nullptr);

protected slots:
    void OnBtnCancel() override;

protected:
    void retranslate() override;

private:
    CImageButton* m_BtnDiscard = nullptr;
};
