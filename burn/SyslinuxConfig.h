#pragma once

#include <QString>
#include <QStringList>

// The "/syslinux.cfg" written to the root of a USB drive made bootable
// with syslinux.
class SyslinuxConfig
{
public:
    // Chain-loads the Windows boot manager "/bootmgr" of the copied image.
    static QStringList windowsBootManager();
    // Hands over to the image's own isolinux configuration (a path from
    // the volume's root), so that the drive shows the image's own menu.
    static QStringList handOver(const QString& isolinuxConfig);
    // The configuration for an image: its isolinux configuration when it
    // has one and no boot manager, the boot manager chain otherwise.
    static QStringList forImage(bool hasBootManager, const QString& isolinuxConfig);
};
