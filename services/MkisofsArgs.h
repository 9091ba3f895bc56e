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

    // Joliet's long form ("-joliet-long") keeps names of up to this many
    // UTF-16 characters; plain Joliet cuts them at 64, extension and all.
    static constexpr int JolietNameLimit = 103;

    // The application folder followed by "/cdrtools/mkisofs".
    static QString program();
    static QString typeFlag(ImageType type);
    // stagingFolder is the folder the image is made from, without a
    // trailing "/". allowLargeFiles lets a UDF image hold files of 4 GiB or
    // more ("-allow-limited-size"); it is ignored for the other types.
    static QStringList build(ImageType type, const QString& output, const QString& stagingFolder,
                             bool allowLargeFiles = false);
    // The options that add Joliet names in their long form.
    static QStringList jolietOptions();
    // Whether Joliet still has to cut the name short.
    static bool jolietShortens(const QString& name);
};
