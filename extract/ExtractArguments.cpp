#include "extract/ExtractArguments.h"

#include "services/ArchiveTool.h"

ExtractArguments::ExtractArguments(const QString& isoPath, const QString& outputFolder, const QString& prefix)
    : m_IsoPath(isoPath), m_OutputFolder(outputFolder), m_Prefix(prefix)
{
}

void ExtractArguments::AddName(const QString& name)
{
    if (!m_Names.contains(name))
        m_Names << name;
}

bool ExtractArguments::NeedsEndOfSwitches(const QString& argument)
{
    return argument.startsWith('-') || argument.startsWith('@');
}

QStringList ExtractArguments::Arguments() const
{
    QStringList entries;
    bool endSwitches = false;
    for (const QString& name : m_Names) {
        entries << m_Prefix + name;
        endSwitches = endSwitches || NeedsEndOfSwitches(entries.last());
    }
    if (!endSwitches)
        return ArchiveTool::extractArgs(m_IsoPath, m_OutputFolder, entries);
    QStringList arguments = ArchiveTool::extractArgs(m_IsoPath, m_OutputFolder, {});
    return arguments << "--" << entries;
}
