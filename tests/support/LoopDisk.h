#pragma once

#include <QProcessEnvironment>
#include <QString>

// A loop device over a file of its own, standing in for a USB stick in tests
// that run as root. Made with "losetup -f" (never a fixed number) and taken
// apart when the object goes, also after a failed check: every file system
// mounted from it (the kernel's or FUSE's) is unmounted, its partitions are
// removed from the kernel and the device is detached. Loop devices of
// others are never touched.
//
//   if (!LoopDisk::missingReason().isEmpty()) QSKIP(...);
//   LoopDisk stick(64 * 1024 * 1024);
//   QProcess diskutil; diskutil.setProcessEnvironment(stick.usbEnvironment());
//   diskutil.start(testbin + "/disktools/diskutil", {"partitionDisk", stick.device(), ...});
class LoopDisk
{
public:
    explicit LoopDisk(qint64 bytes = 64 * 1024 * 1024);
    ~LoopDisk();
    LoopDisk(const LoopDisk&) = delete;
    LoopDisk& operator=(const LoopDisk&) = delete;

    // Why loop devices with FAT through FUSE cannot be used here; empty
    // when they can (root, losetup, /dev/fuse, fusefat).
    static QString missingReason();

    bool isValid() const { return !m_Device.isEmpty(); }
    QString device() const { return m_Device; }   // /dev/loopN
    QString partition(int number) const;         // /dev/loopNpM
    QString imagePath() const { return m_Image; }
    // The environment of this process with this device named as the stand-in
    // USB disk of the disk tools (QUILLMERE_TEST_USB_DISK).
    QProcessEnvironment usbEnvironment() const;
    // The first bytes of the device, to see that nothing was written.
    QByteArray head(int bytes = 2 * 1024 * 1024) const;
    // Unmounts everything mounted from the device and its partitions.
    void unmountAll() const;

private:
    QString m_Image;
    QString m_Device;
};
