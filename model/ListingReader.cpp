#include "model/ListingReader.h"

#include "model/ListingParser.h"

#include <QFileInfo>

namespace {

// The frame of 7-Zip's list table.
const QString kSeparatorLine =
    QStringLiteral("------------------- ----- ------------ ------------  ------------------------");

// Date and time, blank, five attribute letters, blank.
const int kRowStartLength = 26;

bool isDigitAt(const QString& text, int at)
{
    return text.at(at).isDigit();
}

} // namespace

ListingReader::ListingReader(CTree& tree) : m_Tree(tree) {}

void ListingReader::Start(const QString& imagePath)
{
    m_InListing = false;
    m_Complete = false;
    m_NextLineIsErrorDetail = false;
    m_Rows = 0;
    m_PendingRow.clear();
    m_Fragment.clear();
    m_SeparatorSoFar.clear();
    m_ToolErrors.clear();
    m_Tree.Clear();
    m_Tree.m_Name = QFileInfo(imagePath).fileName();
}

bool ListingReader::CanBeginRow(const QString& piece)
{
    // "dddd-dd-dd dd:dd:dd" or 19 blanks, then " AAAAA "; a shorter piece
    // must agree with it as far as it goes.
    static const QString dateShape = QStringLiteral("dddd-dd-dd dd:dd:dd");
    const int checked = qMin(piece.size(), kRowStartLength);
    bool blankDate = true;
    bool dated = true;
    for (int i = 0; i < qMin(checked, 19); ++i) {
        const QChar c = piece.at(i);
        blankDate = blankDate && c == ' ';
        dated = dated && (dateShape.at(i) == 'd' ? isDigitAt(piece, i) : c == dateShape.at(i));
    }
    if (!blankDate && !dated)
        return false;
    for (int i = 19; i < checked; ++i) {
        const bool blank = piece.at(i) == ' ';
        if ((i == 19 || i == 25) != blank)
            return false;
    }
    return true;
}

bool ListingReader::ReadLine(const QString& line)
{
    if (m_Complete) {
        keepToolError(line);
        return false;
    }
    bool completed = false;
    if (continuesSeparator(line, &completed))
        return completed;
    const bool separatorStart = line.startsWith('-') && kSeparatorLine.startsWith(line);
    if (ListingParser::IsSeparator(line) || separatorStart) {
        m_SeparatorSoFar = line.size() < kSeparatorLine.size() && separatorStart ? line : QString();
        return ListingParser::IsSeparator(line) && separatorSeen();
    }
    if (!m_InListing) {
        keepToolError(line);
        return false;
    }
    readRowPiece(line);
    return false;
}

// A short piece that could begin a row may as well end the row before it
// ("...unicode.pf" + "2"): the next piece tells, since the rest of a cut
// row always follows its beginning.
void ListingReader::readRowPiece(const QString& piece)
{
    QString line = piece;
    if (!m_Fragment.isEmpty()) {
        const QString joined = m_Fragment + piece;
        m_Fragment.clear();
        if (CanBeginRow(joined)) {
            addPendingRow();
            m_PendingRow = joined;
            return;
        }
        m_PendingRow += joined.left(joined.size() - piece.size());
    }
    if (CanBeginRow(line)) {
        if (line.size() < kRowStartLength && !m_PendingRow.isEmpty()) {
            m_Fragment = line;
            return;
        }
        addPendingRow();
        m_PendingRow = line;
        return;
    }
    // A row whose date column is blank loses its leading blanks when its
    // first piece holds nothing else: the runner skips blank pieces.
    const int missing = MissingBlanks(line);
    const bool pendingIsRowStart = m_PendingRow.size() < kRowStartLength && CanBeginRow(m_PendingRow);
    if (!m_PendingRow.isEmpty() && (missing < 0 || pendingIsRowStart)) {
        m_PendingRow += line;
        return;
    }
    addPendingRow();
    m_PendingRow = QString(qMax(missing, 0), ' ') + line;
}

int ListingReader::MissingBlanks(const QString& piece)
{
    static const QString attributeLetters = QStringLiteral("DRHSAN.");
    int blanks = 0;
    while (blanks < piece.size() && piece.at(blanks) == ' ')
        ++blanks;
    if (blanks > 19 || piece.size() < blanks + 5)
        return -1;
    for (int i = blanks; i < blanks + 5; ++i) {
        if (!attributeLetters.contains(piece.at(i)))
            return -1;
    }
    if (piece.size() > blanks + 5 && piece.at(blanks + 5) != ' ')
        return -1;
    return 20 - blanks;
}

// The rest of a separator that arrived cut in two; a separator whose
// first piece was too short to be recognised counts when it is.
bool ListingReader::continuesSeparator(const QString& piece, bool* completed)
{
    if (m_SeparatorSoFar.isEmpty())
        return false;
    const QString joined = m_SeparatorSoFar + piece;
    if (!kSeparatorLine.startsWith(joined)) {
        m_SeparatorSoFar.clear();
        return false;
    }
    const bool counted = ListingParser::IsSeparator(m_SeparatorSoFar);
    m_SeparatorSoFar = joined.size() < kSeparatorLine.size() ? joined : QString();
    if (!counted && ListingParser::IsSeparator(joined))
        *completed = separatorSeen();
    return true;
}

bool ListingReader::separatorSeen()
{
    addPendingRow();
    if (!m_InListing) {
        m_InListing = true;
        return false;
    }
    m_InListing = false;
    m_Complete = true;
    return true;
}

void ListingReader::addPendingRow()
{
    m_PendingRow += m_Fragment;
    m_Fragment.clear();
    if (m_PendingRow.isEmpty())
        return;
    const Item row = ListingParser::ParseRow(m_PendingRow);
    m_PendingRow.clear();
    if (row.m_Path.isEmpty())
        return;
    ++m_Rows;
    m_Tree.AddItem(row);
}

// "ERROR: file : Cannot open the file as archive" stands alone; "ERRORS:"
// and "System ERROR:" put the detail on the next line.
void ListingReader::keepToolError(const QString& line)
{
    const QString text = line.trimmed();
    if (m_NextLineIsErrorDetail) {
        m_NextLineIsErrorDetail = false;
        if (!text.isEmpty()) {
            m_ToolErrors << text;
            return;
        }
    }
    if (!ListingParser::IsToolError(text))
        return;
    if (text.endsWith(':'))
        m_NextLineIsErrorDetail = true;
    else
        m_ToolErrors << text;
}
