#pragma once

#include <QString>

class QWidget;

// The Burn page's picture notices (insert a drive, not enough room, the
// burn failed): a GerneralDialog with one OK button, run modally.
namespace BurnNotice {

void show(QWidget* parent, const QString& image, const QString& text);

} // namespace BurnNotice
