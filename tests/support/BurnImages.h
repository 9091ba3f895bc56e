#pragma once

#include <QString>

// Images and boots for the Burn tests.
namespace BurnImages {

// What the stand-in Windows boot manager writes to the first serial port.
extern const char kBootMarker[];

// A tiny real-mode program standing in for "/bootmgr": it writes
// kBootMarker to the serial port and halts (assembled with as and
// objcopy). Returns path, or empty when the tools failed.
QString bootManager(const QString& path);
// A Windows-like image made of folder (filled here): "/bootmgr",
// "/sources/boot.wim", "/sources/install.wim", "/read me.txt", and with
// efi "/EFI/BOOT/BOOTX64.EFI" (iPXE's EFI program). Empty on failure.
QString windowsLikeImage(const QString& folder, const QString& iso, bool efi = false);

// Boots a raw disk image in QEMU (BIOS, or UEFI with OVMF) and reads its
// first serial port until text appears or timeoutMs passes; true when it
// appeared. serial, when given, receives what was read.
bool bootShows(const QString& disk, const QString& text, bool uefi, int timeoutMs, QString* serial = nullptr);
// Boots a raw disk image with a network card and looks for text in the
// packets it sends (a network loader that prints only to the screen
// still names itself in its DHCP request).
bool bootSends(const QString& disk, const QByteArray& text, int timeoutMs);
// For programs that run as root with a loop device as the stand-in USB
// stick: sudo clears the environment, and with it the variable that names
// the stand-in for the disk tools; a stand-in sudo that keeps it goes first
// on PATH.
void keepEnvironmentThroughSudo();

// Why QEMU boots cannot run here; empty when they can.
QString qemuMissing(bool uefi);

} // namespace BurnImages
