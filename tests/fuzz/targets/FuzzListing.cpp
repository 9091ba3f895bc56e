#include "FuzzTarget.h"

#include "model/CTree.h"
#include "model/ListingParser.h"
#include "model/ListingReader.h"

#include <QStringList>

// The bytes are "7z l" output, delivered in pieces as the runner delivers
// it: the first byte seeds where the lines are cut.
void fuzzListing(const uint8_t* data, size_t size)
{
    if (size == 0)
        return;
    unsigned seed = data[0];
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data + 1), int(size - 1));
    CTree tree;
    ListingReader reader(tree);
    reader.Start("/fuzz/image.iso");
    for (const QString& line : text.split('\n')) {
        ListingParser::IsSeparator(line);
        ListingParser::ParseRow(line);
        ListingParser::IsToolError(line);
        ListingReader::CanBeginRow(line);
        ListingReader::MissingBlanks(line);
        int at = 0;
        while (at < line.size()) {
            seed = seed * 1103515245u + 12345u;
            const int piece = seed % 5 == 0 ? int(1 + (seed >> 8) % 40) : line.size() - at;
            reader.ReadLine(line.mid(at, piece));
            at += piece;
        }
        if (line.isEmpty())
            reader.ReadLine(line);
    }
    tree.TotalSize();
}
QUILLMERE_FUZZ_TARGET(fuzzListing)
