#include "burn/MountedImage.h"

#include "services/DiskTools.h"
#include "services/HdiutilOutput.h"
#include "services/ShortCommand.h"
#include "services/WimTool.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>

namespace {

// The entry of folder whose name is name in any case, empty if none.
QString entryIgnoringCase(const QString& folder, const QString& name)
{
    const QStringList entries = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return folder + "/" + entry;
    }
    return QString();
}

} // namespace

MountedImage::~MountedImage()
{
    release();
}

void MountedImage::inspect(const QString& iso)
{
    release();
    m_MountPoint.clear();
    m_BigWim = m_BootManager = false;
    m_IsolinuxConfig.clear();
    const ShortCommand::Result mounted = ShortCommand::runLine(DiskTools::mountImageCommand(iso));
    qDebug() << mounted.text();
    m_MountPoint = HdiutilOutput::mountPoint(mounted.text());
    if (m_MountPoint.isEmpty())
        return;
    m_Mounted = true;
    readContent();
    if (!m_BigWim)
        unmount(false);
}

void MountedImage::readContent()
{
    m_BigWim = WimTool::needsSplit(QFileInfo(wimPath()).size());
    m_BootManager = QFileInfo(entryIgnoringCase(m_MountPoint, "bootmgr")).isFile();
    if (QFileInfo(entryIgnoringCase(m_MountPoint, "isolinux.cfg")).isFile()) {
        m_IsolinuxConfig = "/isolinux.cfg";
        return;
    }
    const QString folder = entryIgnoringCase(m_MountPoint, "isolinux");
    if (!folder.isEmpty() && QFileInfo(entryIgnoringCase(folder, "isolinux.cfg")).isFile())
        m_IsolinuxConfig = "/isolinux/isolinux.cfg";
}

void MountedImage::release()
{
    if (m_Mounted)
        unmount(true);
}

void MountedImage::unmount(bool force)
{
    ShortCommand::runLine(DiskTools::unmountCommand(m_MountPoint, force));
    m_Mounted = false;
}
