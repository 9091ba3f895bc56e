#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

// The archive tool's command line for extracting ticked entries of one
// folder of an image. The entries (prefix + name) go into a list file
// rather than onto the command line, so that any number of them fits and
// each is matched literally.
class ExtractArguments
{
public:
    ExtractArguments(const QString& isoPath, const QString& prefix);

    // Adds a ticked entry of the folder; a name given twice counts once.
    void AddName(const QString& name);

    // Leaves out an entry inside a ticked folder (its path in the image).
    void AddExcluded(const QString& path) { m_Excluded << path; }

    QStringList Names() const { return m_Names; }
    QStringList Excluded() const { return m_Excluded; }
    // Prefix + name of each entry, in order.
    QStringList Paths() const;
    // The text of the list file that Arguments(listFile) names.
    QByteArray ListFileText() const;
    QByteArray ExcludeFileText() const;
    // excludeFile: the file holding ExcludeFileText(), or empty when
    // nothing is left out.
    QStringList Arguments(const QString& listFile, const QString& excludeFile = QString()) const;

private:
    QString m_IsoPath;
    QString m_Prefix;
    QStringList m_Names;
    QSet<QString> m_Seen;
    QStringList m_Excluded;
};
