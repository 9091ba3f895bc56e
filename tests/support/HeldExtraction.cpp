#include "HeldExtraction.h"

#include "TestSupport.h"

#include <QFile>

namespace {

// sh: each gate is a file that the test creates to open it; the script
// marks its arrival with another file. A run asked to end (SIGTERM, as the
// page ends a run) ends the real 7z with it.
const char kScript[] = "#!/bin/sh\n"
                       "# 7z held at two gates for whole-image extractions.\n"
                       "[ \"$1\" = x ] || exec '%1' \"$@\"\n"
                       "child=\n"
                       "trap '[ -n \"$child\" ] && kill $child 2>/dev/null; exit 143' TERM\n"
                       "hold() {\n"
                       "  : > '%2/at-'$1\n"
                       "  while [ ! -e '%2/open-'$1 ]; do sleep 0.02 & child=$!; wait $child; done\n"
                       "}\n"
                       "hold start\n"
                       "'%1' \"$@\" & child=$!\n"
                       "wait $child; code=$?\n"
                       "hold end\n"
                       "exit $code\n";

} // namespace

HeldExtraction::HeldExtraction() : m_StandIn(kScript) {}

HeldExtraction::~HeldExtraction()
{
    open(Start);
    open(End);
}

QString HeldExtraction::gateFile(Gate gate, const QString& state) const
{
    return m_StandIn.folder() + "/" + state + "-" + (gate == Start ? "start" : "end");
}

void HeldExtraction::closeGates()
{
    for (Gate gate : {Start, End}) {
        QFile::remove(gateFile(gate, "open"));
        QFile::remove(gateFile(gate, "at"));
    }
}

void HeldExtraction::open(Gate gate)
{
    TestSupport::writeFile(gateFile(gate, "open"), QByteArray());
}

bool HeldExtraction::isAt(Gate gate) const
{
    return QFile::exists(gateFile(gate, "at"));
}

bool HeldExtraction::waitUntilAt(Gate gate, int timeoutMs) const
{
    return TestSupport::waitUntil([&] { return isAt(gate); }, timeoutMs);
}
