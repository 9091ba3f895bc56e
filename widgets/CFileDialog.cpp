#include "widgets/CFileDialog.h"

#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QListView>
#include <QTreeView>

CFileDialog::CFileDialog(QWidget* parent, bool withFiles) : QFileDialog(parent, QString(), QString(), QString())
{
    setOption(QFileDialog::DontUseNativeDialog, true);
    const QDir::Filters folders = QDir::Dirs | QDir::NoDotAndDotDot;
    setFilter(withFiles ? folders | QDir::Files : folders);
    if (auto* list = findChild<QListView*>("listView"))
        list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    if (auto* tree = findChild<QTreeView*>())
        tree->setSelectionMode(QAbstractItemView::ExtendedSelection);
    if (auto* box = findChild<QDialogButtonBox*>("buttonBox")) {
        disconnect(box, &QDialogButtonBox::accepted, this, nullptr);
        connect(box, &QDialogButtonBox::accepted, this, &CFileDialog::onChiose);
    }
}

void CFileDialog::onChiose()
{
    QDialog::accept();
}
