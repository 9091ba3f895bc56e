#pragma once

class CImageButton;
class QLabel;
class QTableWidget;
class QTreeWidget;
class QWidget;

// The widgets of the Extract page, with their object names, places and
// looks.
class ExtractPageForm
{
public:
    void setupUi(QWidget* page);
    // Places the widgets and gives them their fixed look.
    void applyLook();
    // Pictures and captions of the buttons, column titles and labels in
    // the current language.
    void retranslateButtons();
    void retranslateTexts(QWidget* page);

    CImageButton* loadiso = nullptr;
    CImageButton* back = nullptr;
    CImageButton* extract = nullptr;
    QTreeWidget* tree = nullptr;
    QTableWidget* list = nullptr;
    QLabel* isoextract = nullptr;
    QLabel* descript = nullptr;
};
