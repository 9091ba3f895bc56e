#pragma once

#include "ModalAnswerer.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class CPage4;
class QTableWidget;

// Drives Edit pages the way a user does: each page sits in a window the
// size of the main window, dialogs are answered through ModalAnswerer, rows
// are ticked by clicks on the table.
class EditPageDriver
{
public:
    EditPageDriver();

    CPage4* openPage();

    // Chooses the image in the page's file dialog, giving up the changes
    // made to an image loaded before; returns once the page shows its
    // content (the whole-image extraction may still run).
    bool startLoad(CPage4* page, const QString& iso);
    // As startLoad, and waits for the extraction to end.
    bool load(CPage4* page, const QString& iso);
    // Saves through the page, answering its save dialog (and the question
    // whether to replace a file that is there) and its closing message;
    // returns the texts of the dialogs it showed.
    QStringList save(CPage4* page, const QString& output);
    // The answers that choose the output file in the save dialog.
    static QList<ModalAnswerer::Answer> chooseOutput(const QString& output);
    // Adds entries of one folder through the page's Add dialog.
    void add(CPage4* page, const QStringList& paths);

    // The text of the page's progress dialog when the dialog is the one
    // shown, else empty.
    static QString progressPhase(QWidget* modal);

    static QTableWidget* table(CPage4* page);
    static int rowOf(CPage4* page, const QString& name);
    static QStringList rowNames(CPage4* page);
    // Clicks the row at x pixels from the table's left edge.
    static void clickRow(CPage4* page, int row, int x);
    // Ticks the named row by a click away from its check box.
    static void tick(CPage4* page, const QString& name);
    static bool isChecked(CPage4* page, int row);

private:
    QWidget m_Window;
};
