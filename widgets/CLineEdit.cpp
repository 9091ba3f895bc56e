#include "widgets/CLineEdit.h"

#include "widgets/PictureCache.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <cstdlib>

CLineEdit::CLineEdit(QWidget* parent) : QLineEdit(parent)
{
    setMouseTracking(true);
}

void CLineEdit::SetImage(const QString& normal, const QString& hover, const QString& pressed, const QPoint& pos)
{
    m_Normal = normal;
    m_Hover = hover;
    m_Pressed = pressed;
    m_Position = pos;
}

QRect CLineEdit::getRect() const
{
    const int x = m_Position.x() < 0 ? m_Position.x() + width() : m_Position.x();
    const int y = m_Position.y() < 0 ? m_Position.y() + height() : m_Position.y();
    const int side = height() - 2 * std::abs(m_Position.y());
    return QRect(x, y, side, side);
}

QString CLineEdit::currentImage() const
{
    if (!m_Pressed.isEmpty()) {
        const QPoint cursor = mapFromGlobal(QCursor::pos());
        if (!getRect().contains(cursor))
            return m_Normal;
        return (QApplication::mouseButtons() & Qt::LeftButton) ? m_Pressed : m_Hover;
    }
    return hasFocus() ? m_Hover : m_Normal;
}

void CLineEdit::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    const QString image = currentImage();
    if (image.isEmpty())
        return;
    const QPixmap picture = PictureCache::load(image);
    if (picture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(getRect().topLeft(), picture);
}

// The mouse only redraws the picture: it neither places the text cursor nor
// selects text (focus still follows a click).
void CLineEdit::enterEvent(QEvent*)
{
    update();
}

void CLineEdit::leaveEvent(QEvent*)
{
    update();
}

void CLineEdit::mousePressEvent(QMouseEvent*)
{
    update();
}

void CLineEdit::mouseMoveEvent(QMouseEvent*)
{
    update();
}

void CLineEdit::mouseReleaseEvent(QMouseEvent* event)
{
    update();
    if (getRect().contains(event->pos()))
        emit OnClicked();
}

void CLineEdit::keyPressEvent(QKeyEvent* event)
{
    QLineEdit::keyPressEvent(event);
    if (event->key() == Qt::Key_Return)
        emit OnClicked();
}
