#include "widgets/CMyComboBox.h"

#include <QMouseEvent>

void CMyComboBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit dropdownclicked();
    QComboBox::mousePressEvent(event);
}
