#include "services/Util.h"

#include <QMessageBox>

void Util::ShowError(const QString& text)
{
    QMessageBox box(QMessageBox::Warning, "Quillmere", text);
    box.exec();
}
