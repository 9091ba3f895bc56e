#include "edit/IsoDirectory.h"

#include <QFile>
#include <QtEndian>

namespace {

const int kSector = 2048;
const int kMaxDepth = 64;
const quint32 kMaxDirectoryBytes = 64 * 1024 * 1024;

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
    if (depth > kMaxDepth || length > kMaxDirectoryBytes || walk.visited.contains(extent))
        return;
    walk.visited.insert(extent);
    const QByteArray data = readBytes(walk.device, qint64(extent) * kSector, length);
    int offset = 0;
    while (offset < data.size()) {
        const Record record = parseRecord(data, offset, walk.joliet);
        if (record.size == 0) {
            // Records never cross a sector: go on at the next one.
            offset = (offset / kSector + 1) * kSector;
            continue;
        }
        offset += record.size;
        if (record.name.isEmpty())
            continue;
        const QString path = prefix.isEmpty() ? record.name : prefix + "/" + record.name;
        if (record.isDir)
            walkDirectory(walk, record.extent, record.length, path, depth + 1);
        else if (record.extent == walk.target && !walk.found->contains(path))
            walk.found->append(path);
    }
}

QStringList IsoDirectory::pathsAtSector(const QString& isoPath, quint32 sector)
{
    QStringList found;
    QFile file(isoPath);
    if (!file.open(QIODevice::ReadOnly))
        return found;
    // Volume descriptors from sector 16 up to the terminator (type 255).
    for (int index = 16; index < 16 + 64; ++index) {
        const QByteArray descriptor = readBytes(&file, qint64(index) * kSector, kSector);
        if (descriptor.size() < kSector || descriptor.mid(1, 5) != "CD001" || byteAt(descriptor, 0) == 255)
            break;
        const bool joliet = isJolietDescriptor(descriptor);
        if (byteAt(descriptor, 0) != 1 && !joliet)
            continue;
        const Record root = parseRecord(descriptor, 156, joliet);
        if (root.size == 0)
            continue;
        Walk walk{&file, joliet, sector, &found, {}};
        walkDirectory(walk, root.extent, root.length, QString(), 0);
    }
    return found;
}
