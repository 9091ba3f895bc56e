#include "model/ListingParser.h"

namespace {
const int kTimeLength = 19;
const int kAttributeStart = 20;
const int kAttributeLength = 5;
const int kSizeStart = 26;
const int kSizeLength = 12;
const int kPathStart = 53;
} // namespace

// A row begins with its date or with blanks, so a name of hyphens (column
// 53 on) never makes a row a separator.
bool ListingParser::IsSeparator(const QString& line)
{
    return line.startsWith(QLatin1String("------------------- -----"));
}

// A carriage return belongs to the name: the tool ends its lines with a
// line feed alone.
Item ListingParser::ParseRow(QString line)
{
    line.remove('\n');
    Item item;
    if (line.length() >= kTimeLength)
        item.m_Time = line.left(kTimeLength);
    item.m_IsDir = line.length() >= kAttributeStart + kAttributeLength
        && line.midRef(kAttributeStart, kAttributeLength).contains('D');
    if (line.length() > kSizeStart + kSizeLength - 1)
        item.m_Size = line.mid(kSizeStart, kSizeLength).trimmed();
    if (line.length() > kPathStart)
        item.m_Path = line.mid(kPathStart);
    return item;
}

bool ListingParser::IsToolError(const QString& line)
{
    return line.contains(QLatin1String("ERROR"));
}
