#include "edit/BootLayout.h"

#include "edit/IsoDirectory.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

const int kSector = 2048;
// mkisofs writes its boot info table over bytes 8 to 63 of the boot file.
const int kInfoTableStart = 8;
const int kInfoTableEnd = 64;

QByteArray readAt(const QString& path, qint64 offset, qint64 size)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || !file.seek(offset))
        return QByteArray();
    return file.read(size);
}

bool supportedPlatform(int platform)
{
    return platform == 0 || platform == 0xEF;
}

} // namespace

void BootLayout::clear()
{
    m_Entries.clear();
    m_Written.clear();
    m_CatalogCandidates.clear();
    m_HasCatalog = false;
}

bool BootLayout::load(const QString& isoPath)
{
    clear();
    ElToritoCatalog catalog;
    if (!catalog.read(isoPath))
        return false;
    m_HasCatalog = true;
    QSet<quint32> sectors{quint32(catalog.catalogSector())};
    for (const BootEntry& boot : catalog.entries())
        sectors.insert(boot.loadRba);
    QFile iso(isoPath);
    const QHash<quint32, QStringList> paths =
        iso.open(QIODevice::ReadOnly) ? IsoDirectory::pathsAtSectors(iso, sectors) : QHash<quint32, QStringList>();
    for (const BootEntry& boot : catalog.entries()) {
        if (!boot.bootable || !supportedPlatform(boot.platform)) {
            qDebug() << "BootLayout: boot entry left out, platform" << boot.platform << "bootable"
                     << boot.bootable;
            continue;
        }
        Entry entry;
        entry.boot = boot;
        entry.candidates = paths.value(boot.loadRba);
        entry.firstSector = readAt(isoPath, qint64(boot.loadRba) * kSector, kSector);
        m_Entries.append(entry);
    }
    if (!m_Entries.isEmpty())
        m_CatalogCandidates = paths.value(quint32(catalog.catalogSector()));
    return isBootable();
}

bool BootLayout::isWithin(const QString& path, const QString& folder)
{
    return path == folder || path.startsWith(folder + "/");
}

void BootLayout::dropWithin(QStringList* paths, const QString& folder)
{
    for (int i = paths->size() - 1; i >= 0; --i) {
        if (isWithin(paths->at(i), folder))
            paths->removeAt(i);
    }
}

QList<BootLayout::Entry> BootLayout::entriesBehind(const QString& path) const
{
    QList<Entry> behind;
    for (const Entry& entry : m_Entries) {
        QStringList left = entry.candidates;
        dropWithin(&left, path);
        if (!entry.candidates.isEmpty() && left.isEmpty())
            behind.append(entry);
    }
    return behind;
}

void BootLayout::followRename(const QString& oldPath, const QString& newPath)
{
    const auto follow = [&](QStringList* paths) {
        for (QString& path : *paths) {
            if (isWithin(path, oldPath))
                path = newPath + path.mid(oldPath.size());
        }
    };
    for (Entry& entry : m_Entries)
        follow(&entry.candidates);
    follow(&m_CatalogCandidates);
}

void BootLayout::forget(const QString& path)
{
    for (int i = m_Entries.size() - 1; i >= 0; --i) {
        Entry& entry = m_Entries[i];
        const bool hadFile = !entry.candidates.isEmpty();
        dropWithin(&entry.candidates, path);
        if (hadFile && entry.candidates.isEmpty()) {
            qDebug() << "BootLayout: boot entry dropped with its file, platform" << entry.boot.platform;
            m_Entries.removeAt(i);
        }
    }
    dropWithin(&m_CatalogCandidates, path);
}

bool BootLayout::sameBootSector(const QByteArray& a, const QByteArray& b, bool bootInfoTable)
{
    if (a.isEmpty() || a.size() != b.size())
        return false;
    if (!bootInfoTable || a.size() < kInfoTableEnd)
        return a == b;
    return a.left(kInfoTableStart) == b.left(kInfoTableStart)
        && a.mid(kInfoTableEnd) == b.mid(kInfoTableEnd);
}

