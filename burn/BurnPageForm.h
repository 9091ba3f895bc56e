#pragma once

#include <QList>

class CImageButton;
class CMyComboBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

// The widgets of the Burn page, with their object names, places and looks.
// Texts and pictures are set by the page (they are its own).
struct BurnPageForm
{
    void setupUi(QWidget* page);
    QList<QLabel*> labels() const;

    QLabel* isopath = nullptr;
    QLineEdit* isofile = nullptr;
    CImageButton* browser = nullptr;
    QRadioButton* rdvd = nullptr;
    QLabel* bootDVD = nullptr;
    QLabel* selectDVD = nullptr;
    CMyComboBox* dvdlist = nullptr;
    QRadioButton* rusb = nullptr;
    QLabel* bootUSB = nullptr;
    QLabel* selectUSB = nullptr;
    CMyComboBox* usblist = nullptr;
    QLabel* partitionstyle = nullptr;
    QComboBox* ptlist = nullptr;
    QLabel* filesystem = nullptr;
    QComboBox* sysfilelist = nullptr;
    QLabel* volumelabel = nullptr;
    QLineEdit* volumelab = nullptr;
    CImageButton* back = nullptr;
    CImageButton* burn = nullptr;

private:
    void setupImage(QWidget* page);
    void setupTargets(QWidget* page);
    void setupOptions(QWidget* page);
};
