#include "copydisk/CPage5Form.h"

#include "widgets/CImageButton.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace {

QFont pixelFont(int pixels, int weight = QFont::Normal)
{
    QFont font;
    font.setPixelSize(pixels);
    font.setWeight(weight);
    return font;
}

QLabel* makeLabel(QWidget* page, const char* name, int x, int y)
{
    auto* label = new QLabel(page);
    label->setObjectName(name);
    label->setFont(pixelFont(14));
    label->setStyleSheet("color: rgb(80, 80, 80);");
    label->move(x, y);
    return label;
}

QComboBox* makeCombo(QWidget* page, const char* name, const QRect& geometry)
{
    auto* combo = new QComboBox(page);
    combo->setObjectName(name);
    combo->setFont(pixelFont(13));
    combo->setGeometry(geometry);
    combo->setFixedSize(geometry.size());
    return combo;
}

CImageButton* makeButton(QWidget* page, const char* name, int x, int y)
{
    auto* button = new CImageButton(page);
    button->setObjectName(name);
    button->move(x, y);
    return button;
}

} // namespace

void CPage5Form::setupUi(QWidget* page)
{
    page->setFixedSize(858, 472);
    makeimage = new QLabel(page);
    makeimage->setObjectName("makeimage");
    QFont title = pixelFont(16, 75);
    title.setLetterSpacing(QFont::PercentageSpacing, 100);
    makeimage->setFont(title);
    makeimage->setStyleSheet("color: #62BB97;");
    makeimage->move(32, 25);
    setupSource(page);
    setupDestination(page);
    back = makeButton(page, "back", 44, 417);
    start = makeButton(page, "start", 709, 417);
}

void CPage5Form::setupSource(QWidget* page)
{
    source = makeLabel(page, "source", 44, 85);
    select = makeLabel(page, "select", 44, 108);
    dvdlist = makeCombo(page, "dvdlist", QRect(44, 147, 476, 26));
    eject = makeButton(page, "eject", 549, 147);
}

void CPage5Form::setupDestination(QWidget* page)
{
    destination = makeLabel(page, "destination", 43, 238);
    output = makeLabel(page, "output", 43, 273);
    formatlist = makeCombo(page, "formatlist", QRect(183, 270, 191, 27));
    formatlist->addItem(QString()); // "ISO Format": set by the page
    location = makeLabel(page, "location", 44, 311);
    lineEdit = new QLineEdit(page);
    lineEdit->setObjectName("lineEdit");
    lineEdit->setReadOnly(true);
    lineEdit->setFont(pixelFont(14));
    lineEdit->setStyleSheet("QLineEdit { background-color: white; color: rgb(83, 81, 81);}");
    lineEdit->setGeometry(44, 334, 476, 28);
    lineEdit->setFixedSize(476, 28);
    browser = makeButton(page, "browser", 549, 334);
}

QList<QLabel*> CPage5Form::labels() const
{
    return {makeimage, source, select, destination, output, location};
}
