#pragma once

#include <QString>
#include <memory>

class QLockFile;

// A private working folder for one Create or Edit page, below
// Util::GetTempDir() + "/work/". The folder "<kind>-<unique>" is held by the
// lock file "<kind>-<unique>.lock" beside it (never inside, so that an image
// made from the folder never carries it) for as long as the object lives.
// A folder whose lock is free belongs to no live page: removeStale() deletes
// it, so pages never remove or change each other's staging.
class WorkFolder
{
public:
    explicit WorkFolder(const QString& kind);
    ~WorkFolder();
    WorkFolder(const WorkFolder&) = delete;
    WorkFolder& operator=(const WorkFolder&) = delete;

    // Absolute, with a trailing "/".
    QString path() const;
    QString pathWithoutSlash() const;
    bool isValid() const;

    // Removes the folders (and lock files) that no live page holds.
    static void removeStale();
    // The folder that holds every page's working folder, with a trailing "/".
    static QString baseFolder();

private:
    bool claim(const QString& name);

    std::unique_ptr<QLockFile> m_Lock;
    QString m_Path;
};
