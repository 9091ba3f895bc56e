#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QIODevice;

// One boot entry of an El Torito boot catalog.
struct BootEntry {
    int platform = 0;          // 0 x86, 1 PowerPC, 2 Mac, 0xEF UEFI
    bool bootable = false;     // boot indicator 0x88
    int media = 0;             // low 4 bits of the media byte (0 no emulation ... 4 hard disk)
    quint16 loadSegment = 0;
    quint16 sectorCount = 0;   // 512-byte virtual sectors
    quint32 loadRba = 0;       // CD sector of the boot image
    bool bootInfoTable = false;

    bool isNoEmulation() const { return media == 0; }
    bool isHardDisk() const { return media == 4; }
    bool isFloppy() const { return media >= 1 && media <= 3; }
};

// Reads the boot record volume descriptor and the boot catalog of an ISO
// image: the initial entry and every section entry that follows it.
class ElToritoCatalog
{
public:
    static constexpr int kSectorSize = 2048;
    static constexpr int kVirtualSectorSize = 512;
    static constexpr int kDescriptorSector = 17;

    // Pure parsers, fed with raw sectors.
    // The catalog's sector, or -1 when the sector is no El Torito boot record.
    static qint64 catalogSectorOf(const QByteArray& descriptor);
    static bool hasValidationEntry(const QByteArray& catalog);
    static BootEntry parseEntry(const QByteArray& catalog, int offset, int platform);
    static QList<BootEntry> parseCatalog(const QByteArray& catalog);
    // The boot info table patched in by mkisofs: primary volume descriptor
    // sector at byte 8 and the boot file's own sector at byte 12.
    static bool carriesBootInfoTable(const QByteArray& firstSector, quint32 loadRba);
    // The length of an entry's boot image in 512-byte sectors: a
    // diskette's size for diskette emulation; for hard-disk emulation the
    // end of the first partition in the disk's master boot record (iso
    // holds the disk at the entry's load sector; the entry's own count is
    // 1 for such images, which would keep only the boot sector); else the
    // entry's count.
    static int imageSectors(QIODevice& iso, const BootEntry& entry);

    // Copies an entry's boot image (imageSectors long) to out, a piece at a
    // time; false, with nothing written, when the image does not reach to
    // the boot image's end.
    static bool copyImage(QIODevice& iso, const BootEntry& entry, QIODevice& out);

    // Reads the catalog of the image; false when it has none or it is damaged.
    bool read(const QString& isoPath);
    bool read(QIODevice& iso);

    qint64 catalogSector() const { return m_CatalogSector; }
    const QList<BootEntry>& entries() const { return m_Entries; }
    QString error() const { return m_Error; }

private:
    static QByteArray readSector(QIODevice& device, qint64 sector);
    static int hardDiskSectors(QIODevice& iso, const BootEntry& entry);

    qint64 m_CatalogSector = -1;
    QList<BootEntry> m_Entries;
    QString m_Error;
};
