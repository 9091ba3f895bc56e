#include "services/ElToritoCatalog.h"

#include <QFile>
#include <QtEndian>

namespace {

const int kEntrySize = 32;
// The first partition entry of a master boot record.
const int kFirstPartition = 446;
const char kSystemId[] = "EL TORITO SPECIFICATION";

quint16 le16(const QByteArray& data, int offset)
{
    return qFromLittleEndian<quint16>(reinterpret_cast<const uchar*>(data.constData()) + offset);
}

quint32 le32(const QByteArray& data, int offset)
{
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar*>(data.constData()) + offset);
}

uchar byteAt(const QByteArray& data, int offset)
{
    return static_cast<uchar>(data.at(offset));
}

} // namespace

qint64 ElToritoCatalog::catalogSectorOf(const QByteArray& descriptor)
{
    if (descriptor.size() < 75 || byteAt(descriptor, 0) != 0 || byteAt(descriptor, 6) != 1)
        return -1;
    if (descriptor.mid(1, 5) != "CD001" || descriptor.mid(7, 23) != kSystemId)
        return -1;
    return le32(descriptor, 71);
}

bool ElToritoCatalog::hasValidationEntry(const QByteArray& catalog)
{
    return catalog.size() >= 64 && byteAt(catalog, 0) == 1 && byteAt(catalog, 30) == 0x55
        && byteAt(catalog, 31) == 0xAA;
}

BootEntry ElToritoCatalog::parseEntry(const QByteArray& catalog, int offset, int platform)
{
    BootEntry entry;
    entry.platform = platform;
    entry.bootable = byteAt(catalog, offset) == 0x88;
    entry.media = byteAt(catalog, offset + 1) & 0x0F;
    entry.loadSegment = le16(catalog, offset + 2);
    entry.sectorCount = le16(catalog, offset + 6);
    entry.loadRba = le32(catalog, offset + 8);
    return entry;
}

QList<BootEntry> ElToritoCatalog::parseCatalog(const QByteArray& catalog)
{
    QList<BootEntry> entries;
    if (!hasValidationEntry(catalog))
        return entries;
    entries.append(parseEntry(catalog, kEntrySize, byteAt(catalog, 1)));
    // Section headers (0x90, the last one 0x91) each announce a number of
    // section entries for one platform.
    int offset = 2 * kEntrySize;
    bool lastSection = false;
    while (!lastSection && offset + kEntrySize <= catalog.size()) {
        const uchar header = byteAt(catalog, offset);
        if (header != 0x90 && header != 0x91)
            break;
        lastSection = header == 0x91;
        const int platform = byteAt(catalog, offset + 1);
        const int count = le16(catalog, offset + 2);
        offset += kEntrySize;
        for (int i = 0; i < count && offset + kEntrySize <= catalog.size(); ++i) {
            entries.append(parseEntry(catalog, offset, platform));
            offset += kEntrySize;
            // Section entry extensions (0x44) continue the entry before them.
            while (offset + kEntrySize <= catalog.size() && byteAt(catalog, offset) == 0x44)
                offset += kEntrySize;
        }
    }
    return entries;
}

bool ElToritoCatalog::carriesBootInfoTable(const QByteArray& firstSector, quint32 loadRba)
{
    return firstSector.size() >= 64 && le32(firstSector, 8) == 16 && le32(firstSector, 12) == loadRba;
}

int ElToritoCatalog::imageSectors(QIODevice& iso, const BootEntry& entry)
{
    switch (entry.media) {
    case 1:
        return 2400;
    case 2:
        return 2880;
    case 3:
        return 5760;
    case 4:
        return hardDiskSectors(iso, entry);
    default:
        return entry.sectorCount;
    }
}

// A disk image's length is where its first partition ends.
int ElToritoCatalog::hardDiskSectors(QIODevice& iso, const BootEntry& entry)
{
    if (!iso.seek(qint64(entry.loadRba) * kSectorSize))
        return entry.sectorCount;
    const QByteArray mbr = iso.read(kVirtualSectorSize);
    if (mbr.size() < kVirtualSectorSize)
        return entry.sectorCount;
    const quint64 end = quint64(le32(mbr, kFirstPartition + 8)) + le32(mbr, kFirstPartition + 12);
    return end == 0 || end > quint64(0x7FFFFFFF / kVirtualSectorSize) ? entry.sectorCount : int(end);
}

QByteArray ElToritoCatalog::readSector(QIODevice& device, qint64 sector)
{
    if (!device.seek(sector * kSectorSize))
        return QByteArray();
    QByteArray data = device.read(kSectorSize);
    return data.size() == kSectorSize ? data : QByteArray();
}

bool ElToritoCatalog::copyImage(QIODevice& iso, const BootEntry& entry, QIODevice& out)
{
    const qint64 size = qint64(imageSectors(iso, entry)) * kVirtualSectorSize;
    qint64 at = qint64(entry.loadRba) * kSectorSize;
    if (size <= 0 || at + size > iso.size() || !iso.seek(at))
        return false;
    const qint64 piece = 1024 * 1024;
    for (qint64 left = size; left > 0;) {
        const QByteArray data = iso.read(qMin(piece, left));
        if (data.isEmpty() || out.write(data) != data.size())
            return false;
        left -= data.size();
    }
    return true;
}

bool ElToritoCatalog::read(const QString& isoPath)
{
    m_Entries.clear();
    m_CatalogSector = -1;
    QFile file(isoPath);
    if (!file.open(QIODevice::ReadOnly)) {
        m_Error = QStringLiteral("cannot open the image");
        return false;
    }
    return read(file);
}

bool ElToritoCatalog::read(QIODevice& file)
{
    m_Entries.clear();
    m_CatalogSector = -1;
    const qint64 sector = catalogSectorOf(readSector(file, kDescriptorSector));
    if (sector < 0) {
        m_Error = QStringLiteral("no El Torito boot record");
        return false;
    }
    const QByteArray catalog = readSector(file, sector);
    if (!hasValidationEntry(catalog)) {
        m_Error = QStringLiteral("damaged or missing boot catalog");
        return false;
    }
    m_CatalogSector = sector;
    m_Entries = parseCatalog(catalog);
    for (BootEntry& entry : m_Entries)
        entry.bootInfoTable = carriesBootInfoTable(readSector(file, entry.loadRba), entry.loadRba);
    return true;
}
