// The message, progress, input, notice, About and unsaved-changes dialogs
// with the texts the pages show in them.
#include "ScreenshotContext.h"
#include "ScreenshotRegistry.h"
#include "widgets/CAboutusDialog.h"
#include "widgets/CInputDialog.h"
#include "widgets/CProgressDialog.h"
#include "widgets/CommDialog.h"
#include "widgets/GerneralDialog.h"
#include "widgets/ReplaceFileDialog.h"
#include "widgets/SaveChangesDialog.h"

#include <QCoreApplication>

namespace {

void notice(ScreenshotContext& shots, const QString& picture, const QString& message, const QString& name)
{
    GerneralDialog dialog;
    dialog.SetBackGround(picture, message);
    dialog.AddOK(123, 0);
    shots.saveDialog(dialog, name);
}

} // namespace

QUILLMERE_SCREENSHOT(message_dialogs, 100)
{
    CommDialog error;
    error.SetAllowWarp();
    error.SetText(QString("Can not create the folder /Volumes/Backup/Photos. Check that the disk is not "
                       "full or read-only and try again."));
    error.SetCancelHidden();
    shots.saveDialog(error, "dialog-error");

    CommDialog done;
    done.SetText(QString("Extraction completed!"));
    done.SetOpen(shots.scratchFolder());
    done.show();
    shots.pointAt(*done.findChild<QWidget*>("btncancel"));
    shots.saveDialog(done, "dialog-open-folder-hover");

    CommDialog format;
    format.SetAllowWarp();
    format.SetBackGround(":/nwu/format_usb");
    format.SetText(QString("Your USB drive will be formatted and all data in it will be deleted! Do you want to "
                        "continue?"));
    shots.saveDialog(format, "dialog-format-usb");
}

QUILLMERE_SCREENSHOT(progress_dialog, 101)
{
    CProgressDialog progress;
    progress.SetText(QString("Extracting sources/install.wim"));
    progress.SetRange(0, 100);
    progress.SetValue(45);
    progress.show();
    shots.pressOn(*progress.findChild<QWidget*>("btncancel"));
    shots.save(progress, "dialog-progress-stop-pressed");
    shots.releaseAway();
    progress.close();
}

QUILLMERE_SCREENSHOT(input_dialog, 102)
{
    CInputDialog input;
    input.SetInput("New Folder");
    shots.saveDialog(input, "dialog-input");
}

QUILLMERE_SCREENSHOT(notices, 103)
{
    notice(shots, ":/nwu/select_files_extract", QString("Please select files or folders to extract."),
           "notice-select-files");
    notice(shots, ":/nwu/insert_usb", QString("Please insert your USB drive to computer"), "notice-insert-usb");
    notice(shots, ":/nwu/insufficient_space",
           QString("Insufficient space on disk, please change a large-capacity USB or CD/DVD."),
           "notice-insufficient-space");
    notice(shots, ":/nwu/burn-fails",
           QString("Burn Failed! Do as following:\n1.Try to burn again.\n2.Change another USB drive or DVD."),
           "notice-burn-fails");
}

QUILLMERE_SCREENSHOT(about_dialog, 104)
{
    CAboutusDialog about;
    shots.saveDialog(about, "dialog-about");
}

QUILLMERE_SCREENSHOT(save_changes_dialog, 105)
{
    SaveChangesDialog question;
    question.SetText(QCoreApplication::translate("CPage4", "The changes to \"%1\" are not saved yet. Save them "
                                                          "before going on?")
                         .arg("ipxe.iso"));
    shots.saveDialog(question, "dialog-save-changes");
}

// Extracting into a folder that already holds a file of the same name.
QUILLMERE_SCREENSHOT(replace_file_question, 108)
{
    ReplaceFileDialog question;
    question.SetFile("isolinux/isolinux.cfg", 4);
    shots.saveDialog(question, "dialog-replace-file");
}

// The question before a file behind a boot entry is deleted.
QUILLMERE_SCREENSHOT(boot_delete_question, 106)
{
    CommDialog question;
    question.SetAllowWarp();
    question.SetBackGround(":/nwu/commdialogbg");
    question.SetText(QCoreApplication::translate("CPage4", "\"%1\" starts the image on UEFI computers: without it "
                                                          "the saved image will not start on them. Delete it "
                                                          "anyway?")
                         .arg("efi.img"));
    shots.saveDialog(question, "dialog-boot-delete");
}

// Create's notice of the names that Joliet shortens.
QUILLMERE_SCREENSHOT(shortened_names_notice, 107)
{
    CommDialog question;
    question.SetAllowWarp();
    question.SetBackGround(":/nwu/commdialogbg");
    const QString names = "\"" + QString("Annual report of the re") + "…\", \"" + QString("Minutes of the board me")
                          + "…\" " + QCoreApplication::translate("CPage3", "(and %n more)", "", 3);
    question.SetText(QCoreApplication::translate("CPage3", "Windows shows names of at most %1 characters; these "
                                                          "will be shortened there: %2. Create the image anyway?")
                         .arg(103)
                         .arg(names));
    shots.saveDialog(question, "dialog-shortened-names");
}
