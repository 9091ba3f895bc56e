#include "model/ListingReader.h"

#include "model/ListingParser.h"

#include <QFileInfo>

ListingReader::ListingReader(CTree& tree) : m_Tree(tree) {}

void ListingReader::Start(const QString& imagePath)
{
    m_InListing = false;
    m_Complete = false;
    m_NextLineIsErrorDetail = false;
    m_Rows = 0;
    m_ToolErrors.clear();
    m_Tree.Clear();
    m_Tree.m_Name = QFileInfo(imagePath).fileName();
}

bool ListingReader::ReadLine(const QString& line)
{
    if (m_Complete) {
        keepToolError(line);
        return false;
    }
    if (ListingParser::IsSeparator(line)) {
        m_Complete = m_InListing;
        m_InListing = !m_InListing;
        return m_Complete;
    }
    if (!m_InListing) {
        keepToolError(line);
        return false;
    }
    const Item row = ListingParser::ParseRow(line);
    if (!row.m_Path.isEmpty()) {
        ++m_Rows;
        m_Tree.AddItem(row);
    }
    return false;
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
