#pragma once

#include "widgets/CommDialog.h"

class QProgressBar;

// Progress of a long operation: a message line, a bar with its percentage
// and a Stop button. Shown with show(); it blocks the rest of the
// application while visible.
class CProgressDialog : public CommDialog
{
    Q_OBJECT
public:
    explicit CProgressDialog(QWidget* parent = nullptr);

    void SetRange(int minimum, int maximum);
    void SetUnfinished();
    void SetValue(int value);
    void DisableCancel();
    bool IsComplete() const;

    QString progressText() const;
    int value() const;

    // The bar's text for a value: the share of the range with two
    // decimals, ".00" dropped; 0% when the range is empty.
    static QString percentText(int value, int minimum, int maximum);

signals:
    void SigCancel();

protected slots:
    void OnBtnCancel() override;

protected:
    void retranslate() override;

private:
    void applyStopPictures();
    void showPercent(int value);

    QProgressBar* m_Progress = nullptr;
};
