#include "services/Util.h"
#include "shell/AppResources.h"
#include "shell/CommandLineImage.h"
#include "shell/EndSignals.h"
#include "shell/Languages.h"
#include "shell/MainWindow.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QDebug>
#include <QTextCodec>
#include <QTimer>
#include <QTranslator>

int main(int argc, char* argv[])
{
    // The user's umask stays: files the program writes get the modes the
    // user's other programs give theirs.
    AppResources::init();
    QApplication app(argc, argv);
    // Lets the desktop match the window to its desktop entry.
    QGuiApplication::setDesktopFileName("app.quillmere.Quillmere");
    qDebug() << "application data folder" << Util::GetTempDir();
    if (Startup::isOnDiskImage(Util::GetCurrentExePath())) {
        Util::ShowError(QObject::tr("Please drag the icon to Application folder first!"));
        return 0;
    }
    Startup::putDiskToolsOnPath(Util::GetCurrentExePath());
    Startup::setApplicationFont();
    if (QTextCodec* codec = QTextCodec::codecForLocale())
        qDebug() << "locale codec" << codec->name() << codec->aliases();
    qDebug() << "application data folder" << Util::GetTempDir();
    QTranslator translator;
    Startup::chooseLanguage(translator);
    Startup::chooseAskpass(Util::GetCurrentExePath(), golbalLangue);
    QApplication::installTranslator(&translator);
    MainWindow window;
    window.show();
    // The desktop ending the program (logout) is a close of the window.
    EndSignals endSignals;
    QObject::connect(&endSignals, &EndSignals::received, &window, &MainWindow::onClose);
    const QString image = CommandLineImage::fromArguments(app.arguments());
    if (!image.isEmpty())
        QTimer::singleShot(0, &window, [&window, image] { window.openImage(image); });
    return app.exec();
}
