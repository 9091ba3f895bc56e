// The Edit page with the sample image loaded and unpacked: its folder tree
// and the table of the image's top folder, one row ticked.
#include "ScreenshotContext.h"
#include "ScreenshotRegistry.h"
#include "edit/CPage4.h"
#include "shell/MainWindow.h"
#include "support/PickInFileDialog.h"

#include <QTableWidget>

QUILLMERE_SCREENSHOT(edit_page, 40)
{
    shots.freshHome();
    MainWindow& home = shots.home();
    shots.click(*home.findChild<QWidget*>("edit"));
    auto* page = qobject_cast<CPage4*>(home.currentPage());
    if (!page) {
        shots.fail("the Edit button opened no Edit page");
        return;
    }
    const QString iso = shots.sampleIso();
    if (iso.isEmpty())
        return;
    shots.answer({pickInFileDialog({iso})});
    page->OnLoadISO();
    for (int i = 0; i < 500 && (!page->isListed() || page->isExtracting()); ++i)
        shots.settle(20);
    if (!page->isListed()) {
        shots.fail("the Edit page did not list the sample image");
        return;
    }
    auto* list = page->findChild<QTableWidget*>("list");
    if (list && list->rowCount() > 1)
        list->item(1, 0)->setCheckState(Qt::Checked);
    shots.settle(100);
    shots.save(home, "edit-page");
}
