// Renders the home window, the pages and the dialogs to PNG files off
// screen: quillmere_screenshots OUTPUT_FOLDER [NAME ...] takes every
// registered screenshot, or only the named ones.
#include "ScreenshotContext.h"
#include "ScreenshotRegistry.h"
#include "shell/AppResources.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

int main(int argc, char** argv)
{
    // Off screen always: the tool moves the pointer and must not touch a
    // real display, and every run must draw the same pictures.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    AppResources::init();
    QApplication app(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    Startup::setApplicationFont();
    // The off-screen platform's default font is larger than the 9 points a
    // Linux desktop gives; draw the texts at the size users see.
    QFont font = QApplication::font();
    font.setPointSize(9);
    QApplication::setFont(font);
    // The English catalogue, as the application loads it on an English system.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QTranslator translator;
    Startup::chooseLanguage(translator);
    QApplication::installTranslator(&translator);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: quillmere_screenshots OUTPUT_FOLDER [NAME ...]\n");
        return 2;
    }
    const QStringList only = args.mid(2);
    ScreenshotContext shots(args[1]);
    for (const ScreenshotRegistry::Entry& entry : ScreenshotRegistry::entries()) {
        if (!only.isEmpty() && !only.contains(entry.name))
            continue;
        entry.take(shots);
        shots.releaseAway();
    }
    for (const QString& file : shots.saved())
        std::printf("wrote %s\n", qPrintable(file));
    for (const QString& failure : shots.failures())
        std::fprintf(stderr, "screenshot failed: %s\n", qPrintable(failure));
    return shots.failures().isEmpty() ? 0 : 1;
}
