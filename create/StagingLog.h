#pragma once

#include <QList>
#include <QString>

class CFileCopy;

// The copies and removals that built the Create page's staging folder, in
// order and without the steps a later removal made pointless. The page
// empties the folder once an image has been made from it and replays the
// log when the collection is to be written again, so that the staging copy
// is held only while it is needed.
class StagingLog
{
public:
    struct Step {
        int type = 0;        // a CFileCopy task type: Copy or Delete
        QString source;      // the file or folder on disk (copies only)
        QString destination; // relative to the staging folder
        QString itemPath;    // the collection entry the step makes or removes
    };

    // A copy of source to the staging folder's destination, which makes
    // the entry itemPath (a folder is copied into destination by its name).
    void copied(const QString& itemPath, const QString& source, const QString& destination);
    // The entry itemPath and everything below it left the collection.
    void removed(const QString& itemPath);
    const QList<Step>& steps() const { return m_Steps; }
    // Queues every step again on the copier, below stagingFolder ("/" at its end).
    void replay(CFileCopy& copier, const QString& stagingFolder) const;

private:
    static bool isWithin(const QString& path, const QString& folder);

    QList<Step> m_Steps;
};
