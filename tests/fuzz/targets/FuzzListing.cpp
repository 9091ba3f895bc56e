#include "FuzzTarget.h"

#include "model/CTree.h"
#include "model/ListingParser.h"
#include "model/ListingReader.h"

#include <QStringList>

// The bytes are "7z l" output, handed to the reader in pieces cut
// anywhere, as reads end: the first byte seeds where.
void fuzzListing(const uint8_t* data, size_t size)
{
    if (size == 0)
        return;
    unsigned seed = data[0];
    const QByteArray output(reinterpret_cast<const char*>(data + 1), int(size - 1));
    for (const QString& line : QString::fromUtf8(output).split('\n')) {
        ListingParser::IsSeparator(line);
        ListingParser::ParseRow(line);
        ListingParser::IsToolError(line);
    }
    CTree tree;
    ListingReader reader(tree);
    reader.Start("/fuzz/image.iso");
    int at = 0;
    while (at < output.size()) {
        seed = seed * 1103515245u + 12345u;
        const int piece = int(1 + (seed >> 8) % 300);
        reader.ReadOutput(output.mid(at, piece));
        at += piece;
    }
    reader.EndOfOutput();
    tree.TotalSize();
}
QUILLMERE_FUZZ_TARGET(fuzzListing)
