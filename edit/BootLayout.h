// edit/: the Edit page (CPage4) and what only it needs: its boot layout, save and working-folder rules.
// May include services/, model/ and widgets/; never another page's folder.
#pragma once

#include "services/ElToritoCatalog.h"
#include "edit/SaveArguments.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QStringList>

// What the loaded image boots with, read when it is loaded: every boot
// entry, the files of the image that hold the boot images and the catalog.
// At save time it turns into the boot part of the mkisofs command line,
// pointing at the working folder's copies of those files.
class BootLayout
{
public:
    struct Entry {
        BootEntry boot;
        QStringList candidates;     // paths in the image whose data starts at the load sector
        QByteArray firstSector;     // the boot image's first sector, to recognise its file
    };

    void clear();
    // Reads the image's boot catalog; false when the image does not boot.
    bool load(const QString& isoPath);
    bool isBootable() const { return !m_Entries.isEmpty(); }
    // The image has an El Torito boot record (7z then shows a "[BOOT]" folder).
    bool hasCatalog() const { return m_HasCatalog; }
    const QList<Entry>& entries() const { return m_Entries; }
    QStringList catalogCandidates() const { return m_CatalogCandidates; }

    // The entries that lose their last file of the image when the entry at
    // path (a file or a folder) is deleted.
    QList<Entry> entriesBehind(const QString& path) const;
    // The entries and the catalog follow a file or folder that is renamed.
    void followRename(const QString& oldPath, const QString& newPath);
    // The entry at path and all below it left the image: entries that have
    // no file left are dropped, and the catalog no longer names its file.
    void forget(const QString& path);

    // Resolves every entry to a file of the working folder (with a trailing
    // "/"): the image's own boot file when the folder still holds it, else
    // a copy of the boot image written to the folder's root (the initial
    // entry's from initialBootFile). Problems are described for the log.
    SaveArguments plan(const QString& workFolder, const QString& isoPath,
                       const QString& initialBootFile, QStringList* problems = nullptr) const;

    static bool sameBootSector(const QByteArray& a, const QByteArray& b, bool bootInfoTable);
    static QString matchingFile(const QString& workFolder, const Entry& entry);
    static QString freeName(const QString& workFolder, const QString& base, const QString& suffix);

private:
    static bool isWithin(const QString& path, const QString& folder);
    static void dropWithin(QStringList* paths, const QString& folder);
    static bool writeBootImage(const QString& isoPath, const BootEntry& boot, const QString& path);

    // The boot image copies an earlier plan wrote into the working folder,
    // by entry: the next plan writes over them instead of adding more.
    struct Written {
        QString file;
        qint64 size = 0;
        QDateTime modified;
    };
    QString reusableName(int entry, const QString& workFolder) const;

    QList<Entry> m_Entries;
    mutable QHash<int, Written> m_Written;
    QStringList m_CatalogCandidates;
    bool m_HasCatalog = false;
};
