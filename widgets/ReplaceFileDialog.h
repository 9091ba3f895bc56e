#pragma once

#include "widgets/CommDialog.h"

class QCheckBox;

// Asks what to do with a file to be extracted when the destination already
// holds a file of that name: Replace ("btnok"), Skip ("btnskip", keeps the
// user's file) or Cancel ("btncancel", also the close button and Escape:
// nothing is extracted), with "Apply to all" ("applytoall") for the files
// still to come, as archive managers ask.
class ReplaceFileDialog : public CommDialog
{
    Q_OBJECT
public:
    enum Choice { Cancel = QDialog::Rejected, Replace = QDialog::Accepted, Skip = 2 };

    explicit ReplaceFileDialog(QWidget* parent = nullptr);

    // shownPath: the file's path below the destination folder; remaining:
    // how many such files come after this one (the box shows only then).
    void SetFile(const QString& shownPath, int remaining);
    bool ApplyToAll() const;

protected slots:
    void OnBtnCancel() override;

protected:
    void retranslate() override;

private:
    void showText();

    CImageButton* m_BtnSkip = nullptr;
    QCheckBox* m_ApplyToAll = nullptr;
    QString m_ShownPath;
};
