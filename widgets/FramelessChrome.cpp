#include "widgets/FramelessChrome.h"

#include "widgets/PictureCache.h"

#include <QDebug>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

FramelessChrome::FramelessChrome(QWidget* window) : m_Window(window) {}

void FramelessChrome::setup()
{
    m_Window->setWindowTitle("Quillmere");
    m_Window->setWindowFlags(Qt::FramelessWindowHint);
    m_Window->setAutoFillBackground(false);
    m_Window->setAttribute(Qt::WA_TranslucentBackground);
}

void FramelessChrome::setBackground(const QString& path)
{
    if (path.isEmpty())
        return;
    const QPixmap picture = PictureCache::load(path);
    if (picture.isNull()) {
        qDebug() << "Can not load the image file " << path;
        return;
    }
    m_Window->setFixedSize(picture.size());
    m_Background = path;
    m_Window->update();
}

void FramelessChrome::setBackgroundColor(const QColor& colour)
{
    QPalette palette = m_Window->palette();
    palette.setColor(QPalette::All, QPalette::Window, colour);
    m_Window->setPalette(palette);
    m_Window->setAutoFillBackground(true);
}

void FramelessChrome::setTitleBackground(const QColor& colour)
{
    m_TitleColor = colour;
    m_Window->update();
}

void FramelessChrome::paint()
{
    if (m_Background.isEmpty())
        return;
    const QPixmap picture = PictureCache::load(m_Background);
    if (picture.isNull())
        return;
    QPainter painter(m_Window);
    painter.drawPixmap(m_Window->rect(), picture);
}

void FramelessChrome::press(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_Pressed = true;
    m_DragOffset = event->globalPos() - m_Window->pos();
}

void FramelessChrome::move(QMouseEvent* event)
{
    if (!m_Pressed || !(event->buttons() & Qt::LeftButton))
        return;
    if (m_Moveable)
        m_Window->move(event->globalPos() - m_DragOffset);
    m_DragOffset = event->globalPos() - m_Window->pos();
}

void FramelessChrome::release()
{
    m_Pressed = false;
}
