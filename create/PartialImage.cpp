#include "create/PartialImage.h"

#include <QFile>
#include <QFileInfo>

PartialImage::PartialImage(const QString& path)
    : m_Path(path)
{
    const QFileInfo info(path);
    m_Existed = info.exists();
    if (m_Existed) {
        m_Size = info.size();
        m_Modified = info.lastModified();
    }
}

bool PartialImage::writtenByRun() const
{
    const QFileInfo info(m_Path);
    // Devices, folders and links are never an image this run made.
    if (!info.isFile() || info.isSymLink())
        return false;
    return !m_Existed || info.size() != m_Size || info.lastModified() != m_Modified;
}

bool PartialImage::discard() const
{
    if (m_Path.isEmpty() || !writtenByRun())
        return false;
    return QFile::remove(m_Path);
}
