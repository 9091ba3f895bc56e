#include "platform/disktools/VolumeNames.h"

#include <QStringList>

namespace {

struct Name
{
    const char* key;
    const char* name;
};

// MBR type numbers and GPT type GUIDs.
const Name kPartitionTypes[] = {
    {"0x1", "DOS_FAT_12"},
    {"0x4", "DOS_FAT_16"},
    {"0x6", "DOS_FAT_16"},
    {"0xe", "DOS_FAT_16"},
    {"0xb", "DOS_FAT_32"},
    {"0xc", "DOS_FAT_32"},
    {"0x7", "Windows_NTFS"},
    {"0x82", "Linux_Swap"},
    {"0x83", "Linux"},
    {"0xef", "EFI"},
    {"c12a7328-f81f-11d2-ba4b-00a0c93ec93b", "EFI"},
    {"ebd0a0a2-b9e5-4433-87c0-68b6b72699c7", "Microsoft Basic Data"},
    {"0fc63daf-8483-4772-8e79-3d69d8477de4", "Linux Filesystem"},
    {"0657fd6d-a4ab-43c4-84e5-0933c84b4f4f", "Linux Swap"},
};

const Name kFileSystemTypes[] = {
    {"vfat", "DOS_FAT_32"}, {"ntfs", "Windows_NTFS"}, {"exfat", "Windows_NTFS"}, {"ext2", "Linux"},
    {"ext3", "Linux"},      {"ext4", "Linux"},        {"btrfs", "Linux"},        {"xfs", "Linux"},
    {"swap", "Linux_Swap"}, {"iso9660", "ISO"},       {"udf", "UDF"},            {"hfsplus", "Apple_HFS"},
    {"apfs", "Apple_APFS"},
};

const Name kPersonalities[] = {
    {"ntfs", "NTFS"}, {"exfat", "ExFAT"}, {"ext2", "ext2"},       {"ext3", "ext3"},   {"ext4", "ext4"},
    {"btrfs", "btrfs"}, {"xfs", "xfs"},   {"iso9660", "ISO"},     {"udf", "UDF"},     {"hfsplus", "HFS+"},
    {"apfs", "APFS"},  {"swap", "swap"},
};

QString lookUp(const Name* table, int count, const QString& key)
{
    for (int i = 0; i < count; ++i) {
        if (key.compare(table[i].key, Qt::CaseInsensitive) == 0)
            return table[i].name;
    }
    return QString();
}

} // namespace

QString VolumeNames::sizeText(qint64 bytes)
{
    static const char* const units[] = {"KB", "MB", "GB", "TB", "PB", "EB"};
    if (bytes < 1000)
        return QString("%1 B").arg(bytes);
    double value = double(bytes) / 1000.0;
    int unit = 0;
    while (value >= 999.95 && unit < 5) {
        value /= 1000.0;
        ++unit;
    }
    return QString("%1 %2").arg(value, 0, 'f', 1).arg(units[unit]);
}

QString VolumeNames::schemeName(const QString& tableType)
{
    if (tableType == "dos")
        return "FDisk_partition_scheme";
    if (tableType == "gpt")
        return "GUID_partition_scheme";
    if (tableType == "mac")
        return "Apple_partition_scheme";
    return QString();
}

QString VolumeNames::partitionTypeName(const QString& partType, const QString& fsType)
{
    const QString byType = lookUp(kPartitionTypes, int(std::size(kPartitionTypes)), partType);
    if (!byType.isEmpty())
        return byType;
    return lookUp(kFileSystemTypes, int(std::size(kFileSystemTypes)), fsType);
}

QString VolumeNames::personality(const QString& fsType, const QString& partType)
{
    if (fsType == "vfat") {
        const QString type = partitionTypeName(partType, QString());
        if (type == "DOS_FAT_16")
            return "MS-DOS FAT16";
        if (type == "DOS_FAT_12")
            return "MS-DOS FAT12";
        return "MS-DOS FAT32";
    }
    return lookUp(kPersonalities, int(std::size(kPersonalities)), fsType);
}
