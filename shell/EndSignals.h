#pragma once

#include <QObject>

class QSocketNotifier;

// Turns the signals with which the desktop ends a program (SIGTERM, and
// SIGHUP at logout) into received(), raised in the interface thread, so
// that the program ends as when its window is closed. The handler only
// writes one byte into a pipe that a socket notifier watches: nothing
// else is safe in a signal handler. One object at a time.
class EndSignals : public QObject
{
    Q_OBJECT
public:
    explicit EndSignals(QObject* parent = nullptr);
    ~EndSignals() override;

    // Whether the handlers are in place.
    bool isInstalled() const { return m_Notifier != nullptr; }

signals:
    void received();

private:
    void onReadable();

    QSocketNotifier* m_Notifier = nullptr;
};
