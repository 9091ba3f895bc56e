#include "FakeTool.h"

#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <algorithm>

namespace {

// A case pattern for sh: literal text quoted, "*" and "?" left to match.
QString shellPattern(const QString& pattern)
{
    if (pattern.isEmpty())
        return "''";
    QString out;
    QString literal;
    auto flush = [&] {
        if (!literal.isEmpty())
            out += "'" + QString(literal).replace("'", "'\\''") + "'";
        literal.clear();
    };
    for (const QChar c : pattern) {
        if (c == '*' || c == '?') {
            flush();
            out += c;
        } else {
            literal += c;
        }
    }
    flush();
    return out;
}

QString quoted(const QString& text)
{
    return "'" + QString(text).replace("'", "'\\''") + "'";
}

QString replyCommands(const FakeTool::Reply& reply, const QString& outputFile)
{
    QString commands;
    if (!reply.writtenAfter.isEmpty()) {
        commands += "out=; prev=; for arg in \"$@\"; do [ \"$prev\" = " + quoted(reply.writtenAfter) +
                    " ] && out=$arg; prev=$arg; done; cat " + quoted(outputFile + ".written") + " > \"$out\"; ";
    }
    if (reply.delayMs > 0) {
        commands += QString("sleep %1.%2 & sleeper=$!; trap 'kill $sleeper 2>/dev/null; exit 143' TERM; "
                            "wait $sleeper; trap - TERM; ")
                        .arg(reply.delayMs / 1000)
                        .arg(reply.delayMs % 1000, 3, 10, QChar('0'));
    }
    commands += "cat " + quoted(outputFile) + "; ";
    if (reply.crash)
        commands += "ulimit -c 0; kill -SEGV $$; ";
    commands += QString("exit %1").arg(reply.exitCode);
    return commands;
}

} // namespace

FakeTool::FakeTool(const QString& name)
    : m_Name(name)
{
    const QByteArray path = qgetenv("PATH");
    const QByteArray dir = QFile::encodeName(folder());
    if (!path.startsWith(dir + ":"))
        qputenv("PATH", dir + ":" + path);
    clearCalls();
    writeScript();
}

FakeTool::~FakeTool()
{
    QFile::remove(path());
    QFile::remove(callsFile());
    for (int i = 0; i <= m_Rules.size(); ++i) {
        QFile::remove(replyFile(i));
        QFile::remove(replyFile(i) + ".written");
    }
}

QString FakeTool::folder()
{
    static const QString dir = TestSupport::freshDir("fake-tools");
    return dir;
}

QString FakeTool::path() const
{
    return folder() + "/" + m_Name;
}

QString FakeTool::replyFile(int index) const
{
    return folder() + "/." + m_Name + ".reply" + QString::number(index);
}

QString FakeTool::callsFile() const
{
    return folder() + "/." + m_Name + ".calls";
}

FakeTool& FakeTool::on(const QString& pattern, const Reply& reply)
{
    auto same = std::find_if(m_Rules.begin(), m_Rules.end(), [&](const Rule& rule) { return rule.pattern == pattern; });
    if (same != m_Rules.end())
        same->reply = reply;
    else
        m_Rules.append({pattern, reply});
    writeScript();
    return *this;
}

FakeTool& FakeTool::onFixture(const QString& pattern, const QString& fixturePath, int exitCode, int delayMs)
{
    QFile fixture(fixturePath);
    if (!fixture.open(QIODevice::ReadOnly))
        qFatal("FakeTool: cannot read the fixture %s", qPrintable(fixturePath));
    return on(pattern, Reply{fixture.readAll(), exitCode, delayMs, false});
}

FakeTool& FakeTool::otherwise(const Reply& reply)
{
    m_Otherwise = reply;
    writeScript();
    return *this;
}

QString FakeTool::journalFile()
{
    return folder() + "/.journal";
}

namespace {

// One call per line, each argument ended by the unit separator.
QList<QStringList> readCalls(const QString& file)
{
    QList<QStringList> result;
    const QList<QByteArray> lines = TestSupport::readFile(file).split('\n');
    for (const QByteArray& line : lines) {
        if (line.isEmpty() && &line == &lines.last())
            break;
        QStringList args = QString::fromLocal8Bit(line).split(QChar(0x1f));
        args.removeLast(); // each argument ends with the separator
        result << args;
    }
    return result;
}

} // namespace

QList<QStringList> FakeTool::calls() const
{
    return readCalls(callsFile());
}

QList<QStringList> FakeTool::journal()
{
    return readCalls(journalFile());
}

void FakeTool::clearJournal()
{
    TestSupport::writeFile(journalFile(), QByteArray());
}

void FakeTool::clearCalls()
{
    TestSupport::writeFile(callsFile(), QByteArray());
}

void FakeTool::writeScript() const
{
    QString script = "#!/bin/sh\n# A fake " + m_Name + " written by FakeTool.\n";
    script += "{ for arg in \"$@\"; do printf '%s\\037' \"$arg\"; done; printf '\\n'; } >> " +
              quoted(callsFile()) + "\n";
    script += "{ printf '%s\\037' " + quoted(m_Name) + "; for arg in \"$@\"; do printf '%s\\037' \"$arg\"; done; "
              "printf '\\n'; } >> " + quoted(journalFile()) + "\n";
    script += "case \"$*\" in\n";
    for (int i = 0; i < m_Rules.size(); ++i) {
        TestSupport::writeFile(replyFile(i), m_Rules[i].reply.output);
        TestSupport::writeFile(replyFile(i) + ".written", m_Rules[i].reply.written);
        script += "  " + shellPattern(m_Rules[i].pattern) + ") " + replyCommands(m_Rules[i].reply, replyFile(i)) +
                  " ;;\n";
    }
    const QString otherwiseFile = replyFile(m_Rules.size());
    TestSupport::writeFile(otherwiseFile, m_Otherwise.output);
    TestSupport::writeFile(otherwiseFile + ".written", m_Otherwise.written);
    script += "  *) " + replyCommands(m_Otherwise, otherwiseFile) + " ;;\nesac\n";

    QSaveFile file(path());
    if (!file.open(QIODevice::WriteOnly) || file.write(script.toLocal8Bit()) < 0 || !file.commit())
        qFatal("FakeTool: cannot write %s", qPrintable(path()));
    QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup |
                                      QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
}
