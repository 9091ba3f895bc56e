#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

#include "support/ModalAnswerer.h"

class MainWindow;
class QWidget;
class QWindow;

// What a screenshot function works with: the home window, pointer states
// for hover and pressed pictures, sample content and the output folder.
class ScreenshotContext
{
public:
    explicit ScreenshotContext(const QString& outputFolder);
    ~ScreenshotContext();

    // The home window, shown off screen at (0, 0). Pages opened on it stay
    // until freshHome() replaces the window with a new one.
    MainWindow& home();
    void freshHome();

    // Writes the widget as it is drawn now to OUTPUT/name.png.
    void save(QWidget& widget, const QString& name);
    // Shows a dialog without blocking (exec() would wait for an answer),
    // lets it paint, saves it and closes it.
    void saveDialog(QWidget& dialog, const QString& name);

    // Pointer states: over a control (hover), over it with the left button
    // down (pressed), and back to rest without completing a click.
    void pointAt(QWidget& control);
    void pressOn(QWidget& control);
    void releaseAway();
    // A whole click through the platform, as a user makes it (picture
    // buttons only count a release while the pointer is over them).
    void click(QWidget& control);

    // Answers the modal dialogs that come next, in order (file dialogs,
    // questions): see ModalAnswerer. Replaces answers not used yet.
    void answer(const QList<ModalAnswerer::Answer>& answers);

    // Lets queued events and paints run for a while (milliseconds).
    void settle(int ms = 30);

    // A folder of ordinary files and folders with fixed times, and an ISO
    // image made of it with mkisofs; both built once.
    QString sampleFolder();
    QString sampleIso();
    QString scratchFolder() const { return m_Scratch.path(); }

    QStringList saved() const { return m_Saved; }
    QStringList failures() const { return m_Failures; }
    void fail(const QString& what) { m_Failures << what; }

private:
    QString m_Output;
    QTemporaryDir m_Scratch;
    std::unique_ptr<MainWindow> m_Home;
    std::unique_ptr<ModalAnswerer> m_Answerer;
    QString m_SampleFolder;
    QString m_SampleIso;
    QStringList m_Saved;
    QStringList m_Failures;
    bool m_ButtonDown = false;
    QPointer<QWindow> m_PressedWindow;
};
