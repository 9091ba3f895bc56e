#include "extract/ExtractPlacer.h"

#include "model/Item.h"
#include "services/Util.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>

ExtractPlacer::Kind ExtractPlacer::KindOf(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink())
        return Kind::File;
    if (!info.exists())
        return Kind::None;
    return info.isDir() ? Kind::Folder : Kind::File;
}

ExtractPlacer::ExtractPlacer(const QString& stagingDir, const QString& prefix, const QString& destDir)
    : m_StagingDir(stagingDir), m_Prefix(prefix), m_DestDir(destDir)
{
    if (!m_Prefix.isEmpty() && !m_Prefix.endsWith('/'))
        m_Prefix += '/';
}

// Every component of the prefix and each name must be a plain name, so
// that neither the source nor the target can lie outside its folder.
bool ExtractPlacer::Place(const QStringList& names)
{
    QStringList folders = m_Prefix.split('/');
    folders.removeLast(); // after the prefix's trailing "/"
    const bool plainPrefix =
        std::all_of(folders.cbegin(), folders.cend(), [](const QString& folder) { return Item::IsPlainName(folder); });
    for (const QString& name : names) {
        if (!plainPrefix || !Item::IsPlainName(name)) {
            m_Refused << m_Prefix + name;
            continue;
        }
        const QString source = m_StagingDir + "/" + m_Prefix + name;
        if (KindOf(source) == Kind::None) {
            m_Missing << name;
            continue;
        }
        place(source, m_DestDir + "/" + name, name);
    }
    return m_Missing.isEmpty() && m_NotPlaced.isEmpty() && m_Refused.isEmpty();
}

void ExtractPlacer::place(const QString& source, const QString& target, const QString& shownPath)
{
    const Kind sourceKind = KindOf(source);
    const Kind targetKind = KindOf(target);
    if (sourceKind == Kind::File && targetKind == Kind::File && !m_Choices.ShouldReplace(shownPath)) {
        m_Kept << shownPath;
    } else if (targetKind == Kind::None || (sourceKind == Kind::File && targetKind == Kind::File)) {
        if (!renameOver(source, target))
            m_NotPlaced << shownPath;
    } else if (sourceKind == Kind::Folder && targetKind == Kind::Folder) {
        mergeFolder(source, target, shownPath);
    } else {
        m_NotPlaced << shownPath;
    }
}

void ExtractPlacer::mergeFolder(const QString& source, const QString& target, const QString& shownPath)
{
    QDir folder(source);
    const QStringList entries =
        folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& entry : entries)
        place(source + "/" + entry, target + "/" + entry, shownPath + "/" + entry);
    QDir().rmdir(source);
}

// rename(2) replaces a file at the target in one step, so a same-named file
// of the destination is never lost without its replacement in place.
bool ExtractPlacer::renameOver(const QString& source, const QString& target)
{
    return std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) == 0;
}

bool ExtractPlacer::RemoveStaging()
{
    if (!m_NotPlaced.isEmpty())
        return false;
    const QFileInfo staging(m_StagingDir);
    if (!staging.exists() && !staging.isSymLink())
        return true;
    Util::RemoveDir(m_StagingDir);
    return !QFileInfo(m_StagingDir).exists() && !QFileInfo(m_StagingDir).isSymLink();
}
