#include "burn/UsbCopyProgress.h"

#include "services/ArchiveTool.h"

#include <QStringList>

namespace {

std::optional<UsbCopyProgress::Update> parseFrame(const QString& frame)
{
    const int sign = frame.indexOf("% ");
    if (sign <= 0)
        return std::nullopt;
    QString number = frame.left(sign);
    const int blank = number.lastIndexOf(' ');
    if (blank > 0)
        number = number.mid(blank + 1);
    UsbCopyProgress::Update update;
    update.percent = number.trimmed().toInt();
    const int dash = frame.indexOf(" - ", sign);
    if (dash > 0)
        update.entry = frame.mid(dash + 3).trimmed();
    return update;
}

} // namespace

std::optional<UsbCopyProgress::Update> UsbCopyProgress::parse(const QString& line)
{
    const QStringList frames = ArchiveTool::redrawParts(line);
    for (int i = frames.size() - 1; i >= 0; --i) {
        if (const auto update = parseFrame(frames.at(i)))
            return update;
    }
    return std::nullopt;
}
