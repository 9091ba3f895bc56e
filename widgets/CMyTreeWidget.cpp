#include "widgets/CMyTreeWidget.h"

#include <QMouseEvent>

void CMyTreeWidget::mousePressEvent(QMouseEvent* event)
{
    QTreeWidget::mousePressEvent(event);
    if (!indexAt(event->pos()).isValid())
        clearSelection();
}
