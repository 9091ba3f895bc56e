#include "platform/disktools/OpticalDrive.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace {

struct Profile
{
    int number;
    const char* name;
};

const Profile kProfiles[] = {
    {0x08, "CD-ROM"},  {0x09, "CD-R"},      {0x0A, "CD-RW"},     {0x10, "DVD-ROM"},  {0x11, "DVD-R"},
    {0x12, "DVD-RAM"}, {0x13, "DVD-RW"},    {0x14, "DVD-RW"},    {0x15, "DVD-R DL"}, {0x16, "DVD-R DL"},
    {0x1A, "DVD+RW"},  {0x1B, "DVD+R"},     {0x2A, "DVD+RW DL"}, {0x2B, "DVD+R DL"}, {0x40, "BD-ROM"},
    {0x41, "BD-R"},    {0x42, "BD-R"},      {0x43, "BD-RE"},
};

struct Capability
{
    const char* row;
    const char* type;
};

const Capability kCapabilities[] = {
    {"Can write CD-R:", "CD-R"},       {"Can write CD-RW:", "CD-RW"},     {"Can read DVD:", "DVD-ROM"},
    {"Can write DVD-R:", "DVD-R"},     {"Can write DVD-RAM:", "DVD-RAM"},
};

QString headerLine()
{
    return " Vendor   Product           Rev \n";
}

QString driveLine(const OpticalDrive& drive)
{
    return " " + drive.vendor.leftJustified(8) + " " + drive.product.leftJustified(16) + "  " +
           drive.revision.leftJustified(4) + "\n";
}

QString typeLine(const OpticalDrive& drive)
{
    const QString indent(11, ' ');
    if (drive.mediaType.isEmpty())
        return indent + "Type: No Media Inserted\n";
    return indent + "Type: " + drive.mediaType.leftJustified(21) + "Name: " + drive.path + "\n";
}

// The values of one row of the cdrom table, one column per drive.
QStringList rowValues(const QList<QByteArray>& lines, const QString& row)
{
    for (const QByteArray& line : lines) {
        const QString text = QString::fromUtf8(line);
        if (text.startsWith(row))
            return text.mid(row.size()).split('\t', Qt::SkipEmptyParts);
    }
    return {};
}

} // namespace

QString OpticalTexts::driveStatus(const QVector<OpticalDrive>& drives)
{
    QString text;
    for (const OpticalDrive& drive : drives) {
        if (!text.isEmpty())
            text += "\n";
        text += headerLine() + driveLine(drive) + "\n" + typeLine(drive);
    }
    return text;
}

QString OpticalTexts::profileName(int profile)
{
    for (const Profile& row : kProfiles) {
        if (row.number == profile)
            return row.name;
    }
    return QString();
}

QString OpticalTexts::driveTypes(const QByteArray& cdromInfo, const QString& driveName)
{
    const QList<QByteArray> lines = cdromInfo.split('\n');
    const int column = rowValues(lines, "drive name:").indexOf(driveName);
    QStringList types{"CD-ROM"};
    if (column < 0)
        return types.join(", ");
    for (const Capability& capability : kCapabilities) {
        const QStringList values = rowValues(lines, capability.row);
        if (column < values.size() && values[column].trimmed() == "1")
            types << capability.type;
    }
    return types.join(", ");
}
