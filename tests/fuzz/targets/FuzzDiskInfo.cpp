#include "FuzzTarget.h"

#include "services/DiskInfoParser.h"
#include "services/DriveListParser.h"

#include <QStringList>

// The bytes are "diskutil info", "diskutil list" or "drutil status" output.
void fuzzDiskInfo(const uint8_t* data, size_t size)
{
    const QString info = DiskInfoParser::text(QByteArray(reinterpret_cast<const char*>(data), int(size)));
    DiskInfoParser::diskSize(info);
    DiskInfoParser::mountPoint(info);
    DiskInfoParser::isOptical(info);
    DiskInfoParser::isRemovableUsb(info);
    DriveListParser::StatusState state;
    for (const QString& line : info.split('\n')) {
        DriveListParser::usbCandidate(line);
        DriveListParser::readStatusLine(line, state);
    }
}
QUILLMERE_FUZZ_TARGET(fuzzDiskInfo)
