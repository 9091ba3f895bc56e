#include "FuzzTarget.h"

#include "edit/IsoDirectory.h"

#include <QBuffer>

// The bytes are an image: its volume descriptors and directory trees. The
// sectors looked for are every sector the first records could name.
void fuzzIsoDirectory(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    for (int offset = 0; offset < bytes.size() && offset < 4096;) {
        const IsoDirectory::Record record = IsoDirectory::parseRecord(bytes, offset, offset % 2 == 1);
        offset += record.size > 0 ? record.size : 1;
    }
    QBuffer iso(&bytes);
    iso.open(QIODevice::ReadOnly);
    QSet<quint32> sectors;
    for (quint32 sector = 0; sector < 64; ++sector)
        sectors.insert(sector);
    IsoDirectory::pathsAtSectors(iso, sectors);
}
QUILLMERE_FUZZ_TARGET(fuzzIsoDirectory)
