#pragma once

#include <QList>
#include <QString>
#include <functional>

class ScreenshotContext;

// The screenshots the tool takes, in order. Each page or dialog registers
// its own function from its own file:
//
//   QUILLMERE_SCREENSHOT(extract_page, 30)
//   {
//       MainWindow& home = shots.home();
//       home.onExtract();
//       shots.save(home, "extract");
//   }
//
// The number orders the functions (home 10, pages 20-60, dialogs 100 on).
class ScreenshotRegistry
{
public:
    using Function = std::function<void(ScreenshotContext& shots)>;
    struct Entry {
        QString name;
        int order = 0;
        Function take;
    };

    static bool add(const QString& name, int order, const Function& take);
    static QList<Entry> entries();
};

#define QUILLMERE_SCREENSHOT(name, order)                                                          \
    static void name##_screenshot(ScreenshotContext& shots);                                       \
    [[maybe_unused]] static const bool name##_registered =                                         \
        ScreenshotRegistry::add(#name, order, &name##_screenshot);                                 \
    static void name##_screenshot(ScreenshotContext& shots)
