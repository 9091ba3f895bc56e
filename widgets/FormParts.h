#pragma once

#include <QFont>

class CImageButton;
class QLabel;
class QRadioButton;
class QWidget;

// Small builders that the pages' form code shares: a font of a pixel size,
// and labels, radio buttons and picture buttons made with an object name.
namespace FormParts {

QFont pixelFont(int pixels, int weight = QFont::Normal);
QLabel* label(QWidget* parent, const char* name, int pixels, int weight = QFont::Normal);
// A radio button drawn with the pages' radio pictures, at (x, y).
QRadioButton* radio(QWidget* parent, const char* name, int x, int y);
CImageButton* button(QWidget* parent, const char* name, int x, int y);

} // namespace FormParts
