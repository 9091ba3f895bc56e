#include "widgets/CaptionPainter.h"

#include <QFont>
#include <QPainter>
#include <QRect>

namespace {

const QColor kGreen(98, 187, 151);

QFont pixelFont(const QFont& base, int pixelSize, bool normalWeight = false)
{
    QFont font(base);
    font.setPixelSize(pixelSize);
    if (normalWeight)
        font.setWeight(QFont::Normal);
    return font;
}

// A rectangle as wide as the control and N pixels higher, so that centred
// text lands N/2 pixels below the control's middle.
QRect grown(const QRect& control, int extra)
{
    return QRect(0, 0, control.width(), control.height() + extra);
}

void drawCentred(QPainter& painter, const QRect& rect, const QFont& font, const QColor& colour,
                 const QString& text)
{
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(rect, Qt::AlignCenter, text);
}

} // namespace

void CaptionPainter::paint(QPainter& painter, const QRect& control, int style, const QString& text,
                           const QString& secondText, const State& state)
{
    const QFont base = painter.font();
    const QRect whole(0, 0, control.width(), control.height());
    const QColor hoverWhite = state.pointerInside ? QColor(Qt::white) : kGreen;
    switch (style) {
    case 1: {
        const bool pressed = state.pointerInside && state.leftButtonDown;
        drawCentred(painter, grown(control, 90), pixelFont(base, 13), pressed ? Qt::white : Qt::gray,
                    secondText);
        drawCentred(painter, grown(control, 35), pixelFont(base, 16, true), pressed ? Qt::white : Qt::black,
                    text);
        break;
    }
    case 2:
        drawCentred(painter, grown(control, 40), base, Qt::white, text);
        break;
    case 3:
        drawCentred(painter, whole, pixelFont(base, 14), Qt::white, text);
        break;
    case 4: {
        const bool marker = text == QString(QChar(0x0005));
        drawCentred(painter, whole, pixelFont(base, 12),
                    marker && !state.pointerInside ? kGreen : QColor(Qt::white), text);
        break;
    }
    case 5:
    case 7:
    case 8:
    case 12:
        drawCentred(painter, whole, pixelFont(base, 12), hoverWhite, text);
        break;
    case 6:
        drawCentred(painter, whole, pixelFont(base, 14, true), hoverWhite, text);
        break;
    case 9:
        painter.setFont(pixelFont(base, 12));
        painter.setPen(Qt::darkGray);
        painter.drawText(whole.translated(22, 2), Qt::AlignLeft | Qt::AlignTop, text);
        break;
    case 10:
    case 11:
    case 13:
    case 14:
    case 15:
        drawCentred(painter, whole, pixelFont(base, 12), Qt::white, text);
        break;
    case 16:
        drawCentred(painter, whole, pixelFont(base, 14, true),
                    state.enabled && state.pointerInside ? QColor(Qt::white) : kGreen, text);
        break;
    default:
        break;
    }
    painter.setFont(base);
}
