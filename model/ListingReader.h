#pragma once

#include "model/CTree.h"

#include <QString>
#include <QStringList>

// Feeds the lines of one "7z l" run into a CTree: the rows between the two
// separator lines become items; the second separator completes the
// listing. Lines after completion are not rows. The tool's own error lines
// outside the table are kept, so that a listing that never completes can
// say why.
//
// The runner delivers what it has read so far, so a line that the tool's
// output buffer cut in two arrives as two pieces. A piece that cannot begin
// a row or a separator continues the row before it, and the rest of a cut
// separator is not a separator of its own; a row is added once the next
// line shows that it is whole.
class ListingReader
{
public:
    explicit ListingReader(CTree& tree);

    // Resets the state for a new listing, empties the tree and names it
    // after the image's file name.
    void Start(const QString& imagePath);
    // Consumes one line; true when this line completed the listing.
    bool ReadLine(const QString& line);

    bool InListing() const { return m_InListing; }
    bool IsComplete() const { return m_Complete; }
    int RowCount() const { return m_Rows; }
    QStringList ToolErrors() const { return m_ToolErrors; }

    // Whether a piece can be the beginning of a table row (the date and
    // time or 19 blanks, a blank, five attribute letters, a blank).
    static bool CanBeginRow(const QString& piece);
    // For the rest of a row with a blank date column whose leading blanks
    // were lost: how many blanks put its attributes back at column 20;
    // -1 for any other piece.
    static int MissingBlanks(const QString& piece);

private:
    bool continuesSeparator(const QString& piece, bool* completed);
    bool separatorSeen();
    void readRowPiece(const QString& piece);
    void addPendingRow();
    void keepToolError(const QString& line);

    CTree& m_Tree;
    bool m_InListing = false;
    bool m_Complete = false;
    bool m_NextLineIsErrorDetail = false;
    int m_Rows = 0;
    QString m_PendingRow;
    QString m_Fragment;
    QString m_SeparatorSoFar;
    QStringList m_ToolErrors;
};
