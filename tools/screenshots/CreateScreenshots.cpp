// The Create page with a collection: two files at the top, a folder opened
// to show its nested rows, and the size gauge.
#include "ScreenshotContext.h"
#include "ScreenshotRegistry.h"
#include "create/CPage3.h"
#include "create/CollectionRows.h"
#include "services/CFileCopy.h"
#include "shell/MainWindow.h"
#include "support/PickInFileDialog.h"
#include "widgets/CMyTreeWidget.h"

#include <QTreeWidgetItemIterator>

QUILLMERE_SCREENSHOT(create_page, 30)
{
    shots.freshHome();
    MainWindow& home = shots.home();
    shots.click(*home.findChild<QWidget*>("create"));
    auto* page = qobject_cast<CPage3*>(home.currentPage());
    if (!page) {
        shots.fail("the Create button opened no Create page");
        return;
    }
    const QString sample = shots.sampleFolder();
    shots.answer({pickInFileDialog({sample + "/setup.exe", sample + "/README.txt"})});
    page->OnAddFile();
    page->form().list->clearSelection();
    shots.answer({pickInFileDialog({sample + "/docs"}), pickInFileDialog({sample + "/images"})});
    page->OnAddDir();
    page->form().list->clearSelection();
    page->OnAddDir();
    for (QTreeWidgetItemIterator it(page->form().list); *it; ++it)
        if (CollectionRows::pathOf(*it) == "docs")
            (*it)->setExpanded(true);
    shots.settle(100);
    shots.save(home, "create-page");
    // The staged copies are small; let them finish before the page goes.
    for (int i = 0; i < 100 && page->fileCopy()->IsBusy(); ++i)
        shots.settle(20);
}
