#include "extract/ExtractArguments.h"

#include "services/ArchiveTool.h"

ExtractArguments::ExtractArguments(const QString& isoPath, const QString& prefix)
    : m_IsoPath(isoPath), m_Prefix(prefix)
{
}

void ExtractArguments::AddName(const QString& name)
{
    if (m_Seen.contains(name))
        return;
    m_Seen.insert(name);
    m_Names << name;
}

QStringList ExtractArguments::Paths() const
{
    QStringList paths;
    for (const QString& name : m_Names)
        paths << m_Prefix + name;
    return paths;
}

QByteArray ExtractArguments::ListFileText() const
{
    return ArchiveTool::listFileText(Paths());
}

QByteArray ExtractArguments::ExcludeFileText() const
{
    return ArchiveTool::listFileText(m_Excluded);
}

QStringList ExtractArguments::Arguments(const QString& listFile, const QString& excludeFile) const
{
    return ArchiveTool::extractArgs(m_IsoPath, listFile, excludeFile);
}
