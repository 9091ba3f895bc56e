#pragma once

#include "model/CTree.h"

#include <QString>
#include <QStringList>

// Feeds the lines of one "7z l" run into a CTree: the rows between the two
// separator lines become items; the second separator completes the
// listing. Lines after completion are not rows. The tool's own error lines
// outside the table are kept, so that a listing that never completes can
// say why.
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

private:
    void keepToolError(const QString& line);

    CTree& m_Tree;
    bool m_InListing = false;
    bool m_Complete = false;
    bool m_NextLineIsErrorDetail = false;
    int m_Rows = 0;
    QStringList m_ToolErrors;
};
