#pragma once

class CImageButton;
class CMyTreeWidget;
class QLabel;
class QProgressBar;
class QRadioButton;
class QWidget;

// The widgets of the Create page, with their object names, places and
// looks. Texts are set by the page (they are the page's own).
struct CPage3Form
{
    void setupUi(QWidget* page);
    // Sizes the size box's labels to their texts and places them again.
    void placeSizeLabels();

    QLabel* filebackup = nullptr;
    CMyTreeWidget* list = nullptr;
    QLabel* backtype = nullptr;
    QRadioButton* jolet = nullptr;
    QRadioButton* iso9600 = nullptr;
    QRadioButton* udf = nullptr;
    QWidget* widget = nullptr;
    QLabel* totalsize = nullptr;
    QLabel* label_2 = nullptr;
    QProgressBar* progressBar = nullptr;
    CImageButton* addfile = nullptr;
    CImageButton* adddir = nullptr;
    CImageButton* remove = nullptr;
    CImageButton* create = nullptr;
    CImageButton* back = nullptr;

private:
    void setupList(QWidget* page);
    void setupTypes(QWidget* page);
    void setupSizeBox(QWidget* page);
    void setupButtons(QWidget* page);
};
