#pragma once

#include "widgets/ImageDialog.h"

class CImageButton;
class QLabel;

// The message dialog: a text with OK, NO and close buttons. The NO button
// can be hidden, or turned into a button that opens a folder.
class CommDialog : public ImageDialog
{
    Q_OBJECT
public:
    explicit CommDialog(QWidget* parent = nullptr);

    void SetText(const QString& text);
    void SetAllowWarp();
    void SetCancelHidden();
    void SetOpen(const QString& path);

    QString text() const;
    QString openFolder() const { return m_OpenFolder; }

protected slots:
    virtual void OnBtnCancel();
    virtual void OnBtnOK();
    virtual void OnBtnClose();

protected:
    void changeEvent(QEvent* event) override;
    virtual void retranslate();

    CImageButton* m_BtnClose = nullptr;
    CImageButton* m_BtnOk = nullptr;
    CImageButton* m_BtnCancel = nullptr;
    QLabel* m_Label = nullptr;

private:
    void applyCancelPictures();

    QString m_OpenFolder;
};
