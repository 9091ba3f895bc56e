#include "edit/SaveArguments.h"

#include <QDirIterator>
#include <QFileInfo>

namespace {
const int kUefiPlatform = 0xEF;
}

QStringList SaveArguments::entryOptions(const BootImagePlan& image)
{
    if (image.platform == kUefiPlatform)
        return {"-e", image.file, "-no-emul-boot"};
    QStringList options{"-b", image.file};
    if (image.media == 0) {
        options << "-no-emul-boot";
        if (image.loadSize > 0)
            options << "-boot-load-size" << QString::number(image.loadSize);
    } else if (image.media == 4) {
        options << "-hard-disk-boot";
    }
    if (image.loadSegment != 0)
        options << "-boot-load-seg" << QString::number(image.loadSegment);
    if (image.bootInfoTable)
        options << "-boot-info-table";
    return options;
}

QStringList SaveArguments::build(const QString& output, const QString& sourceFolder) const
{
    QStringList arguments{"-udf", "-R"};
    arguments << volume.options();
    if (allowLimitedSize)
        arguments << "-allow-limited-size";
    for (int i = 0; i < bootImages.size(); ++i) {
        if (i > 0)
            arguments << "-eltorito-alt-boot";
        arguments << entryOptions(bootImages.at(i));
    }
    if (!bootImages.isEmpty() && !catalogFile.isEmpty()) {
        arguments << "-c" << catalogFile;
        if (hideCatalog) {
            arguments << "-hide" << catalogFile;
            if (volume.joliet)
                arguments << "-hide-joliet" << catalogFile;
        }
    }
    arguments << "-o" << output << sourceFolder;
    return arguments;
}

bool SaveArguments::holdsLimitedSizeFile(const QString& folder)
{
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        if (it.fileInfo().size() >= kLimitedFileSize)
            return true;
    }
    return false;
}
