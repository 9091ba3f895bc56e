#pragma once

#include <QColor>
#include <QPoint>
#include <QString>

class QMouseEvent;
class QWidget;

// The behaviour shared by the frameless main window and the frameless
// dialogs: a background picture that fixes the window's size and is drawn
// scaled over it, and dragging by any free area of the window.
class FramelessChrome
{
public:
    explicit FramelessChrome(QWidget* window);

    void setup();
    void setBackground(const QString& path);
    void setBackgroundColor(const QColor& colour);
    void setTitleBackground(const QColor& colour);
    void setMoveable(bool moveable) { m_Moveable = moveable; }
    bool moveable() const { return m_Moveable; }
    QString background() const { return m_Background; }

    void paint();
    void press(QMouseEvent* event);
    void move(QMouseEvent* event);
    void release();

private:
    QWidget* m_Window;
    QColor m_TitleColor;
    QString m_Background;
    bool m_Moveable = false;
    bool m_Pressed = false;
    QPoint m_DragOffset;
};
