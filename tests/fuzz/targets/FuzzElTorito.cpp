#include "FuzzTarget.h"

#include "services/ElToritoCatalog.h"

#include <QBuffer>

// The bytes are an image: its boot record, catalog and boot images.
void fuzzElTorito(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), int(size));
    ElToritoCatalog::parseCatalog(bytes);
    QBuffer iso(&bytes);
    iso.open(QIODevice::ReadOnly);
    ElToritoCatalog catalog;
    if (!catalog.read(iso))
        return;
    for (const BootEntry& entry : catalog.entries()) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        if (ElToritoCatalog::copyImage(iso, entry, out) && out.size() > iso.size())
            __builtin_trap(); // a copy is never longer than the image
    }
}
QUILLMERE_FUZZ_TARGET(fuzzElTorito)
