// burn/: the Burn page (CBurnDialog): its options, the USB pipeline and the disc burn, and what only it needs.
// May include services/, model/ and widgets/; never another page's folder.
#pragma once

#include <QString>

class QWidget;

// The Burn page's picture notices (insert a drive, not enough room, the
// burn failed): a GerneralDialog with one OK button, run modally.
namespace BurnNotice {

void show(QWidget* parent, const QString& image, const QString& text);

} // namespace BurnNotice
