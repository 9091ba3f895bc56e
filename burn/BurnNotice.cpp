#include "burn/BurnNotice.h"

#include "widgets/GerneralDialog.h"

namespace BurnNotice {

void show(QWidget* parent, const QString& image, const QString& text)
{
    GerneralDialog dialog(parent);
    dialog.SetBackGround(image, text);
    dialog.AddOK(123, 0);
    dialog.show();
    dialog.exec();
}

} // namespace BurnNotice
