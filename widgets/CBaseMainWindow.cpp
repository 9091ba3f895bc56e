#include "widgets/CBaseMainWindow.h"

#include "widgets/WindowEvents.h"

#include <QMouseEvent>

CBaseMainWindow::CBaseMainWindow(QWidget* parent) : QMainWindow(parent)
{
    m_Chrome.setup();

}

void CBaseMainWindow::paintEvent(QPaintEvent* event)
{
    m_Chrome.paint();
    QMainWindow::paintEvent(event);
}

void CBaseMainWindow::mousePressEvent(QMouseEvent* event)
{
    m_Chrome.press(event);
    QMainWindow::mousePressEvent(event);
}

void CBaseMainWindow::mouseMoveEvent(QMouseEvent* event)
{
    m_Chrome.move(event);
    QMainWindow::mouseMoveEvent(event);
}

void CBaseMainWindow::mouseReleaseEvent(QMouseEvent* event)
{
    m_Chrome.release();
    QMainWindow::mouseReleaseEvent(event);
}

void CBaseMainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    update();
    emit sigvisable(true);
}

void CBaseMainWindow::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    emit sigvisable(false);
}

void CBaseMainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (announcesVisible(this, event))
        emit sigvisable(true);
}

void CBaseMainWindow::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    emit sigmove();
}

void CBaseMainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    emit sigmove();
}
