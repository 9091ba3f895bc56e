#pragma once

#include "widgets/ImageDialog.h"

class CImageButton;
class QLabel;

// A notice drawn on a picture: a text, a close button and OK and NO
// buttons added by the caller.
class GerneralDialog : public ImageDialog
{
    Q_OBJECT
public:
    explicit GerneralDialog(QWidget* parent = nullptr);

    using ImageDialog::SetBackGround;
    void SetBackGround(const QString& image, const QString& text);
    void AddOK(int y, int x);
    void AddNo(int y, int x);

    QString text() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    CImageButton* addButton(const char* name, int y, int x);
    void retranslate();

    QLabel* m_Label = nullptr;
    CImageButton* m_Close = nullptr;
    CImageButton* m_Ok = nullptr;
    CImageButton* m_No = nullptr;
};
