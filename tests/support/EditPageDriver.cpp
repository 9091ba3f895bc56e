#include "EditPageDriver.h"

#include "EditImages.h"
#include "ModalAnswerer.h"
#include "PickInFileDialog.h"
#include "TestSupport.h"
#include "edit/CPage4.h"
#include "widgets/CProgressDialog.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMessageBox>
#include <QTableWidget>

using TestSupport::waitUntil;

EditPageDriver::EditPageDriver()
{
    m_Window.resize(860, 580);
    m_Window.show();
}

CPage4* EditPageDriver::openPage()
{
    auto* page = new CPage4;
    page->setParent(&m_Window);
    page->InitializeUI();
    page->move(3, 107);
    page->show();
    return page;
}

bool EditPageDriver::startLoad(CPage4* page, const QString& iso)
{
    ModalAnswerer answerer;
    // Changes made to the image loaded before are given up.
    if (page->isModified())
        answerer.add(ModalAnswerer::clickButton("btndiscard", "SaveChangesDialog"));
    answerer.add(ModalAnswerer::typePath(iso));
    page->OnLoadISO();
    return waitUntil([&] { return page->isListed(); }, 30000);
}

bool EditPageDriver::load(CPage4* page, const QString& iso)
{
    return startLoad(page, iso) && waitUntil([&] { return !page->isExtracting(); }, 30000);
}

QStringList EditPageDriver::save(CPage4* page, const QString& output)
{
    ModalAnswerer answerer(chooseOutput(output));
    answerer.add(ModalAnswerer::clickButton("btnok"));
    page->OnSave();
    waitUntil([&] { return !page->isSaving() && answerer.allAnswered(); }, 60000);
    return answerer.texts();
}

QList<ModalAnswerer::Answer> EditPageDriver::chooseOutput(const QString& output)
{
    QList<ModalAnswerer::Answer> answers{ModalAnswerer::typePath(output)};
    if (QFileInfo::exists(output)) {
        answers << [](QWidget* modal) {
            auto* question = qobject_cast<QMessageBox*>(modal);
            QAbstractButton* yes = question ? question->button(QMessageBox::Yes) : nullptr;
            if (yes)
                QTimer::singleShot(0, yes, &QAbstractButton::click);
            return yes != nullptr;
        };
    }
    return answers;
}

void EditPageDriver::add(CPage4* page, const QStringList& paths)
{
    ModalAnswerer answerer({pickInFileDialog(paths)});
    page->OnAdd();
}

QString EditPageDriver::progressPhase(QWidget* modal)
{
    auto* dialog = qobject_cast<CProgressDialog*>(modal);
    QLabel* label = dialog ? dialog->findChild<QLabel*>("label") : nullptr;
    return label ? label->text() : QString();
}

QTableWidget* EditPageDriver::table(CPage4* page)
{
    return page->findChild<QTableWidget*>("list");
}

int EditPageDriver::rowOf(CPage4* page, const QString& name)
{
    return rowNames(page).indexOf(name);
}

QStringList EditPageDriver::rowNames(CPage4* page)
{
    QTableWidget* list = table(page);
    QStringList names;
    for (int row = 0; row < list->rowCount(); ++row)
        names << list->item(row, 0)->text();
    return names;
}

void EditPageDriver::clickRow(CPage4* page, int row, int x)
{
    QTableWidget* list = table(page);
    const QRect cell = list->visualItemRect(list->item(row, 0));
    const QPoint at(x - list->viewport()->x(), cell.center().y());
    QCursor::setPos(list->viewport()->mapToGlobal(at));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
}

void EditPageDriver::tick(CPage4* page, const QString& name)
{
    const int row = rowOf(page, name);
    if (row >= 0 && !isChecked(page, row))
        clickRow(page, row, 40);
}

bool EditPageDriver::isChecked(CPage4* page, int row)
{
    return table(page)->item(row, 0)->data(Qt::CheckStateRole).toInt() == Qt::Checked;
}
