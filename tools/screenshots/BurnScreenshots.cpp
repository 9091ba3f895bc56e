// The Burn page with a USB stick and a DVD writer listed (fake disk tools
// printing recorded macOS output), its copy progress and a failed burn.
#include "ScreenshotContext.h"
#include "ScreenshotRegistry.h"
#include "burn/CBurnDialog.h"
#include "shell/MainWindow.h"
#include "support/BurnPageDriver.h"
#include "support/TestSupport.h"
#include "widgets/CProgressDialog.h"
#include "widgets/GerneralDialog.h"

#include <QLineEdit>
#include <QRadioButton>

QUILLMERE_SCREENSHOT(burn_page, 15)
{
    FakeTool diskutil("diskutil");
    FakeTool drutil("drutil");
    diskutil.onFixture("list", TestSupport::sharedFixture("macos/diskutil-list-usb-apfs.txt"));
    diskutil.on("info /dev/disk2", {BurnPageDriver::stickInfo("/dev/disk2", 16008609792)});
    drutil.onFixture("status", TestSupport::sharedFixture("macos/drutil-status-usb-dvd.txt"));
    shots.freshHome();
    MainWindow& home = shots.home();
    shots.click(*home.findChild<QWidget*>("burn"));
    auto* page = qobject_cast<CBurnDialog*>(home.currentPage());
    if (!page) {
        shots.fail("the Burn button opened no Burn page");
        return;
    }
    page->form().isofile->setText("/home/user/Downloads/Win11_23H2_English_x64.iso");
    page->form().rusb->setChecked(true);
    page->form().volumelab->setText("win11");
    shots.save(home, "burn-page");

    CProgressDialog* progress = page->progressDialog();
    progress->SetRange(0, 100);
    progress->DisableCancel();
    progress->show();
    page->onUSBBurnOutput(" 45% 120 - sources/install.wim");
    shots.save(*progress, "burn-progress");
    progress->hide();

    GerneralDialog failed;
    failed.SetBackGround(":/nwu/burn-fails",
                         QCoreApplication::translate("CBurnDialog", "Burn Failed! Do as following:\n1.Try to burn "
                                                                    "again.\n2.Change another USB drive or DVD.") +
                             "\n" + QCoreApplication::translate("CBurnDialog", "Making the USB drive bootable") +
                             ":\nsudo: no password was provided");
    failed.AddOK(123, 0);
    shots.saveDialog(failed, "burn-failed-step");
    shots.freshHome();
}
