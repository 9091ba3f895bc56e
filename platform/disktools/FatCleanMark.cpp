#include "platform/disktools/FatCleanMark.h"

#include <QFile>

namespace {

quint32 little(const QByteArray& bytes, int offset, int size)
{
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes[offset + i]);
    return value;
}

} // namespace

QVector<qint64> FatCleanMark::secondEntryOffsets(const QByteArray& bootSector)
{
    if (bootSector.size() < 512 || quint8(bootSector[510]) != 0x55 || quint8(bootSector[511]) != 0xAA)
        return {};
    const quint32 bytesPerSector = little(bootSector, 11, 2);
    const quint32 sectorsPerCluster = little(bootSector, 13, 1);
    const quint32 reserved = little(bootSector, 14, 2);
    const quint32 tables = little(bootSector, 16, 1);
    const quint32 rootEntries = little(bootSector, 17, 2);
    const quint32 tableSectors = little(bootSector, 22, 2); // 0 on FAT32
    const quint32 total = little(bootSector, 19, 2) ? little(bootSector, 19, 2) : little(bootSector, 32, 4);
    if (bytesPerSector == 0 || sectorsPerCluster == 0 || tableSectors == 0 || tables == 0)
        return {};
    const quint32 rootSectors = (rootEntries * 32 + bytesPerSector - 1) / bytesPerSector;
    const quint32 system = reserved + tables * tableSectors + rootSectors;
    if (total <= system)
        return {};
    const quint32 clusters = (total - system) / sectorsPerCluster;
    if (clusters < 4085 || clusters >= 65525)
        return {}; // FAT12 or FAT32
    QVector<qint64> offsets;
    for (quint32 table = 0; table < tables; ++table)
        offsets << qint64(reserved + table * tableSectors) * bytesPerSector + 2;
    return offsets;
}

bool FatCleanMark::markClean(const QString& volumePath, QString* error)
{
    QFile volume(volumePath);
    if (!volume.open(QIODevice::ReadWrite | QIODevice::Unbuffered)) {
        *error = "cannot open " + volumePath + ": " + volume.errorString();
        return false;
    }
    for (const qint64 offset : secondEntryOffsets(volume.read(512))) {
        if (!volume.seek(offset) || volume.write("\xff\xff", 2) != 2) {
            *error = "cannot write the FAT of " + volumePath + ": " + volume.errorString();
            return false;
        }
    }
    return volume.flush();
}
