#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

class QIODevice;

// Walks the ISO 9660 directory trees of an image (the primary tree with
// Rock Ridge names and the Joliet tree) to name the files that start at a
// given sector. The archive tool lists no sectors, so this is how a boot
// image is recognised as a file of the image.
class IsoDirectory
{
public:
    struct Record {
        quint32 extent = 0;
        quint32 length = 0;
        bool isDir = false;
        QString name;        // empty for the "." and ".." records
        int size = 0;        // bytes taken by the record, 0 at the end of a sector
    };

    // Pure parsers.
    static Record parseRecord(const QByteArray& data, int offset, bool joliet);
    static QString plainName(const QByteArray& identifier);
    static QString rockRidgeName(const QByteArray& systemUse);
    static bool isJolietDescriptor(const QByteArray& descriptor);

    // Every path (relative, "/"-separated, in any of the image's trees) of
    // a file whose data starts at the sector.
    static QStringList pathsAtSector(const QString& isoPath, quint32 sector);

private:
    struct Walk {
        QIODevice* device;
        bool joliet;
        quint32 target;
        QStringList* found;
        QSet<quint32> visited;
    };
    static void walkDirectory(Walk& walk, quint32 extent, quint32 length, const QString& prefix,
                              int depth);
};
