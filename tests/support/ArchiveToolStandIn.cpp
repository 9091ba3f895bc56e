#include "ArchiveToolStandIn.h"

#include "TestSupport.h"
#include "services/ArchiveTool.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const char kRealSuffix[] = ".real";

} // namespace

ArchiveToolStandIn::ArchiveToolStandIn(const QString& script)
{
    const QString tool = this->tool();
    m_Folder = QFileInfo(tool).absolutePath() + "/stand-in";
    QDir().mkpath(m_Folder);
    const QString real = QFileInfo(tool).canonicalFilePath();
    if (!QFile::rename(tool, tool + kRealSuffix))
        qFatal("ArchiveToolStandIn: cannot move %s aside", qPrintable(tool));
    TestSupport::writeFile(tool, script.arg(real, m_Folder).toUtf8());
    QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

ArchiveToolStandIn::~ArchiveToolStandIn()
{
    QFile::remove(tool());
    QFile::rename(tool() + kRealSuffix, tool());
}

QString ArchiveToolStandIn::tool()
{
    return ArchiveTool::program();
}
