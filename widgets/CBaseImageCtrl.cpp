#include "widgets/CBaseImageCtrl.h"

#include "widgets/CaptionPainter.h"
#include "widgets/PictureCache.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

CBaseImageCtrl::CBaseImageCtrl(QWidget* parent) : QWidget(parent)
{
    setEnabled(true);
    setAttribute(Qt::WA_Hover, false);
}

bool CBaseImageCtrl::SetBackGround(const QString& normal, const QString& hover, const QString& pressed,
                                   const QString& disabled, const QString& text,
                                   const QString& secondText, int textStyle)
{
    const QPixmap base = PictureCache::load(normal);
    if (base.isNull())
        return false;
    for (const QString& other : {hover, pressed, disabled}) {
        if (other.isEmpty())
            continue;
        const QPixmap picture = PictureCache::load(other);
        if (picture.isNull() || picture.size() != base.size())
            return false;
    }
    m_FrameCount = 0;
    m_Normal = normal;
    m_Hover = hover;
    m_Pressed = pressed;
    m_Disabled = disabled;
    m_Text = text;
    m_SecondText = secondText;
    m_TextStyle = textStyle;
    resizeToPicture();
    update();
    return true;
}

void CBaseImageCtrl::SetBackGround(const QString& strip, int frameCount, const QString& text, int textStyle)
{
    m_Normal = strip;
    m_Hover.clear();
    m_Pressed.clear();
    m_Disabled.clear();
    m_FrameCount = frameCount;
    m_Text = text;
    m_TextStyle = textStyle;
    resizeToPicture();
    update();
}

void CBaseImageCtrl::SetAutoSizeByImage(bool autoSize)
{
    m_AutoSize = autoSize;
    resizeToPicture();
}

void CBaseImageCtrl::SetAlign(int align)
{
    m_Align = align;
    update();
}

void CBaseImageCtrl::resizeToPicture()
{
    if (!m_AutoSize || m_Normal.isEmpty())
        return;
    const QPixmap picture = PictureCache::load(m_Normal);
    if (picture.isNull())
        return;
    QSize size = picture.size();
    if (m_FrameCount >= 2)
        size.setWidth(size.width() / m_FrameCount);
    setFixedSize(size);
}

bool CBaseImageCtrl::pointerInside() const
{
    return m_MouseInside && rect().contains(mapFromGlobal(QCursor::pos()));
}

bool CBaseImageCtrl::leftButtonDown() const
{
    return QApplication::mouseButtons() & Qt::LeftButton;
}

int CBaseImageCtrl::currentFrame() const
{
    if (!isEnabled())
        return m_FrameCount > 3 ? 3 : 0;
    if (!pointerInside())
        return 0;
    return leftButtonDown() ? 2 : 1;
}

QString CBaseImageCtrl::currentPicture(int* frame) const
{
    if (m_FrameCount >= 2) {
        if (frame)
            *frame = currentFrame();
        return m_Normal;
    }
    if (frame)
        *frame = 0;
    if (!isEnabled())
        return m_Disabled.isEmpty() ? m_Normal : m_Disabled;
    if (!pointerInside())
        return m_Normal;
    return leftButtonDown() ? m_Pressed : m_Hover;
}

QPoint CBaseImageCtrl::picturePosition(const QSize& picture) const
{
    const int centreX = (width() - picture.width()) / 2;
    const int centreY = (height() - picture.height()) / 2;
    switch (m_Align) {
    case 0: return QPoint(0, centreY);
    case 1: return QPoint(centreX, 0);
    case 2: return QPoint(width() - picture.width(), centreY);
    case 3: return QPoint(centreX, height() - picture.height());
    default: return QPoint(centreX, centreY);
    }
}

void CBaseImageCtrl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    int frame = 0;
    const QPixmap picture = PictureCache::load(currentPicture(&frame));
    if (!picture.isNull()) {
        QRect source = picture.rect();
        if (m_FrameCount >= 2) {
            const int frameWidth = picture.width() / m_FrameCount;
            source = QRect(frame * frameWidth, 0, frameWidth, picture.height());
        }
        painter.drawPixmap(QRect(picturePosition(source.size()), source.size()), picture, source);
    }
    CaptionPainter::State state;
    state.pointerInside = pointerInside();
    state.leftButtonDown = leftButtonDown();
    state.enabled = isEnabled();
    CaptionPainter::paint(painter, rect(), m_TextStyle, m_Text, m_SecondText, state);
}

void CBaseImageCtrl::enterEvent(QEvent*)
{
    m_MouseInside = true;
    update();
}

void CBaseImageCtrl::leaveEvent(QEvent*)
{
    m_MouseInside = false;
    update();
}

void CBaseImageCtrl::mousePressEvent(QMouseEvent*)
{
    // A press can arrive without an enter event (synthesised input).
    m_MouseInside = true;
    repaint();
}

void CBaseImageCtrl::mouseMoveEvent(QMouseEvent*)
{
    update();
}

void CBaseImageCtrl::mouseReleaseEvent(QMouseEvent* event)
{
    repaint();
    if (m_MouseInside && rect().contains(event->pos())) {
        emit clicked(true);
        emit clicked();
    }
}
