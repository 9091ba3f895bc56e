#include "services/Util.h"

#include "edit/ElToritoCatalog.h"

#include <QDataStream>
#include <QDebug>
#include <QFile>
#include <QtEndian>
#include <cstdio>
#include <vector>

namespace {

const int kSector = 2048;
const int kVirtualSector = 512;
const int kDescriptorOffset = 17 * kSector;

// Offsets are 32-bit signed, as the reader's interface takes them: sectors
// beyond the first 2 GiB give no valid offset and read as a failure.
int sectorOffset(quint32 sector)
{
    const qint64 offset = qint64(sector) * kSector;
    return offset > 0x7FFFFFFF ? -1 : int(offset);
}

void printLine(const char* text)
{
    std::fputs(text, stdout);
    std::fflush(stdout);
}

// A hard-disk image's length is that of its disk: the end of the first
// partition in its master boot record. The entry's own count is 1 for such
// images, which would keep only the boot sector.
int hardDiskSectors(QDataStream& stream, int offset, int entryCount)
{
    unsigned char mbr[kVirtualSector];
    if (Util::Read(stream, offset, kVirtualSector, mbr) != 0)
        return entryCount;
    const quint32 first = qFromLittleEndian<quint32>(mbr + 446 + 8);
    const quint32 length = qFromLittleEndian<quint32>(mbr + 446 + 12);
    const quint64 end = quint64(first) + length;
    return end == 0 || end > 0x7FFFFFFF / kVirtualSector ? entryCount : int(end);
}

int sectorsToCopy(QDataStream& stream, int media, int entryCount, int offset)
{
    switch (media) {
    case 0:
        qDebug() << "No emulation\n";
        return entryCount;
    case 1:
        qDebug() << "1.2 meg diskette\n";
        return 2400;
    case 2:
        qDebug() << "1.44 meg diskette\n";
        return 2880;
    case 3:
        qDebug() << "2.88 meg diskette\n";
        return 5760;
    case 4:
        qDebug() << "Hard disk (drive 80)\n";
        return hardDiskSectors(stream, offset, entryCount);
    default:
        qDebug() << "Unknown\n";
        return entryCount;
    }
}

} // namespace

bool Util::BootExtract(const QString& isoPath, const QString& outPath)
{
    QFile file(isoPath);
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug() << "Util::BootExtract open file error!";
        return false;
    }
    QDataStream stream(&file);
    QByteArray buffer(kSector, '\0');
    if (Read(stream, kDescriptorOffset, kSector, buffer.data()) != 0) {
        qDebug() << "Could not read the file/drive\n";
        return false;
    }
    if (buffer.at(0) != 0 || buffer.at(6) != 1) {
        qDebug() << "Invalid boot-record-volume!\n";
        return false;
    }
    const qint64 catalogSector = ElToritoCatalog::catalogSectorOf(buffer);
    if (catalogSector < 0) {
        qDebug() << "Invalid signature in boot-record-volume!\n";
        return false;
    }
    qDebug() << "\nReading boot-catalog from sector " << catalogSector;
    if (Read(stream, sectorOffset(quint32(catalogSector)), kSector, buffer.data()) != 0) {
        qDebug() << "Could not read the file/drive ";
        return false;
    }
    if (!ElToritoCatalog::hasValidationEntry(buffer)) {
        qDebug() << "Invalid validation-entry in boot-catalog!\n";
        return false;
    }
    QString out = outPath;
    ProcessEntry(out, stream, reinterpret_cast<unsigned char*>(buffer.data()) + 32);
    return true;
}

void Util::ProcessEntry(QString& outPath, QDataStream& stream, unsigned char* entry)
{
    if (entry[0] != 0x88) {
        printLine("  Boot-Indicator: Not Bootable\n");
        return;
    }
    printLine("  Boot-Indicator: Bootable\n");
    const quint32 loadRba = qFromLittleEndian<quint32>(entry + 8);
    const int entryCount = qFromLittleEndian<quint16>(entry + 6);
    const int media = entry[1] & 0x0F;
    const int offset = sectorOffset(loadRba);
    const int sectors = sectorsToCopy(stream, media, entryCount, offset);
    if (media >= 1 && media <= 3 && sectors != entryCount) {
        std::printf("  Sector count to read: %d (%d bytes)\n", sectors, sectors * kVirtualSector);
        std::fflush(stdout);
    }
    const int size = sectors * kVirtualSector;
    QIODevice* device = stream.device();
    if (size <= 0 || !device || offset < 0 || qint64(offset) + size > device->size())
        return;
    std::vector<char> image(static_cast<size_t>(size));
    if (Read(stream, offset, size, image.data()) == 0)
        WriteData(outPath, image.data(), size);
}

int Util::Read(QDataStream& stream, int offset, int size, void* buffer)
{
    QIODevice* device = stream.device();
    if (!device || offset < 0 || !device->seek(offset))
        return 25;
    stream.resetStatus();
    if (stream.readRawData(static_cast<char*>(buffer), size) < size) {
        qDebug() << "Util::Read error";
        return 32;
    }
    return 0;
}

void Util::WriteData(QString& path, void* data, int size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite)) {
        qDebug() << "Util::WriteData can not open file";
        return;
    }
    if (file.write(static_cast<const char*>(data), size) < size)
        qDebug() << "WriteData error";
}
