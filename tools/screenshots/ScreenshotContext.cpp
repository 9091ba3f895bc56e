#include "ScreenshotContext.h"

#include "SampleContent.h"
#include "shell/MainWindow.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QElapsedTimer>
#include <QTest>
#include <QWindow>

namespace {
// Far from every window: the pointer rests here between shots.
const QPoint kRest(3000, 3000);
} // namespace

ScreenshotContext::ScreenshotContext(const QString& outputFolder) : m_Output(outputFolder)
{
    QDir().mkpath(m_Output);
    QCursor::setPos(kRest);
}

ScreenshotContext::~ScreenshotContext() = default;

MainWindow& ScreenshotContext::home()
{
    if (!m_Home) {
        m_Home = std::make_unique<MainWindow>();
        m_Home->move(0, 0);
        m_Home->show();
        settle(100);
    }
    return *m_Home;
}

void ScreenshotContext::freshHome()
{
    releaseAway();
    m_Home.reset();
    settle();
}

void ScreenshotContext::save(QWidget& widget, const QString& name)
{
    settle();
    const QString file = m_Output + "/" + name + ".png";
    if (widget.grab().save(file, "PNG"))
        m_Saved << file;
    else
        fail("cannot write " + file);
}

void ScreenshotContext::saveDialog(QWidget& dialog, const QString& name)
{
    dialog.show();
    settle(60);
    save(dialog, name);
    dialog.close();
    settle();
}

void ScreenshotContext::pointAt(QWidget& control)
{
    QCursor::setPos(control.mapToGlobal(control.rect().center()));
    settle();
}

void ScreenshotContext::pressOn(QWidget& control)
{
    pointAt(control);
    QWindow* window = control.window()->windowHandle();
    if (!window) {
        fail("no window for " + control.objectName());
        return;
    }
    const QPoint global = control.mapToGlobal(control.rect().center());
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, window->mapFromGlobal(global));
    m_ButtonDown = true;
    m_PressedWindow = window;
    settle();
}

void ScreenshotContext::releaseAway()
{
    // The pointer leaves first, so the release completes no click.
    QCursor::setPos(kRest);
    settle();
    if (m_ButtonDown && m_PressedWindow)
        QTest::mouseRelease(m_PressedWindow, Qt::LeftButton, Qt::NoModifier,
                            m_PressedWindow->mapFromGlobal(kRest));
    m_ButtonDown = false;
    m_PressedWindow = nullptr;
    settle();
}

void ScreenshotContext::click(QWidget& control)
{
    pressOn(control);
    if (!m_PressedWindow)
        return;
    const QPoint global = control.mapToGlobal(control.rect().center());
    QTest::mouseRelease(m_PressedWindow, Qt::LeftButton, Qt::NoModifier, m_PressedWindow->mapFromGlobal(global));
    m_ButtonDown = false;
    m_PressedWindow = nullptr;
    settle();
}

void ScreenshotContext::answer(const QList<ModalAnswerer::Answer>& answers)
{
    m_Answerer = std::make_unique<ModalAnswerer>(answers);
}

void ScreenshotContext::settle(int ms)
{
    QElapsedTimer timer;
    timer.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    } while (timer.elapsed() < ms);
}

QString ScreenshotContext::sampleFolder()
{
    if (m_SampleFolder.isEmpty())
        m_SampleFolder = SampleContent::makeFolder(m_Scratch.path());
    if (m_SampleFolder.isEmpty())
        fail("cannot build the sample folder");
    return m_SampleFolder;
}

QString ScreenshotContext::sampleIso()
{
    if (m_SampleIso.isEmpty() && !sampleFolder().isEmpty())
        m_SampleIso = SampleContent::makeIso(m_SampleFolder, m_Scratch.path() + "/Setup-Disc-2026.iso");
    if (m_SampleIso.isEmpty())
        fail("cannot make the sample image");
    return m_SampleIso;
}
