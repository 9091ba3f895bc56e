#include "PickInFileDialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

void typeAndAccept(QFileDialog* dialog, const QString& folder, const QString& text)
{
    dialog->setDirectory(folder);
    if (auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit"))
        edit->setText(text);
    auto* box = dialog->findChild<QDialogButtonBox*>("buttonBox");
    for (QAbstractButton* button : box ? box->buttons() : QList<QAbstractButton*>())
        if (box->buttonRole(button) == QDialogButtonBox::AcceptRole && button->isEnabled()) {
            button->click();
            return;
        }
    QMetaObject::invokeMethod(dialog, "accept");
}

} // namespace

ModalAnswerer::Answer saveInFileDialog(const QString& path)
{
    return [path](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog)
            return false;
        QTimer::singleShot(0, dialog, [dialog, path] {
            typeAndAccept(dialog, QFileInfo(path).absolutePath(), QFileInfo(path).fileName());
        });
        return true;
    };
}

ModalAnswerer::Answer pickInFileDialog(const QStringList& paths)
{
    return [paths](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog)
            return false;
        QTimer::singleShot(0, dialog, [dialog, paths] {
            QStringList quoted;
            for (const QString& path : paths)
                quoted << "\"" + QFileInfo(path).fileName() + "\"";
            typeAndAccept(dialog, QFileInfo(paths.first()).absolutePath(), quoted.join(' '));
        });
        return true;
    };
}
