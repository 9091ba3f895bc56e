#include "model/ListingReader.h"

#include "model/ListingParser.h"

#include <QFileInfo>
#include <QTextCodec>

ListingReader::ListingReader(CTree& tree) : m_Tree(tree) {}

void ListingReader::Start(const QString& imagePath)
{
    m_InListing = false;
    m_Complete = false;
    m_NextLineIsErrorDetail = false;
    m_Rows = 0;
    m_Partial.clear();
    m_ToolErrors.clear();
    m_Tree.Clear();
    m_Tree.m_Name = QFileInfo(imagePath).fileName();
}

bool ListingReader::ReadOutput(const QByteArray& bytes)
{
    bool completed = false;
    int start = 0;
    for (int end = bytes.indexOf('\n'); end >= 0; end = bytes.indexOf('\n', start)) {
        if (m_Partial.isEmpty()) {
            completed = readBytesLine(bytes.mid(start, end - start)) || completed;
        } else {
            m_Partial += bytes.mid(start, end - start);
            completed = readBytesLine(m_Partial) || completed;
            m_Partial.clear();
        }
        start = end + 1;
    }
    m_Partial += bytes.mid(start);
    return completed;
}

bool ListingReader::EndOfOutput()
{
    const QByteArray rest = m_Partial;
    m_Partial.clear();
    return !rest.isEmpty() && readBytesLine(rest);
}

// Decoded as the system's encoding, as the tool wrote it; bytes that do
// not decode make the line unreadable.
bool ListingReader::readBytesLine(const QByteArray& line)
{
    QTextCodec::ConverterState state;
    const QString text = QTextCodec::codecForLocale()->toUnicode(line.constData(), line.size(), &state);
    return readTextLine(text, state.invalidChars == 0 && state.remainingChars == 0);
}

bool ListingReader::ReadLine(const QString& line)
{
    return readTextLine(line, true);
}

bool ListingReader::readTextLine(const QString& line, bool readable)
{
    if (m_Complete) {
        keepToolError(line);
        return false;
    }
    if (ListingParser::IsSeparator(line))
        return separatorSeen();
    if (!m_InListing) {
        keepToolError(line);
        return false;
    }
    Item row = ListingParser::ParseRow(line);
    if (row.m_Path.isEmpty())
        return false;
    row.m_Unhandled = !readable || row.m_Path.contains('\r');
    ++m_Rows;
    m_Tree.AddItem(row);
    return false;
}

bool ListingReader::separatorSeen()
{
    if (!m_InListing) {
        m_InListing = true;
        return false;
    }
    m_InListing = false;
    m_Complete = true;
    return true;
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
