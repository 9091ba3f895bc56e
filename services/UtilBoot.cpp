#include "services/Util.h"

#include "services/ElToritoCatalog.h"

#include <QDataStream>
#include <QDebug>
#include <QFile>
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

const char* mediaText(int media)
{
    switch (media) {
    case 0:
        return "No emulation\n";
    case 1:
        return "1.2 meg diskette\n";
    case 2:
        return "1.44 meg diskette\n";
    case 3:
        return "2.88 meg diskette\n";
    case 4:
        return "Hard disk (drive 80)\n";
    default:
        return "Unknown\n";
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
    const BootEntry boot = ElToritoCatalog::parseEntry(QByteArray(reinterpret_cast<const char*>(entry), 32), 0, 0);
    qDebug() << mediaText(boot.media);
    QIODevice* device = stream.device();
    const int sectors = device ? ElToritoCatalog::imageSectors(*device, boot) : boot.sectorCount;
    if (boot.isFloppy() && sectors != boot.sectorCount) {
        std::printf("  Sector count to read: %d (%d bytes)\n", sectors, sectors * kVirtualSector);
        std::fflush(stdout);
    }
    if (!device)
        return;
    // The copy is made in pieces and only when the image holds all of it.
    QFile out(outPath);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qDebug() << "Util::ProcessEntry can not open" << outPath;
        return;
    }
    if (!ElToritoCatalog::copyImage(*device, boot, out)) {
        out.close();
        out.remove();
    }
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
