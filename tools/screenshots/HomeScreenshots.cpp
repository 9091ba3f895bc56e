// The home window at rest, with a feature card under the pointer and with
// one pressed, and the language menu.
#include "ScreenshotContext.h"
#include "ScreenshotRegistry.h"
#include "shell/MainWindow.h"

#include <QMenu>
#include <QMenuBar>

QUILLMERE_SCREENSHOT(home, 10)
{
    shots.save(shots.home(), "home");
}

QUILLMERE_SCREENSHOT(home_hover, 11)
{
    MainWindow& home = shots.home();
    shots.pointAt(*home.findChild<QWidget*>("burn"));
    shots.save(home, "home-hover-burn");
}

QUILLMERE_SCREENSHOT(home_pressed, 12)
{
    MainWindow& home = shots.home();
    shots.pressOn(*home.findChild<QWidget*>("edit"));
    shots.save(home, "home-pressed-edit");
}

// The menu's language list: each language in its own name, the current
// one ticked.
QUILLMERE_SCREENSHOT(language_menu, 13)
{
    MainWindow& home = shots.home();
    QMenu* help = home.menuBar()->actions().first()->menu();
    QMenu* languages = help->actions().first()->menu();
    languages->popup(home.mapToGlobal(QPoint(600, 40)));
    shots.settle(100);
    shots.save(*languages, "menu-languages");
    languages->close();
}