QString BootLayout::matchingFile(const QString& workFolder, const Entry& entry)
{
    for (const QString& candidate : entry.candidates) {
        const QString path = workFolder + candidate;
        if (!QFileInfo(path).isFile())
            continue;
        const QByteArray head = readAt(path, 0, entry.firstSector.size());
        if (sameBootSector(head, entry.firstSector, entry.boot.bootInfoTable))
            return candidate;
    }
    return QString();
}

QString BootLayout::freeName(const QString& workFolder, const QString& base, const QString& suffix)
{
    QString name = base + suffix;
    for (int n = 2; QFileInfo::exists(workFolder + name); ++n)
        name = base + QString::number(n) + suffix;
    return name;
}

bool BootLayout::writeBootImage(const QString& isoPath, const BootEntry& boot, const QString& path)
{
    QFile iso(isoPath);
    QFile file(path);
    if (!iso.open(QIODevice::ReadOnly) || !file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    if (ElToritoCatalog::copyImage(iso, boot, file))
        return true;
    file.close();
    file.remove();
    return false;
}

// The copy written for the entry before, when it is still the file there
// (the same size and time: no file the user added took its place).
QString BootLayout::reusableName(int entry, const QString& workFolder) const
{
    const auto it = m_Written.constFind(entry);
    if (it == m_Written.constEnd())
        return QString();
    const QFileInfo info(workFolder + it->file);
    if (!info.isFile() || info.isSymLink() || info.size() != it->size || info.lastModified() != it->modified)
        return QString();
    return it->file;
}

SaveArguments BootLayout::plan(const QString& workFolder, const QString& isoPath,
                               const QString& initialBootFile, QStringList* problems) const
{
    SaveArguments arguments;
    for (int i = 0; i < m_Entries.size(); ++i) {
        const Entry& entry = m_Entries.at(i);
        BootImagePlan image;
        image.platform = entry.boot.platform;
        image.media = entry.boot.media;
        image.loadSize = entry.boot.sectorCount;
        image.loadSegment = entry.boot.loadSegment;
        image.file = matchingFile(workFolder, entry);
        if (!image.file.isEmpty()) {
            image.bootInfoTable = entry.boot.bootInfoTable;
            arguments.bootImages.append(image);
            continue;
        }
        // The boot image is no file of the image (or the user removed it):
        // the saved image carries a copy of it.
        image.file = reusableName(i, workFolder);
        if (image.file.isEmpty())
            image.file = freeName(workFolder, i == 0 ? "boot" : "boot" + QString::number(i + 1), ".bin");
        const QString target = workFolder + image.file;
        if (i == 0 && QFileInfo(initialBootFile).isFile())
            QFile::remove(target); // QFile::copy writes no file over another
        const bool written = i == 0 && QFileInfo(initialBootFile).isFile()
                                 ? QFile::copy(initialBootFile, target)
                                 : writeBootImage(isoPath, entry.boot, target);
        if (written) {
            arguments.bootImages.append(image);
            const QFileInfo info(target);
            m_Written.insert(i, {image.file, info.size(), info.lastModified()});
        }
        else if (problems)
            problems->append(QStringLiteral("boot entry %1 could not be copied").arg(i + 1));
    }
    for (const QString& candidate : m_CatalogCandidates) {
        if (QFileInfo(workFolder + candidate).isFile()) {
            arguments.catalogFile = candidate;
            break;
        }
    }
    // A catalog that is no file of the listing stays out of the copy's
    // listing too.
    if (arguments.catalogFile.isEmpty() && !arguments.bootImages.isEmpty()) {
        arguments.catalogFile = freeName(workFolder, "boot", ".catalog");
        arguments.hideCatalog = true;
    }
    return arguments;
}
