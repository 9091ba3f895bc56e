// widgets/: frameless windows, picture buttons, dialogs, the folder table, item and input widgets.
// May include services/ and model/; never a page.
#pragma once

#include "widgets/ImageDialog.h"

class CImageButton;
class QLabel;

// The About dialog: what the program is, who holds its rights and where its
// web site is.
class CAboutusDialog : public ImageDialog
{
    Q_OBJECT
public:
    explicit CAboutusDialog(QWidget* parent = nullptr);

    static QString siteAddress();

public slots:
    void openUrl(const QString& url);

protected:
    void changeEvent(QEvent* event) override;

private:
    QLabel* addLabel(const char* name, const QRect& geometry);
    void retranslate();

    CImageButton* m_Close = nullptr;
    QLabel* m_First = nullptr;
    QLabel* m_Rights = nullptr;
    QLabel* m_Url = nullptr;
    QLabel* m_Version = nullptr;
};
