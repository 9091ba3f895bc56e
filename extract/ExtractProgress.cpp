#include "extract/ExtractProgress.h"

namespace {

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}

} // namespace

QStringList ExtractProgress::Frames(const QString& line)
{
    QStringList frames;
    QString frame;
    for (const QChar c : line) {
        if (!isControl(c)) {
            frame.append(c);
            continue;
        }
        if (!frame.trimmed().isEmpty())
            frames << frame;
        frame.clear();
    }
    if (!frame.trimmed().isEmpty())
        frames << frame;
    return frames;
}

QString ExtractProgress::StripControl(const QString& text)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (!isControl(c))
            kept.append(c);
    }
    return kept.trimmed();
}

bool ExtractProgress::Parse(const QString& line, Update* update)
{
    const QStringList frames = Frames(line);
    for (int i = frames.size() - 1; i >= 0; --i) {
        if (parseFrame(frames.at(i), update))
            return true;
    }
    return false;
}

// "  45% 12 - folder/file.bin": the percentage before the first "% ", the
// entry after the first " - ".
bool ExtractProgress::parseFrame(const QString& frame, Update* update)
{
    const int percent = frame.indexOf(QLatin1String("% "));
    const int dash = frame.indexOf(QLatin1String(" - "));
    if (percent < 1 || dash < 1)
        return false;
    QString number = frame.left(percent).trimmed();
    if (number.indexOf(' ', 1) > 0)
        number = number.mid(number.lastIndexOf(' ') + 1);
    update->value = number.toInt();
    update->entry = frame.mid(dash + 3).trimmed();
    return true;
}

QStringList ExtractProgress::ToolErrors(const QString& line)
{
    QStringList errors;
    for (const QString& frame : Frames(line)) {
        const QString text = frame.trimmed();
        if (text.startsWith(QLatin1String("ERROR")) || text.startsWith(QLatin1String("WARNING")))
            errors << text;
    }
    return errors;
}
