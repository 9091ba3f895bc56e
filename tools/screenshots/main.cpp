// Renders the home window, the pages and the dialogs to PNG files off
// screen:
//   quillmere_screenshots [--locale de_DE] OUTPUT_FOLDER [NAME ...]
// takes every registered screenshot, or only the named ones, in the
// interface language that the application chooses for that locale
// (English by default).
#include "ScreenshotContext.h"
#include "ScreenshotRegistry.h"
#include "shell/AppResources.h"
#include "shell/Startup.h"

#include <QApplication>
#include <QFont>
#include <QLocale>
#include <QTranslator>
#include <cstdio>

namespace {

void setUpLikeTheApplication(QTranslator& translator, const QString& locale)
{
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    Startup::setApplicationFont();
    // The off-screen platform's default font is larger than the 9 points a
    // Linux desktop gives; draw the texts at the size users see.
    QFont font = QApplication::font();
    font.setPointSize(9);
    QApplication::setFont(font);
    QLocale::setDefault(QLocale(locale));
    Startup::chooseLanguage(translator);
    QApplication::installTranslator(&translator);
}

int takeScreenshots(const QString& output, const QStringList& only)
{
    ScreenshotContext shots(output);
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

} // namespace

int main(int argc, char** argv)
{
    // Off screen always: the tool moves the pointer and must not touch a
    // real display, and every run must draw the same pictures.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    AppResources::init();
    QApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString locale = "en_US";
    if (args.size() >= 2 && args[0] == "--locale") {
        locale = args[1];
        args = args.mid(2);
    }
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: quillmere_screenshots [--locale de_DE] OUTPUT_FOLDER [NAME ...]\n");
        return 2;
    }
    QTranslator translator;
    setUpLikeTheApplication(translator, locale);
    return takeScreenshots(args[0], args.mid(1));
}
