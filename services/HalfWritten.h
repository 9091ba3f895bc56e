#pragma once

#include <QString>

// The files and folders that this program has made and is still writing
// (a copy under its partial name, an image before it is renamed into
// place, a staging folder that a tool extracts into). When the program
// has to end in the middle of such work, discardAll() removes them, and
// nothing else: a path is tracked from just after the program made it
// until the work is complete or has been undone. Safe from any thread.
namespace HalfWritten {

void track(const QString& path);
void release(const QString& path);
// Removes every tracked path (a folder with everything in it, a link as a
// link) and keeps the list locked, so that no worker starts or finishes
// writing afterwards: only for the moment before the program exits.
void discardAll();
// The paths tracked now, for tests.
QStringList tracked();

} // namespace HalfWritten
