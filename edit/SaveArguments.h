#pragma once

#include "edit/VolumeIdentity.h"

#include <QList>
#include <QString>
#include <QStringList>

// One El Torito entry as the saved image is to carry it.
struct BootImagePlan {
    QString file;               // path relative to the working folder
    int platform = 0;           // 0 x86, 0xEF UEFI
    int media = 0;              // 0 no emulation, 1-3 diskettes, 4 hard disk
    int loadSize = 0;           // 512-byte sectors loaded (no emulation)
    int loadSegment = 0;
    bool bootInfoTable = false;
};

// The mkisofs command line of an Edit save: UDF with Rock Ridge over the
// working folder, with the loaded image's labels, its Joliet tree when it
// had one, and every boot entry it still has.
class SaveArguments
{
public:
    static constexpr qint64 kLimitedFileSize = Q_INT64_C(4) * 1024 * 1024 * 1024;

    QList<BootImagePlan> bootImages;
    QString catalogFile;        // relative to the working folder; empty: mkisofs's own name
    bool hideCatalog = false;   // the user deleted the catalog's file: it is kept out of the trees
    bool allowLimitedSize = false;
    VolumeIdentity volume;

    QStringList build(const QString& output, const QString& sourceFolder) const;
    static QStringList entryOptions(const BootImagePlan& image);

    // True when a file of the folder is too large for plain ISO 9660.
    static bool holdsLimitedSizeFile(const QString& folder);
};
