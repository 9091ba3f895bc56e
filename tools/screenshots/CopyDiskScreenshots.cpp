// The Copy Disk page with a DVD writer listed (fake disk tools printing
// recorded macOS output), the progress of a copy, and the message for a
// drive whose disc is not mounted.
#include "ScreenshotContext.h"
#include "ScreenshotRegistry.h"
#include "copydisk/CPage5.h"
#include "shell/MainWindow.h"
#include "support/FakeTool.h"
#include "support/TestSupport.h"
#include "widgets/CImageButton.h"
#include "widgets/CProgressDialog.h"

#include <QLineEdit>

QUILLMERE_SCREENSHOT(copydisk_page, 50)
{
    FakeTool drutil("drutil");
    FakeTool mount("mount");
    drutil.onFixture("status", TestSupport::sharedFixture("macos/drutil-status-usb-dvd.txt"));
    mount.onFixture("", TestSupport::sharedFixture("macos/mount-cd-and-system.txt"));
    CPage5::dvdCurrent.clear();
    shots.freshHome();
    MainWindow& home = shots.home();
    shots.click(*home.findChild<QWidget*>("copy"));
    auto* page = qobject_cast<CPage5*>(home.currentPage());
    if (!page) {
        shots.fail("the Copy Disk button opened no Copy Disk page");
        return;
    }
    for (int i = 0; i < 250 && page->isListing(); ++i)
        shots.settle(20);
    page->form().lineEdit->setText("/home/user/Documents/Holiday photos 2019.iso");
    shots.save(home, "copydisk-page");

    CProgressDialog* progress = page->progressDialog();
    progress->SetRange(0, 10000);
    progress->SetValue(4567);
    progress->SetText(QCoreApplication::translate("CPage5", "Start reading..."));
    progress->show();
    progress->DisableCancel();
    shots.save(*progress, "copydisk-progress");
    progress->hide();

    // The recorded mount table holds no line of /dev/disk4.
    shots.answer({[&shots](QWidget* modal) {
        if (!modal->findChild<QWidget*>("btnok"))
            return false;
        shots.save(*modal, "copydisk-not-mounted");
        return ModalAnswerer::clickButton("btnok")(modal);
    }});
    page->OnStart();
    shots.freshHome();
}
