#include "widgets/FormParts.h"

#include "widgets/CImageButton.h"

#include <QLabel>
#include <QRadioButton>

namespace FormParts {

namespace {
const char* const kRadioStyle = "QRadioButton::indicator:checked {\n    image: url(:/nwu/rchecked);\n}\n\n"
                                "QRadioButton::indicator:unchecked {\n    image: url(:/nwu/runchecked);\n}";
}

QFont pixelFont(int pixels, int weight)
{
    QFont font;
    font.setPixelSize(pixels);
    font.setWeight(weight);
    return font;
}

QLabel* label(QWidget* parent, const char* name, int pixels, int weight)
{
    auto* made = new QLabel(parent);
    made->setObjectName(name);
    made->setFont(pixelFont(pixels, weight));
    return made;
}

QRadioButton* radio(QWidget* parent, const char* name, int x, int y)
{
    auto* made = new QRadioButton(parent);
    made->setObjectName(name);
    made->setStyleSheet(kRadioStyle);
    made->move(x, y);
    return made;
}

CImageButton* button(QWidget* parent, const char* name, int x, int y)
{
    auto* made = new CImageButton(parent);
    made->setObjectName(name);
    made->move(x, y);
    return made;
}

} // namespace FormParts
