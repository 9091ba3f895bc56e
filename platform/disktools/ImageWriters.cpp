#include "platform/disktools/ImageWriters.h"

#include "platform/disktools/Console.h"
#include "platform/disktools/ToolProgress.h"

#include <QRegularExpression>
#include <optional>

namespace {

using Reader = std::optional<double> (*)(const QString&);

// Runs a writing tool and turns its progress into rising progress lines.
ImageWriters::Outcome follow(const QString& tool, const QStringList& arguments, Reader reader, bool quiet)
{
    ImageWriters::Outcome outcome;
    double shown = 0;
    outcome.run = SystemTool::follow(tool, arguments, [&](const QString& line) {
        const std::optional<double> fraction = reader(line);
        if (fraction && *fraction > shown) {
            shown = *fraction;
            Console::out(ToolProgress::line(shown));
        } else if (!fraction && !quiet && !line.trimmed().isEmpty()) {
            Console::out(line + "\n");
        }
        if (ImageWriters::isErrorLine(line))
            outcome.errorLines << line.trimmed();
    });
    if (outcome.ok() && shown < 1)
        Console::out(ToolProgress::line(1));
    return outcome;
}

} // namespace

QString ImageWriters::Outcome::failureText() const
{
    return errorLines.isEmpty() ? run.failureText() : errorLines.join("; ");
}

bool ImageWriters::isErrorLine(const QString& line)
{
    static const QRegularExpression error(": (FAILURE|SORRY|FATAL|ABORT) :|^genisoimage: |[Ee]rror");
    return error.match(line).hasMatch();
}

QStringList ImageWriters::burnArguments(const QString& image, const QString& target, const BurnOptions& options)
{
    QStringList arguments{"-as", "cdrecord", "-v", "dev=" + target};
    if (options.erase)
        arguments << "blank=as_needed";
    if (options.eject)
        arguments << "-eject";
    return arguments << image;
}

QString ImageWriters::volumeId(const QString& name)
{
    QString id = name.trimmed();
    while (id.toUtf8().size() > 32)
        id.chop(1);
    return id.isEmpty() ? QString("Untitled") : id;
}

QStringList ImageWriters::hybridArguments(const QString& source, const QString& output, const HybridOptions& options)
{
    QStringList arguments{"-input-charset", "utf-8", "-R"};
    if (options.joliet)
        arguments << "-J" << "-joliet-long";
    if (options.udf)
        arguments << "-udf";
    return arguments << "-V" << volumeId(options.volumeName) << "-o" << output << source;
}

ImageWriters::Outcome ImageWriters::burn(const QString& image, const QString& target, const BurnOptions& options)
{
    return follow("xorriso", burnArguments(image, target, options), &ToolProgress::fromRecorder, options.quiet);
}

ImageWriters::Outcome ImageWriters::makeHybrid(const QString& source, const QString& output,
                                               const HybridOptions& options)
{
    return follow("genisoimage", hybridArguments(source, output, options), &ToolProgress::fromImageWriter,
                  options.quiet);
}
