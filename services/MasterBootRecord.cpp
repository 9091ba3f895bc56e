#include "services/MasterBootRecord.h"

#include <QFile>

namespace {
const int kSectorSize = 512;
const int kPartitionTable = 446;
const int kPartitionEntrySize = 16;
const int kPartitionCount = 4;
} // namespace

bool MasterBootRecord::present(const QByteArray& firstSector)
{
    if (firstSector.size() < kSectorSize || uchar(firstSector.at(510)) != 0x55 || uchar(firstSector.at(511)) != 0xAA)
        return false;
    // A partition entry is in use when it is not all zeros (isohybrid's
    // --uefi writes its first entry with type 0).
    const QByteArray table = firstSector.mid(kPartitionTable, kPartitionEntrySize * kPartitionCount);
    return table.count('\0') != table.size();
}

bool MasterBootRecord::inFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && present(file.read(kSectorSize));
}
