#pragma once

#include <QString>

// Stand-ins that let the tools work on a machine without a USB stick or an
// optical drive, for tests:
//
//   QUILLMERE_TEST_USB_DISK=/dev/loop3
//       names a loop device that the tools treat as a removable USB disk:
//       listed as "(external, physical)" with "Protocol: USB" and
//       "Removable Media: Removable", and so open to partitionDisk,
//       unmountDisk and mount. Other loop devices stay "(disk image)".
//       Only a loop device is taken.
//
//   QUILLMERE_TEST_OPTICAL_DRIVE=/path/to/disc.bin
//       names a file that "drutil status" lists as an optical drive (first,
//       with its path as the drive's Name) and that "hdiutil burn" writes to
//       as to a disc (a blank DVD-R while the file is missing or empty).
class StandIns
{
public:
    static const char* usbDiskVariable() { return "QUILLMERE_TEST_USB_DISK"; }
    static const char* opticalDriveVariable() { return "QUILLMERE_TEST_OPTICAL_DRIVE"; }
    // The canonical paths the variables name, empty when unset.
    static QString usbDisk();
    static QString opticalDrive();
};
