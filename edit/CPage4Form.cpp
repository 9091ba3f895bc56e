// The Edit page's widgets: pictures, captions, positions and connections.
#include "edit/CPage4.h"

#include "widgets/CImageButton.h"
#include "widgets/CLineEdit.h"
#include "widgets/CProgressDialog.h"
#include "widgets/NoFocusDelegate.h"
#include "widgets/SCheckBoxHeaderView.h"

#include <QEvent>
#include <QHeaderView>
#include <QMenu>
#include <QTableWidget>
#include <QTreeWidget>

namespace {

const char kViewStyle[] =
    "background:#ffffff;\nborder:1px solid #C2EFFD;;\ngridline-color:#C2EFFD;;\n"
    "selection-background-color:#C2EFFD;;\nselection-color:#000000;\n"
    "QHeaderView::section{font:13pt;color: black;};\n"
    "QHeaderView::section:focus{font:13pt;color: black;};";

QFont pixelFont(int pixels)
{
    QFont font;
    font.setPixelSize(pixels);
    font.setBold(false);
    return font;
}

CImageButton* pictureButton(QWidget* parent, const char* name, const QString& family, const QPoint& at)
{
    auto* button = new CImageButton(parent);
    button->setObjectName(name);
    button->move(at);
    button->setProperty("pictureFamily", family);
    return button;
}

} // namespace

void CPage4::buildForm()
{
    resize(674, 415);
    m_LoadIso = pictureButton(this, "loadiso", "loadiso", {11, 16});
    m_Add = pictureButton(this, "add", "Add", {206, 24});
    m_Export = pictureButton(this, "export_2", "Export", {303, 24});
    m_Rename = pictureButton(this, "rename", "Rename", {409, 24});
    m_Delete = pictureButton(this, "delete_2", "Delete", {525, 24});
    m_New = pictureButton(this, "new_2", "New", {609, 24});
    m_Back = pictureButton(this, "back", "backwhite", {11, 416});
    m_Save = pictureButton(this, "save", "save", {741, 416});

    m_Search = new CLineEdit(this);
    m_Search->setObjectName("search");
    m_Search->setGeometry(711, 16, 136, 27);
    m_Search->setStyleSheet("padding-left:28px;");
    m_Search->setFont(pixelFont(14));
    m_Search->SetImage(":/nwu/zoom", ":/nwu/zoom", ":/nwu/zoom", QPoint(7, 7));

    m_TreeWidget = new QTreeWidget(this);
    m_TreeWidget->setObjectName("tree");
    m_TreeWidget->setGeometry(11, 58, 179, 338);
    m_TreeWidget->setStyleSheet(kViewStyle);
    m_TreeWidget->setHeaderHidden(true);
    m_TreeWidget->setSelectionMode(QAbstractItemView::SingleSelection);
    m_TreeWidget->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_TreeWidget->header()->setStretchLastSection(false);
    m_TreeWidget->setAttribute(Qt::WA_MacShowFocusRect, false);
    m_TreeWidget->setFont(pixelFont(14));

    m_List = new QTableWidget(this);
    m_List->setObjectName("list");
    m_List->setGeometry(190, 58, 658, 338);
    m_List->setStyleSheet(kViewStyle);
    m_List->setColumnCount(4);
    m_HeaderView = new SCheckBoxHeaderView(0, Qt::Horizontal, m_List);
    m_HeaderView->setFont(pixelFont(14));
    m_HeaderView->setHighlightSections(false);
    m_List->setHorizontalHeader(m_HeaderView);
    m_List->verticalHeader()->setVisible(false);
    for (int column = 0; column < 4; ++column)
        m_List->setColumnWidth(column, (m_List->width() - 2) / 4);
    m_List->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_List->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_List->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_List->setItemDelegate(new NoFocusDelegate(m_List));
    m_List->setFont(pixelFont(14));
    m_List->setContextMenuPolicy(Qt::CustomContextMenu);

    m_Menu = new QMenu(m_List);
    m_ProgressDialog = new CProgressDialog(this);
    SetBackGround(":/nwu/page4");
    SetBackGroundColor(Qt::white);
}

void CPage4::connectForm()
{
    connect(m_Back, qOverload<>(&CImageButton::clicked), this, &CPage4::close);
    connect(m_LoadIso, qOverload<>(&CImageButton::clicked), this, &CPage4::OnLoadISO);
    connect(m_Add, qOverload<>(&CImageButton::clicked), this, &CPage4::OnAdd);
    connect(m_Export, qOverload<>(&CImageButton::clicked), this, &CPage4::OnExport);
    connect(m_Rename, qOverload<>(&CImageButton::clicked), this, &CPage4::OnRename);
    connect(m_Delete, qOverload<>(&CImageButton::clicked), this, &CPage4::OnDelete);
    connect(m_New, qOverload<>(&CImageButton::clicked), this, &CPage4::OnNew);
    connect(m_Save, qOverload<>(&CImageButton::clicked), this, &CPage4::OnSave);
    connect(m_Search, &QLineEdit::textChanged, this, &CPage4::OnSearch);
    connect(m_ProgressDialog, &CProgressDialog::SigCancel, this, &CPage4::StopCreate);
    connect(m_HeaderView, &SCheckBoxHeaderView::checkStausChange, this, &CPage4::slotSelectAll);
    connect(m_List, &QWidget::customContextMenuRequested, this, &CPage4::OnListContextMenuRequest);
    connect(m_TreeWidget, &QTreeWidget::itemClicked, this, &CPage4::OnTreeCurrentChanged);
    connect(m_List, &QTableWidget::itemDoubleClicked, this, &CPage4::OnListViewDoubleClicked);
    connect(m_List, &QTableWidget::itemClicked, this, &CPage4::OnListViewClicked);
}

void CPage4::fillMenu()
{
    m_Menu->clear();
    m_Menu->addAction(tr("Add(&A)"), this, &CPage4::OnAdd);
    m_Menu->addAction(tr("Export(&E)"), this, &CPage4::OnExport);
    m_Menu->addAction(tr("Rename(&R)"), this, &CPage4::OnRename);
    m_Menu->addAction(tr("Delete(&D)"), this, &CPage4::OnDelete);
    m_Menu->addAction(tr("New(&N)"), this, &CPage4::OnNew);
}

void CPage4::updateUI()
{
    // Text styles: white on the large filled faces (3), on the small ones
    // (10), green turning white on the outlined Back (6).
    const auto caption = [](CImageButton* button, const QString& text, int style) {
        const QString family = button->property("pictureFamily").toString();
        const QString base = ":/nwu/" + family;
        button->SetBackGround(base + "1", base + "2", base + "3", QString(), text, QString(), style);
    };
    caption(m_LoadIso, tr("Load ISO"), 3);
    caption(m_Add, tr("Add"), 10);
    caption(m_Export, tr("Export"), 10);
    caption(m_Rename, tr("Rename"), 10);
    caption(m_Delete, tr("Delete"), 10);
    caption(m_New, tr("New"), 10);
    caption(m_Back, tr("Back"), 6);
    caption(m_Save, tr("Save"), 3);
    m_Search->setPlaceholderText(tr("Search"));
    m_List->setHorizontalHeaderLabels({tr("File Name"), tr(" Size"), tr("Type"), tr("Time")});
    fillMenu();
}

void CPage4::changeEvent(QEvent* qe)
{
    if (qe->type() == QEvent::LanguageChange && m_LoadIso)
        updateUI();
    ImageDialog::changeEvent(qe);
}
