#include "edit/IsoDirectory.h"

#include <QFile>
#include <QtEndian>

namespace {

const int kSector = 2048;
const int kMaxDepth = 64;

quint32 le32(const QByteArray& data, int offset)
{
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(data.constData()) + offset);
}

uchar byteAt(const QByteArray& data, int offset)
{
    return static_cast<uchar>(data.at(offset));
}

QByteArray readBytes(QIODevice* device, qint64 offset, qint64 size)
{
    if (!device->seek(offset))
        return QByteArray();
    return device->read(size);
}

QString jolietName(const QByteArray& identifier)
{
    QString name;
    for (int i = 0; i + 1 < identifier.size(); i += 2)
        name.append(QChar(ushort((byteAt(identifier, i) << 8) | byteAt(identifier, i + 1))));
    const int version = name.indexOf(';');
    return version >= 0 ? name.left(version) : name;
}

} // namespace

QString IsoDirectory::plainName(const QByteArray& identifier)
{
    QString name = QString::fromLatin1(identifier);
    const int version = name.indexOf(';');
    if (version >= 0)
        name.truncate(version);
    if (name.endsWith('.'))
        name.chop(1);
    return name;
}

QString IsoDirectory::rockRidgeName(const QByteArray& systemUse)
{
    QByteArray name;
    int offset = 0;
    while (offset + 4 <= systemUse.size()) {
        const int length = byteAt(systemUse, offset + 2);
        if (length < 4 || offset + length > systemUse.size())
            break;
        if (systemUse.mid(offset, 2) == "NM" && length >= 5)
            name += systemUse.mid(offset + 5, length - 5);
        offset += length;
    }
    return QString::fromUtf8(name);
}

IsoDirectory::Record IsoDirectory::parseRecord(const QByteArray& data, int offset, bool joliet)
{
    Record record;
    if (offset >= data.size())
        return record;
    const int size = byteAt(data, offset);
    if (size < 34 || offset + size > data.size())
        return record;
    record.size = size;
    record.extent = le32(data, offset + 2);
    record.length = le32(data, offset + 10);
    record.isDir = byteAt(data, offset + 25) & 0x02;
    const int nameLength = byteAt(data, offset + 32);
    if (33 + nameLength > size)
        return record;
    const QByteArray identifier = data.mid(offset + 33, nameLength);
    if (nameLength == 1 && (identifier.at(0) == 0 || identifier.at(0) == 1))
        return record;
    if (joliet) {
        record.name = jolietName(identifier);
        return record;
    }
    const int systemUse = 33 + nameLength + (nameLength % 2 == 0 ? 1 : 0);
    const QString rrName = rockRidgeName(data.mid(offset + systemUse, size - systemUse));
    record.name = rrName.isEmpty() ? plainName(identifier) : rrName;
    return record;
}

bool IsoDirectory::isJolietDescriptor(const QByteArray& descriptor)
{
    if (descriptor.size() < 160 || byteAt(descriptor, 0) != 2 || descriptor.mid(1, 5) != "CD001")
        return false;
    const QByteArray escape = descriptor.mid(88, 3);
    return escape == "%/@" || escape == "%/C" || escape == "%/E";
}

void IsoDirectory::walkDirectory(Walk& walk, quint32 extent, quint32 length, const QString& prefix,
                                 int depth)
{
    const qint64 start = qint64(extent) * kSector;
    if (depth > kMaxDepth || walk.visited.contains(extent) || start >= walk.device->size())
        return;
    walk.visited.insert(extent);
    const qint64 end = qMin(start + qint64(length), walk.device->size());
    for (qint64 at = start; at < end && walk.budget > 0; at += kSector) {
        const QByteArray data = readBytes(walk.device, at, qMin<qint64>(kSector, end - at));
        walk.budget -= kSector;
        int offset = 0;
        while (offset < data.size()) {
            const Record record = parseRecord(data, offset, walk.joliet);
            if (record.size == 0)
                break; // records never cross a sector: go on at the next one
            offset += record.size;
            if (record.name.isEmpty())
                continue;
            const QString path = prefix.isEmpty() ? record.name : prefix + "/" + record.name;
            if (record.isDir) {
                walkDirectory(walk, record.extent, record.length, path, depth + 1);
                continue;
            }
            if (!walk.targets->contains(record.extent))
                continue;
            QStringList& paths = (*walk.found)[record.extent];
            if (!paths.contains(path))
                paths.append(path);
        }
    }
}

QStringList IsoDirectory::pathsAtSector(const QString& isoPath, quint32 sector)
{
    QFile file(isoPath);
    if (!file.open(QIODevice::ReadOnly))
        return QStringList();
    return pathsAtSectors(file, {sector}).value(sector);
}

QHash<quint32, QStringList> IsoDirectory::pathsAtSectors(QIODevice& iso, const QSet<quint32>& sectors)
{
    QHash<quint32, QStringList> found;
    QSet<quint32> visited;
    qint64 budget = iso.size();
    // Volume descriptors from sector 16 up to the terminator (type 255).
    for (int index = 16; index < 16 + 64 && budget > 0; ++index) {
        const QByteArray descriptor = readBytes(&iso, qint64(index) * kSector, kSector);
        if (descriptor.size() < kSector || descriptor.mid(1, 5) != "CD001" || byteAt(descriptor, 0) == 255)
            break;
        const bool joliet = isJolietDescriptor(descriptor);
        if (byteAt(descriptor, 0) != 1 && !joliet)
            continue;
        const Record root = parseRecord(descriptor, 156, joliet);
        if (root.size == 0)
            continue;
        Walk walk{&iso, joliet, &sectors, &found, visited, budget};
        walkDirectory(walk, root.extent, root.length, QString(), 0);
        visited = walk.visited;
        budget = walk.budget;
    }
    return found;
}
