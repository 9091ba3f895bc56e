#pragma once

#include <QString>

// What a burn needs to know of an image, read from it mounted with
// "hdiutil mount": the size of its Windows installation archive, whether
// it starts a Windows boot manager, and the isolinux configuration it
// boots with otherwise. The image stays mounted only while the archive has
// to be split from it; the object unmounts it at the latest when it dies.
class MountedImage
{
public:
    MountedImage() = default;
    ~MountedImage();
    MountedImage(const MountedImage&) = delete;
    MountedImage& operator=(const MountedImage&) = delete;

    // Mounts the image and reads it; leaves it mounted only for a big WIM.
    void inspect(const QString& iso);
    // Unmounts the image if it is still mounted.
    void release();

    QString mountPoint() const { return m_MountPoint; }
    bool bigWim() const { return m_BigWim; }
    bool isMounted() const { return m_Mounted; }
    QString wimPath() const { return m_MountPoint + "/sources/install.wim"; }
    bool hasBootManager() const { return m_BootManager; }
    // The image's isolinux configuration ("/isolinux.cfg" or
    // "/isolinux/isolinux.cfg"), empty when it has none.
    QString isolinuxConfig() const { return m_IsolinuxConfig; }

private:
    void readContent();
    void unmount(bool force);

    QString m_MountPoint;
    bool m_Mounted = false;
    bool m_BigWim = false;
    bool m_BootManager = false;
    QString m_IsolinuxConfig;
};
