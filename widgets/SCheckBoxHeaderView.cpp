#include "widgets/SCheckBoxHeaderView.h"

#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>

namespace {
// Painting happens often; its diagnostics are off unless asked for with
// QT_LOGGING_RULES="quillmere.header.debug=true".
Q_LOGGING_CATEGORY(headerLog, "quillmere.header", QtWarningMsg)
}

SCheckBoxHeaderView::SCheckBoxHeaderView(int checkColumn, Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent), m_CheckColumn(checkColumn)
{
}

void SCheckBoxHeaderView::mousePressEvent(QMouseEvent* event)
{
    // The whole check-box section toggles, the box drawn at its left edge
    // included.
    if (visualIndexAt(event->pos().x()) == m_CheckColumn) {
        m_bChecked = !m_bChecked;
        updateSection(m_CheckColumn);
        emit checkStausChange(m_bChecked);
    }
    QHeaderView::mousePressEvent(event);
}

void SCheckBoxHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    painter->save();
    QHeaderView::paintSection(painter, rect, logicalIndex);
    painter->restore();
    qCDebug(headerLog) << "QRect***" << rect;
    if (logicalIndex != m_CheckColumn)
        return;
    const int c = (rect.height() - 21) / 2;
    QStyleOptionButton option;
    option.rect = QRect(2, rect.top() + c - 1, 2 * c + 21, 2 * c + 21);
    option.state = QStyle::State_Enabled | (m_bChecked ? QStyle::State_On : QStyle::State_Off);
    style()->drawControl(QStyle::CE_CheckBox, &option, painter);
}
