// The home window at rest, with a feature card under the pointer and with
// one pressed.
#include "ScreenshotContext.h"
#include "ScreenshotRegistry.h"
#include "shell/MainWindow.h"

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
