#pragma once

#include <QByteArray>
#include <QHash>
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
    // The same for several sectors in one walk of the trees, by sector.
    static QHash<quint32, QStringList> pathsAtSectors(QIODevice& iso, const QSet<quint32>& sectors);

private:
    // One walk over every tree of an image. Directories are read a sector
    // at a time and only as far as the image reaches; each directory extent
    // is read once (a directory that names itself or an ancestor ends
    // there), and all of them together read no more than the image holds.
    struct Walk {
        QIODevice* device;
        bool joliet;
        const QSet<quint32>* targets;
        QHash<quint32, QStringList>* found;
        QSet<quint32> visited;
        qint64 budget;
    };
    static void walkDirectory(Walk& walk, quint32 extent, quint32 length, const QString& prefix,
                              int depth);
};
