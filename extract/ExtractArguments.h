#pragma once

#include <QString>
#include <QStringList>

// The archive tool's command line for extracting ticked entries of one
// folder of an image: "x", image, "-y", "-bb3", "-bsp2", "-o"+folder, one
// argument per entry (prefix + name), "-r".
class ExtractArguments
{
public:
    ExtractArguments(const QString& isoPath, const QString& outputFolder, const QString& prefix);

    // Adds a ticked entry of the folder; a name given twice counts once.
    void AddName(const QString& name);

    QStringList Names() const { return m_Names; }
    QStringList Arguments() const;

    // A name beginning with "-" or "@" would be read as a switch or a list
    // file; such lists end the switches with "--" before the names.
    static bool NeedsEndOfSwitches(const QString& argument);

private:
    QString m_IsoPath;
    QString m_OutputFolder;
    QString m_Prefix;
    QStringList m_Names;
};
