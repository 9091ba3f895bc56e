#include "create/StagingLog.h"

#include "services/CFileCopy.h"

#include <QDir>

bool StagingLog::isWithin(const QString& path, const QString& folder)
{
    return path == folder || path.startsWith(folder + "/");
}

void StagingLog::copied(const QString& itemPath, const QString& source, const QString& destination)
{
    m_Steps.append(Step{CFileCopy::Copy, source, destination, itemPath});
}

void StagingLog::removed(const QString& itemPath)
{
    // Steps that only made or removed what is gone now need not run again.
    for (int i = m_Steps.size() - 1; i >= 0; --i) {
        if (isWithin(m_Steps.at(i).itemPath, itemPath))
            m_Steps.removeAt(i);
    }
    // A folder copied as a whole still brings the entry along.
    for (const Step& step : m_Steps) {
        if (step.type == CFileCopy::Copy && isWithin(itemPath, step.itemPath)) {
            m_Steps.append(Step{CFileCopy::Delete, QString(), itemPath, itemPath});
            return;
        }
    }
}

void StagingLog::replay(CFileCopy& copier, const QString& stagingFolder) const
{
    QDir().mkpath(stagingFolder);
    for (const Step& step : m_Steps) {
        const QString target = QDir::cleanPath(stagingFolder + step.destination);
        if (step.type == CFileCopy::Delete)
            copier.AddTask(target, QString(), CFileCopy::Delete);
        else
            copier.AddTask(step.source, target, CFileCopy::Copy);
    }
}
