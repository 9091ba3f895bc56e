#include "extract/ExtractPageForm.h"

#include "extract/CPage2.h"
#include "widgets/CImageButton.h"
#include "widgets/FormParts.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QTreeWidget>

using FormParts::pixelFont;

namespace {

const char* const kTreeStyle = "background:#E2F8FE;\nborder:1px solid #C2EFFD;\noutline:none;\n"
                               "QTreeView::focus{border: 1px solid #C2EFFD;}";
const char* const kListStyle = "background:#ffffff;\nborder:1px solid #C2EFFD;;\ngridline-color:#C2EFFD;;\n"
                               "selection-background-color:#C2EFFD;;\nselection-color:#000000;\n"
                               "QHeaderView::section{font:13pt;color: black;};\n"
                               "QHeaderView::section:focus{font:13pt;color: black;};";

} // namespace

void ExtractPageForm::setupUi(QWidget* page)
{
    loadiso = new CImageButton(page);
    loadiso->setObjectName("loadiso");
    back = new CImageButton(page);
    back->setObjectName("back");
    extract = new CImageButton(page);
    extract->setObjectName("extract");
    tree = new QTreeWidget(page);
    tree->setObjectName("tree");
    list = new QTableWidget(page);
    list->setObjectName("list");
    isoextract = new QLabel(page);
    isoextract->setObjectName("isoextract");
    descript = new QLabel(page);
    descript->setObjectName("descript");
}

void ExtractPageForm::applyLook()
{
    isoextract->setFont(pixelFont(16, 75));
    isoextract->setStyleSheet("color: rgb(98, 187, 151);");
    isoextract->move(39, 8);
    descript->setFont(pixelFont(14, 50));
    descript->setStyleSheet("color: rgb(80, 80, 80);");
    descript->move(39, 23);

    loadiso->move(721, 17);
    back->move(39, 417);
    extract->move(700, 417);

    tree->move(39, 54);
    tree->setFixedSize(213, 350);
    tree->setStyleSheet(kTreeStyle);
    tree->setFrameShape(QFrame::NoFrame);
    tree->setHeaderHidden(true);
    tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tree->header()->setStretchLastSection(false);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setFont(pixelFont(14, 50));
    tree->setAttribute(Qt::WA_MacShowFocusRect, false);

    list->move(249, 54);
    list->setFixedSize(561, 350);
    list->setStyleSheet(kListStyle);
    list->setColumnCount(4);
    list->verticalHeader()->setVisible(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setFont(pixelFont(14, 50));
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    list->setAttribute(Qt::WA_MacShowFocusRect, false);
}

void ExtractPageForm::retranslateButtons()
{
    // Text style 3: white captions on the filled faces.
    const int style = 3;
    loadiso->SetBackGround(":/nwu/loadiso1", ":/nwu/loadiso2", ":/nwu/loadiso3", QString(),
                           CPage2::tr("Load ISO"), QString(), style);
    back->SetBackGround(":/nwu/Back1", ":/nwu/Back2", ":/nwu/Back3", QString(), CPage2::tr("Back"), QString(),
                        style);
    extract->SetBackGround(":/nwu/btnextract1", ":/nwu/btnextract2", ":/nwu/btnextract3", QString(),
                           CPage2::tr("Extract"), QString(), style);
    list->setHorizontalHeaderLabels(
        {CPage2::tr("File Name"), CPage2::tr(" Size"), CPage2::tr("Type"), CPage2::tr("Time")});
}

void ExtractPageForm::retranslateTexts(QWidget* page)
{
    page->setWindowTitle(CPage2::tr("Dialog"));
    isoextract->setText(CPage2::tr("ISO Extract"));
    isoextract->adjustSize();
    descript->setText(CPage2::tr("Directly extract everything from ISO image file and export to your computer."));
    descript->adjustSize();
}
