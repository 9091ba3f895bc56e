#include "burn/BurnPageForm.h"

#include "widgets/CImageButton.h"
#include "widgets/CMyComboBox.h"
#include "widgets/FormParts.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

const char* const kEditStyle = "QLineEdit { background-color: white; color: rgb(83, 81, 81);}";

QLabel* makeLabel(QWidget* page, const char* name, int x, int y, int pixels, int weight = QFont::Normal)
{
    QLabel* label = FormParts::label(page, name, pixels, weight);
    label->setStyleSheet("color: rgb(80, 80, 80);");
    label->move(x, y);
    return label;
}

QLineEdit* makeEdit(QWidget* page, const char* name, int x, int y, int width)
{
    auto* edit = new QLineEdit(page);
    edit->setObjectName(name);
    edit->setStyleSheet(kEditStyle);
    edit->setFixedSize(width, 23);
    edit->move(x, y);
    return edit;
}

template <class Combo>
Combo* makeCombo(QWidget* page, const char* name, int x, int y, int width)
{
    auto* combo = new Combo(page);
    combo->setObjectName(name);
    combo->setFixedSize(width, 23);
    combo->setFont(FormParts::pixelFont(13));
    combo->move(x, y);
    return combo;
}

QRadioButton* makeRadio(QWidget* page, const char* name, int x, int y)
{
    QRadioButton* radio = FormParts::radio(page, name, x, y);
    radio->adjustSize();
    return radio;
}

} // namespace

void BurnPageForm::setupUi(QWidget* page)
{
    page->setFixedSize(858, 472);
    setupImage(page);
    setupTargets(page);
    setupOptions(page);
    back = FormParts::button(page, "back", 339, 405);
    burn = FormParts::button(page, "burn", 473, 405);
}

void BurnPageForm::setupImage(QWidget* page)
{
    isopath = makeLabel(page, "isopath", 129, 26, 14);
    isopath->setFixedHeight(23);
    isofile = makeEdit(page, "isofile", 219, 26, 306);
    isofile->setReadOnly(true);
    isofile->setFont(QFont("Microsoft YaHei"));
    browser = FormParts::button(page, "browser", 546, 26);
}

void BurnPageForm::setupTargets(QWidget* page)
{
    rdvd = makeRadio(page, "rdvd", 204, 83);
    bootDVD = makeLabel(page, "bootDVD", 219, 84, 14, QFont::Bold);
    selectDVD = makeLabel(page, "selectDVD", 219, 110, 13);
    dvdlist = makeCombo<CMyComboBox>(page, "dvdlist", 219, 137, 371);
    rusb = makeRadio(page, "rusb", 204, 179);
    bootUSB = makeLabel(page, "bootUSB", 219, 177, 14, QFont::Bold);
    selectUSB = makeLabel(page, "selectUSB", 219, 199, 13);
    usblist = makeCombo<CMyComboBox>(page, "usblist", 219, 222, 371);
    auto* group = new QButtonGroup(page);
    group->addButton(rdvd);
    group->addButton(rusb);
    rdvd->setChecked(true);
}

void BurnPageForm::setupOptions(QWidget* page)
{
    partitionstyle = makeLabel(page, "partitionstyle", 219, 257, 13);
    partitionstyle->setFixedHeight(23);
    ptlist = makeCombo<QComboBox>(page, "ptlist", 334, 258, 246);
    ptlist->addItems({QString(), QString()}); // MBR, GPT: texts set by the page
    filesystem = makeLabel(page, "filesystem", 219, 328, 13);
    sysfilelist = makeCombo<QComboBox>(page, "sysfilelist", 219, 349, 180);
    sysfilelist->addItems({"FAT32", "FAT"});
    volumelabel = makeLabel(page, "volumelabel", 489, 326, 13);
    volumelab = makeEdit(page, "volumelab", 489, 351, 208);
    volumelab->setMaxLength(11);
}

QList<QLabel*> BurnPageForm::labels() const
{
    return {isopath, bootDVD, selectDVD, bootUSB, selectUSB, partitionstyle, filesystem, volumelabel};
}
