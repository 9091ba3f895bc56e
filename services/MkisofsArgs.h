#pragma once

#include <QString>
#include <QStringList>

// The image authoring program (mkisofs): where it lies, and the command
// lines of the three image types the Create page makes (the Edit page's
// save builds its own, SaveArguments).
class MkisofsArgs
{
public:
    enum class ImageType { Joliet, Iso9660, Udf };

    // The application folder followed by "/cdrtools/mkisofs".
    static QString program();
    static QString typeFlag(ImageType type);
    // stagingFolder is the folder the image is made from, without a
    // trailing "/". allowLargeFiles lets a UDF image hold files of 4 GiB or
    // more ("-allow-limited-size"); it is ignored for the other types.
    static QStringList build(ImageType type, const QString& output, const QString& stagingFolder,
                             bool allowLargeFiles = false);
};
