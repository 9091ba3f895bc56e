#include "ModalAnswerer.h"

#include "widgets/CBaseImageCtrl.h"
#include "widgets/CProgressDialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileSystemModel>
#include <QSharedPointer>
#include <QPushButton>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTest>
#include <QTimer>
#include <QTreeView>

ModalAnswerer::ModalAnswerer(QList<Answer> answers, QObject* parent)
    : QObject(parent), m_Answers(std::move(answers))
{
    connect(&m_Timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_Timer.start(20);
}

void ModalAnswerer::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    QStringList labels;
    for (QLabel* label : modal->findChildren<QLabel*>())
        if (!label->text().isEmpty())
            labels << label->text();
    if (m_Answers.isEmpty()) {
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (m_CloseUnexpected && dialog && !qobject_cast<CProgressDialog*>(dialog)) {
            m_Unexpected << labels.join('\n');
            QTimer::singleShot(0, dialog, &QDialog::reject);
        }
        return;
    }
    if (m_Answers.first()(modal)) {
        m_Answers.removeFirst();
        m_Texts << labels.join('\n');
        ++m_Answered;
    }
}

ModalAnswerer::Answer ModalAnswerer::clickButton(const QString& objectName, const QString& className)
{
    return [objectName, className](QWidget* modal) {
        if (!className.isEmpty() && className != modal->metaObject()->className())
            return false;
        for (QWidget* w : modal->findChildren<QWidget*>(objectName)) {
            if (!w->isVisible() || !w->isEnabled())
                continue;
            if (qobject_cast<CBaseImageCtrl*>(w) || qobject_cast<QAbstractButton*>(w)) {
                QTimer::singleShot(0, w, [w] { QTest::mouseClick(w, Qt::LeftButton); });
                return true;
            }
        }
        return false;
    };
}

namespace {

// Whether the dialog's own list already shows every entry, as it does for a
// user who types their names: only then does the dialog select what is
// typed consistently. Gives up waiting after a few seconds.
bool listShowsAll(QFileDialog* dialog, const QStringList& paths, const QSharedPointer<QElapsedTimer>& waited)
{
    if (!waited->isValid())
        waited->start();
    auto* list = dialog->findChild<QListView*>("listView");
    auto* model = list ? qobject_cast<QFileSystemModel*>(list->model()) : nullptr;
    if (!model || waited->elapsed() > 5000)
        return true;
    for (const QString& p : paths)
        if (!model->index(p).isValid())
            return false;
    return true;
}

} // namespace

ModalAnswerer::Answer ModalAnswerer::chooseFiles(const QStringList& paths)
{
    auto waited = QSharedPointer<QElapsedTimer>::create();
    return [paths, waited](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog)
            return false;
        if (paths.size() > 1) {
            // Several entries of one folder, typed as a quoted list once
            // the dialog shows that folder.
            const QString folder = QFileInfo(paths.first()).absolutePath();
            if (QFileInfo(dialog->directory().absolutePath()) != QFileInfo(folder))
                dialog->setDirectory(folder);
            if (!listShowsAll(dialog, paths, waited))
                return false;
        }
        QTimer::singleShot(0, dialog, [dialog, paths] {
            if (paths.size() == 1) {
                dialog->selectFile(paths.first());
            } else {
                QStringList quoted;
                for (const QString& p : paths)
                    quoted << "\"" + QFileInfo(p).fileName() + "\"";
                if (auto* edit = dialog->findChild<QLineEdit*>("fileNameEdit"))
                    edit->setText(quoted.join(' '));
            }
            // Press the dialog's own accept button, so that a dialog that
            // replaced its acceptance check is answered the way a user would.
            auto* box = dialog->findChild<QDialogButtonBox*>("buttonBox");
            QPushButton* acceptButton = nullptr;
            if (box)
                for (QAbstractButton* b : box->buttons())
                    if (box->buttonRole(b) == QDialogButtonBox::AcceptRole)
                        acceptButton = qobject_cast<QPushButton*>(b);
            if (acceptButton && acceptButton->isEnabled())
                acceptButton->click();
            else
                QMetaObject::invokeMethod(dialog, "accept");
        });
        return true;
    };
}

ModalAnswerer::Answer ModalAnswerer::chooseFile(const QString& path)
{
    return chooseFiles(QStringList{path});
}

ModalAnswerer::Answer ModalAnswerer::cancelFileDialog()
{
    return [](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog)
            return false;
        QTimer::singleShot(0, dialog, &QDialog::reject);
        return true;
    };
}

ModalAnswerer::Answer ModalAnswerer::typeAndAccept(const QString& text)
{
    return [text](QWidget* modal) {
        QLineEdit* edit = modal->findChild<QLineEdit*>();
        if (!edit)
            return false;
        edit->setText(text);
        return clickButton("btnok")(modal);
    };
}

ModalAnswerer::Answer ModalAnswerer::typePath(const QString& path)
{
    return [path](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        auto* edit = dialog ? dialog->findChild<QLineEdit*>("fileNameEdit") : nullptr;
        auto* box = dialog ? dialog->findChild<QDialogButtonBox*>("buttonBox") : nullptr;
        if (!edit || !box)
            return false;
        QTimer::singleShot(0, dialog, [edit, box, path] {
            edit->setText(path);
            for (QAbstractButton* button : box->buttons()) {
                if (box->buttonRole(button) == QDialogButtonBox::AcceptRole)
                    QTest::mouseClick(button, Qt::LeftButton);
            }
        });
        return true;
    };
}
