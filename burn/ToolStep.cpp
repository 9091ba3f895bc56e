#include "burn/ToolStep.h"

#include "services/ArchiveTool.h"
#include "services/CRunCommandThread.h"

namespace {
const int kKeptLines = 40;
}

ToolStep::ToolStep(CRunCommandThread* runner) : m_Runner(runner)
{
    connect(runner, &CRunCommandThread::standoutputline, this, &ToolStep::keep);
}

RunResult ToolStep::run(const QString& program, const QStringList& args)
{
    m_Lines.clear();
    m_Runner->SetRunCmd(program, args);
    m_Runner->start(QThread::InheritPriority);
    m_Runner->waitFinished();
    return m_Runner->result();
}

void ToolStep::keep(const QString& line)
{
    const QStringList parts = ArchiveTool::redrawParts(line);
    for (const QString& part : parts)
        m_Lines << part.trimmed();
    while (m_Lines.size() > kKeptLines)
        m_Lines.removeFirst();
}

QString ToolStep::message() const
{
    return messageOf(m_Lines);
}

namespace {

bool startsAsError(const QString& line)
{
    return line.startsWith("error", Qt::CaseInsensitive) || line.startsWith("[error", Qt::CaseInsensitive);
}

bool mentionsError(const QString& line)
{
    return line.contains("error", Qt::CaseInsensitive);
}

bool hasText(const QString& line)
{
    return !line.isEmpty();
}

} // namespace

// Tools end with a summary ("Archives with Errors: 1"): a line that
// begins as an error message says more than one that mentions errors.
QString ToolStep::messageOf(const QStringList& lines)
{
    for (auto wanted : {startsAsError, mentionsError, hasText}) {
        for (int i = lines.size() - 1; i >= 0; --i) {
            const QString line = lines.at(i).trimmed();
            if (wanted(line))
                return line;
        }
    }
    return QString();
}
