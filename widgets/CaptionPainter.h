#pragma once

#include <QString>

class QPainter;
class QRect;

// Draws a picture control's caption in one of the sixteen text styles.
class CaptionPainter
{
public:
    struct State {
        bool pointerInside = false;
        bool leftButtonDown = false;
        bool enabled = true;
    };

    static void paint(QPainter& painter, const QRect& control, int style, const QString& text,
                      const QString& secondText, const State& state);
};
