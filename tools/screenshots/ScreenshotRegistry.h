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
//       QWidget* page = home.currentPage();
//       shots.answer({ModalAnswerer::chooseFile(shots.sampleIso())});
//       shots.click(*page->findChild<QWidget*>("loadiso"));
//       TestSupport::waitUntil([page] { return ...the table is filled...; });
//       shots.save(home, "extract");
//       shots.pointAt(*page->findChild<QWidget*>("extract"));
//       shots.save(home, "extract-hover");
//       shots.freshHome();   // the next screenshot starts on the home view
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
