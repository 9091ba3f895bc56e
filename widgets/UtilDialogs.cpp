#include "services/Util.h"

#include "widgets/CFileDialog.h"
#include "widgets/CommDialog.h"

#include <QDir>
#include <QFileDialog>

QString Util::GetOpenFileDialog(QWidget* parent, const QString& filter)
{
    const QString all = QObject::tr("All Files (*)");
    QString selected = all;
    return QFileDialog::getOpenFileName(parent, QObject::tr("Open File"), QDir::homePath(), all + ";;" + filter,
                                        &selected, QFileDialog::ReadOnly);
}

QStringList Util::GetOpenFilesDialog(QWidget* parent)
{
    // "*" rather than "*.*": files without an extension must be choosable.
    return QFileDialog::getOpenFileNames(parent, QObject::tr("Open Files"), QDir::homePath(),
                                         QObject::tr("Any Files(*)"), nullptr, QFileDialog::ReadOnly);
}

QString Util::GetDirDialog(QWidget* parent)
{
    return QFileDialog::getExistingDirectory(parent, QObject::tr("Open Folder"), ".", QFileDialog::ShowDirsOnly);
}

static QStringList chooseWithFileDialog(QWidget* parent, bool withFiles)
{
    CFileDialog dialog(parent, withFiles);
    if (dialog.exec() != QDialog::Accepted)
        return QStringList();
    return dialog.selectedFiles();
}

QStringList Util::GetDirsDialog(QWidget* parent)
{
    return chooseWithFileDialog(parent, false);
}

QStringList Util::GetDirsAndFilesDialog(QWidget* parent)
{
    return chooseWithFileDialog(parent, true);
}

QString Util::GetSaveDialog(QWidget* parent, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, QObject::tr("Save File"), ".", filter);
}

void Util::ShowError(const QString& text)
{
    CommDialog dialog;
    dialog.SetAllowWarp();
    dialog.SetText(text);
    dialog.SetCancelHidden();
    dialog.exec();
}

void Util::ShowOpen(const QString& text, const QString& folder)
{
    CommDialog dialog;
    dialog.SetAllowWarp();
    dialog.SetText(text);
    dialog.SetOpen(folder);
    dialog.exec();
}

int Util::ShowChoose(const QString& image, const QString& text)
{
    CommDialog dialog;
    dialog.SetAllowWarp();
    dialog.SetBackGround(image);
    dialog.SetText(text);
    return dialog.exec();
}
