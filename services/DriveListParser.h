#pragma once

#include <QString>
#include <optional>

// Reads the drive lists of "diskutil list" (USB disks) and "drutil status"
// (optical drives), one output line at a time.
class DriveListParser
{
public:
    // The device path of a "diskutil list" line of an external physical
    // whole disk ("/dev/disk2 (external, physical):"), else empty.
    static QString usbCandidate(const QString& line);

    struct OpticalDrive
    {
        QString text;   // vendor and product words, then the device in parentheses
        QString device; // the device path alone
    };
    // What is read of "drutil status" between lines: the drive table's
    // header was seen, and the words and device of the entry being built.
    struct StatusState
    {
        bool headerSeen = false;
        QString pendingVendor;
        QString pendingName;
    };
    // Whether a " Name:" field read before any header line makes a drive.
    enum class HeaderRule
    {
        NameNeedsHeader, // the drive discovery: no header, no drive
        VendorNeedsHeader // the Copy Disk page: such a drive has no vendor words
    };
    // Reads one "drutil status" line; returns the drive whose entry the
    // line completes. After the header line ("Vendor   Product
    // Rev") the first line gives the vendor words, a later " Name:" field
    // with a value the device; rule says what a " Name:" field without a
    // header does.
    static std::optional<OpticalDrive> readStatusLine(const QString& line, StatusState& state,
                                                      HeaderRule rule = HeaderRule::NameNeedsHeader);
};
