#include "extract/ExtractArguments.h"

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
    QStringList arguments = {"x", m_IsoPath, "-y", "-bb3", "-bsp2", "-o" + m_OutputFolder};
    if (endSwitches)
        return arguments << "-r" << "--" << entries;
    return arguments << entries << "-r";
}
