#pragma once

#include <QEvent>
#include <QWidget>

// Whether a window-state or activation change should announce the window as
// visible (it is active and not minimised).
inline bool announcesVisible(const QWidget* window, const QEvent* event)
{
    const bool relevant = event->type() == QEvent::WindowStateChange ||
                          event->type() == QEvent::ActivationChange;
    return relevant && !window->isMinimized() && window->isActiveWindow();
}
