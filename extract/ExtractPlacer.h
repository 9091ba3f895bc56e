#pragma once

#include "extract/ReplaceChoices.h"

#include <QString>
#include <QStringList>

// Moves the entries that the archive tool extracted into a fresh staging
// folder (in the image's folder structure) to the top of the destination
// folder, with the outcome the tool itself gives when it extracts into the
// destination: a same-named folder is merged into, and a same-named file is
// replaced only as the user chose (SetReplaceChoices); otherwise the
// user's file is kept. Nothing else of the destination is touched. An entry that
// meets an entry of the other kind (a file where a folder is, or the
// reverse) is not placed and stays in the staging folder.
class ExtractPlacer
{
public:
    ExtractPlacer(const QString& stagingDir, const QString& prefix, const QString& destDir);

    // What a path holds; a symbolic link counts as a file: it is replaced,
    // never followed.
    enum class Kind { None, File, Folder };
    static Kind KindOf(const QString& path);

    void SetReplaceChoices(const ReplaceChoices& choices) { m_Choices = choices; }

    // Places each name (an entry of the folder prefix of the image).
    // True when every one was placed or kept back by the user's choice.
    bool Place(const QStringList& names);
    // Names that the tool did not extract.
    QStringList Missing() const { return m_Missing; }
    // Paths inside the image that were not placed because a name in them
    // cannot be a name on disk ("", ".", "..", a name holding "/").
    QStringList Refused() const { return m_Refused; }
    // Paths below the destination that could not be placed; their
    // extracted copies are still in the staging folder.
    QStringList NotPlaced() const { return m_NotPlaced; }

    // Paths below the destination whose same-named files the user kept;
    // the extracted copies went with the staging folder.
    QStringList Kept() const { return m_Kept; }

    // Removes the staging folder with everything in it when nothing had to
    // be kept there; true when it is gone.
    bool RemoveStaging();

private:
    void place(const QString& source, const QString& target, const QString& shownPath);
    void mergeFolder(const QString& source, const QString& target, const QString& shownPath);
    static bool renameOver(const QString& source, const QString& target);

    QString m_StagingDir;
    QString m_Prefix;
    QString m_DestDir;
    QStringList m_Missing;
    QStringList m_NotPlaced;
    QStringList m_Refused;
    QStringList m_Kept;
    ReplaceChoices m_Choices;
};
