#pragma once

#include <QString>
#include <QStringList>

// The mkisofs command lines of the three image types the Create page makes.
class MkisofsArgs
{
public:
    enum class ImageType { Joliet, Iso9660, Udf };

    static QString program();
    static QString typeFlag(ImageType type);
    // stagingFolder is the folder the image is made from, without a
    // trailing "/". allowLargeFiles lets a UDF image hold files of 4 GiB or
    // more ("-allow-limited-size"); it is ignored for the other types.
    static QStringList build(ImageType type, const QString& output, const QString& stagingFolder,
                             bool allowLargeFiles = false);
};
