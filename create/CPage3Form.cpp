#include "create/CPage3Form.h"

#include "widgets/CImageButton.h"
#include "widgets/CMyTreeWidget.h"
#include "widgets/FormParts.h"
#include "widgets/NoFocusDelegate.h"

#include <QButtonGroup>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QRadioButton>

using FormParts::pixelFont;

void CPage3Form::setupUi(QWidget* page)
{
    page->setFixedSize(858, 472);
    filebackup = FormParts::label(page, "filebackup", 16, 75);
    filebackup->setStyleSheet("color: rgb(98, 187, 151);");
    filebackup->move(41, 15);
    setupList(page);
    setupTypes(page);
    setupSizeBox(page);
    setupButtons(page);
}

void CPage3Form::setupList(QWidget* page)
{
    list = new CMyTreeWidget(page);
    list->setObjectName("list");
    list->setGeometry(39, 48, 789, 226);
    list->setFixedSize(789, 226);
    list->setStyleSheet("background:#ffffff;\nborder:1px solid #C2EFFD;;\ngridline-color:#C2EFFD;;\n"
                        "font-weight:normal;\nselection-background-color:#C2EFFD;;\nselection-color:#000000;\n"
                        "QHeaderView::section{font:13pt;color: black;};\n"
                        "QHeaderView::section:focus{font:13pt;color: black;};");
    list->setFont(pixelFont(13));
    list->header()->setFont(pixelFont(13));
    list->setColumnCount(5);
    for (int column = 0; column < 5; ++column)
        list->setColumnWidth(column, (list->width() - 2) / 5);
    list->header()->setHighlightSections(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setItemDelegate(new NoFocusDelegate(list));
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    list->setAttribute(Qt::WA_MacShowFocusRect, false);
}

void CPage3Form::setupTypes(QWidget* page)
{
    backtype = FormParts::label(page, "backtype", 12);
    backtype->setStyleSheet("color: rgb(80, 80, 80);");
    backtype->move(39, 295);
    jolet = FormParts::radio(page, "jolet", 184, 298);
    iso9600 = FormParts::radio(page, "iso9600", 349, 298);
    udf = FormParts::radio(page, "udf", 499, 298);
    auto* group = new QButtonGroup(page);
    group->setExclusive(true);
    group->addButton(jolet);
    group->addButton(iso9600);
    group->addButton(udf);
    jolet->setChecked(true);
}

void CPage3Form::setupSizeBox(QWidget* page)
{
    widget = new QWidget(page);
    widget->setObjectName("widget");
    widget->setGeometry(39, 333, 789, 62);
    widget->setFixedSize(789, 62);
    widget->setStyleSheet("border:1px solid #C2EFFD;;");
    totalsize = FormParts::label(widget, "totalsize", 13);
    totalsize->setStyleSheet("border:none;");
    totalsize->move(10, 5);
    label_2 = FormParts::label(widget, "label_2", 13);
    label_2->setStyleSheet("border:none;");
    progressBar = new QProgressBar(widget);
    progressBar->setObjectName("progressBar");
    progressBar->setGeometry(10, 26, widget->width() - 20, 27);
    progressBar->setRange(0, 100);
    progressBar->setTextVisible(false);
    progressBar->setValue(0);
}

void CPage3Form::setupButtons(QWidget* page)
{
    addfile = FormParts::button(page, "addfile", 209, 419);
    adddir = FormParts::button(page, "adddir", 314, 419);
    remove = FormParts::button(page, "remove", 414, 419);
    create = FormParts::button(page, "create", 720, 417);
    back = FormParts::button(page, "back", 599, 417);
}

void CPage3Form::placeSizeLabels()
{
    totalsize->adjustSize();
    label_2->adjustSize();
    label_2->move(widget->width() - 90 - label_2->width(), 5);
}
