#include "platform/disktools/MountTable.h"

namespace {

bool isOctalDigit(char c)
{
    return c >= '0' && c <= '7';
}

QList<QByteArray> fields(const QByteArray& line)
{
    QList<QByteArray> result;
    for (const QByteArray& field : line.split(' ')) {
        if (!field.isEmpty())
            result << field;
    }
    return result;
}

} // namespace

QString MountTable::unescape(const QByteArray& field)
{
    QByteArray bytes;
    bytes.reserve(field.size());
    for (int i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && isOctalDigit(field[i + 1]) &&
            isOctalDigit(field[i + 2]) && isOctalDigit(field[i + 3])) {
            bytes += char((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
            i += 3;
        } else {
            bytes += field[i];
        }
    }
    return QString::fromUtf8(bytes);
}

QVector<MountEntry> MountTable::parse(const QByteArray& procMounts)
{
    QVector<MountEntry> entries;
    for (const QByteArray& line : procMounts.split('\n')) {
        const QList<QByteArray> parts = fields(line);
        if (parts.size() < 4)
            continue;
        MountEntry entry;
        entry.source = unescape(parts[0]);
        entry.mountPoint = unescape(parts[1]);
        entry.type = unescape(parts[2]);
        entry.options = unescape(parts[3]).split(',');
        entries << entry;
    }
    return entries;
}

QStringList MountTable::swapSources(const QByteArray& procSwaps)
{
    QStringList sources;
    const QList<QByteArray> lines = procSwaps.split('\n');
    for (int i = 1; i < lines.size(); ++i) { // the first line is the header
        const QList<QByteArray> parts = fields(lines[i].simplified());
        if (!parts.isEmpty())
            sources << unescape(parts[0]);
    }
    return sources;
}
