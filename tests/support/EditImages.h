#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Images and readers for the Edit page's tests.
namespace EditImages {

// A BIOS-bootable isolinux image whose prompt goes to the serial port;
// empty when isolinux is not installed or mkisofs failed.
QString buildIsolinuxImage(const QString& folder);
// The same image with a second, UEFI entry (a stand-in "efi.img"), as
// installer images have; empty on failure.
QString buildIsolinuxUefiImage(const QString& folder);
// Gives the image a master boot record with the system's isohybrid
// (--uefi: also a GPT); returns iso, empty on failure.
QString makeHybrid(const QString& iso, bool uefi);
// The "System area summary" xorriso reports ("MBR isohybrid cyl-align-on
// GPT"); empty for an image without one.
QString systemAreaSummary(const QString& iso);

QByteArray randomBytes(int size);
// A disk image of the given number of 512-byte sectors with one partition
// in its master boot record, from sector 1 to its end.
QByteArray hardDiskImage(quint32 sectors);

// "Platform Emulation LoadSize" of each boot entry, as xorriso reports them.
QStringList bootEntries(const QString& iso);

// The file path of each boot image, as xorriso reports them ("" for an
// image that is no file of the image).
QStringList bootImagePaths(const QString& iso);

// The labels of the primary volume descriptor and whether there is a
// Joliet tree, as isoinfo reports them.
QStringList volumeLabels(const QString& iso);

// Every path of the Joliet tree, sorted; empty without one.
QStringList jolietNames(const QString& iso);

// "path size" of every file and "path/" of every folder, as 7z lists the
// image, without 7z's "[BOOT]" pseudo folder and the boot catalog's size;
// sorted.
QStringList contentListing(const QString& iso);


// Boots the image in QEMU until the text appears on the serial port or the
// time runs out; returns what the serial port printed.
// hardDisk: the image is the machine's hard disk, as on a USB stick,
// instead of its CD.
QString bootSerialOutput(const QString& iso, const QString& expected, int timeoutMs, bool hardDisk = false);

} // namespace EditImages
