#include "widgets/ImageDialog.h"

#include "widgets/WindowEvents.h"

#include <QApplication>
#include <QMouseEvent>

ImageDialog::ImageDialog(QWidget* parent, bool) : QDialog(parent)
{
    m_Chrome.setup();
    setModal(true);
}

void ImageDialog::paintEvent(QPaintEvent* event)
{
    m_Chrome.paint();
    QDialog::paintEvent(event);
}

void ImageDialog::mousePressEvent(QMouseEvent* event)
{
    m_Chrome.press(event);
    QDialog::mousePressEvent(event);
}

void ImageDialog::mouseMoveEvent(QMouseEvent* event)
{
    m_Chrome.move(event);
    QDialog::mouseMoveEvent(event);
}

void ImageDialog::mouseReleaseEvent(QMouseEvent* event)
{
    m_Chrome.release();
    QDialog::mouseReleaseEvent(event);
}

void ImageDialog::showEvent(QShowEvent* event)
{
    // A message without a parent would open in the middle of the screen;
    // put it over the window the user is working in instead.
    QWidget* active = QApplication::activeWindow();
    if (!m_Placed && isWindow() && !parentWidget() && active && active != this)
        move(active->frameGeometry().center() - rect().center());
    m_Placed = true;
    QDialog::showEvent(event);
    update();
    emit sigvisable(true);
}

void ImageDialog::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    emit sigvisable(false);
}

void ImageDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (announcesVisible(this, event))
        emit sigvisable(true);
}

void ImageDialog::moveEvent(QMoveEvent* event)
{
    QDialog::moveEvent(event);
    emit sigmove();
}

void ImageDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    emit sigmove();
}
