#pragma once

#include <QList>

class CImageButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

// The widgets of the Copy Disk page, with their object names, places and
// looks. Texts and pictures are set by the page (they follow the language).
struct CPage5Form
{
    void setupUi(QWidget* page);
    QList<QLabel*> labels() const;

    QLabel* makeimage = nullptr;
    QLabel* source = nullptr;
    QLabel* select = nullptr;
    QComboBox* dvdlist = nullptr;
    CImageButton* eject = nullptr;
    QLabel* destination = nullptr;
    QLabel* output = nullptr;
    QComboBox* formatlist = nullptr;
    QLabel* location = nullptr;
    QLineEdit* lineEdit = nullptr;
    CImageButton* browser = nullptr;
    CImageButton* back = nullptr;
    CImageButton* start = nullptr;

private:
    void setupSource(QWidget* page);
    void setupDestination(QWidget* page);
};
