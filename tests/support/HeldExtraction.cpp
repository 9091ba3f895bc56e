#include "HeldExtraction.h"

#include "TestSupport.h"
#include "services/ArchiveTool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const char kRealSuffix[] = ".real";

// sh: each gate is a file that the test creates to open it; the script
// marks its arrival with another file. A run asked to end (SIGTERM, as the
// page ends a run) ends the real 7z with it.
QString script(const QString& real, const QString& gates)
{
    return QString("#!/bin/sh\n"
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
                   "exit $code\n")
        .arg(real, gates);
}

} // namespace

HeldExtraction::HeldExtraction()
{
    const QString tool = this->tool();
    m_Gates = QFileInfo(tool).absolutePath() + "/gates";
    QDir().mkpath(m_Gates);
    const QString real = QFileInfo(tool).canonicalFilePath();
    if (!QFile::rename(tool, tool + kRealSuffix))
        qFatal("HeldExtraction: cannot move %s aside", qPrintable(tool));
    TestSupport::writeFile(tool, script(real, m_Gates).toUtf8());
    QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

HeldExtraction::~HeldExtraction()
{
    open(Start);
    open(End);
    QFile::remove(tool());
    QFile::rename(tool() + kRealSuffix, tool());
}

QString HeldExtraction::tool() const
{
    return ArchiveTool::program();
}

QString HeldExtraction::gateFile(Gate gate, const QString& state) const
{
    return m_Gates + "/" + state + "-" + (gate == Start ? "start" : "end");
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
