#pragma once

#include "model/CTree.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Feeds the output of one "7z l" run into a CTree: the rows between the two
// separator lines become items; the second separator completes the
// listing. Lines after completion are not rows. The tool's own error lines
// outside the table are kept, so that a listing that never completes can
// say why.
//
// The output is taken as the bytes the tool wrote, cut anywhere
// (ReadOutput): a line is read once its line feed has arrived and is then
// decoded whole, so that a character cut by a read keeps its bytes, and a
// carriage return inside a name stays in it. A row whose name holds bytes
// that are no text in the system's encoding, or a carriage return, is
// marked (Item::m_Unhandled): its name on screen would not be its name on
// disk.
class ListingReader
{
public:
    explicit ListingReader(CTree& tree);

    // Resets the state for a new listing, empties the tree and names it
    // after the image's file name.
    void Start(const QString& imagePath);
    // Consumes output bytes; true when a line among them completed the
    // listing.
    bool ReadOutput(const QByteArray& bytes);
    // Reads what followed the last line feed, once the output has ended.
    bool EndOfOutput();
    // Consumes one whole line, without its line feed; true when this line
    // completed the listing.
    bool ReadLine(const QString& line);

    bool InListing() const { return m_InListing; }
    bool IsComplete() const { return m_Complete; }
    int RowCount() const { return m_Rows; }
    QStringList ToolErrors() const { return m_ToolErrors; }

private:
    bool readBytesLine(const QByteArray& line);
    bool readTextLine(const QString& line, bool readable);
    bool separatorSeen();
    void keepToolError(const QString& line);

    CTree& m_Tree;
    bool m_InListing = false;
    bool m_Complete = false;
    bool m_NextLineIsErrorDetail = false;
    int m_Rows = 0;
    QByteArray m_Partial;
    QStringList m_ToolErrors;
};
