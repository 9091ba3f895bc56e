// The Extract page with Debian's GRUB rescue CD listed: the folder tree
// opened at boot/grub and its table with two entries ticked.
#include "ScreenshotContext.h"
#include "ScreenshotRegistry.h"
#include "extract/CPage2.h"
#include "shell/MainWindow.h"
#include "support/PickInFileDialog.h"

#include <QFile>
#include <QTableWidget>
#include <QTreeWidget>

namespace {

const char kRescueImage[] = "/usr/lib/grub-rescue/grub-rescue-cdrom.iso";

void tick(QTableWidget* list, const QString& name)
{
    for (int row = 0; row < list->rowCount(); ++row) {
        if (list->item(row, 0)->text() == name)
            list->item(row, 0)->setCheckState(Qt::Checked);
    }
}

} // namespace

QUILLMERE_SCREENSHOT(extract_page, 20)
{
    if (!QFile::exists(kRescueImage)) {
        shots.fail(QString("%1 is missing: install Debian's grub-rescue-pc").arg(kRescueImage));
        return;
    }
    shots.freshHome();
    MainWindow& home = shots.home();
    shots.click(*home.findChild<QWidget*>("extract"));
    auto* page = qobject_cast<CPage2*>(home.currentPage());
    if (!page) {
        shots.fail("the Extract button opened no Extract page");
        return;
    }
    shots.answer({pickInFileDialog({kRescueImage})});
    page->OnLoadISO();
    for (int i = 0; i < 500 && (page->isListing() || !page->currentItem()); ++i)
        shots.settle(20);
    Item* grub = page->tree().GetItem("boot/grub");
    if (!grub) {
        shots.fail("the Extract page did not list the GRUB rescue image");
        return;
    }
    auto* list = page->findChild<QTableWidget*>("list");
    auto* tree = page->findChild<QTreeWidget*>("tree");
    QTreeWidgetItem* row = CPage2::GetTreeWidgetItemByData(tree->topLevelItem(0), grub);
    tree->setCurrentItem(row);
    page->OnTreeCurrentChanged();
    tick(list, "grub.cfg");
    tick(list, "fonts");
    list->clearSelection();
    shots.settle(100);
    shots.save(home, "extract-page");
}
