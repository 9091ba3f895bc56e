#include "services/DriveListParser.h"

#include <QStringList>

QString DriveListParser::usbCandidate(const QString& line)
{
    const QString marker = "(external, physical):";
    if (!line.contains("external, physical"))
        return QString();
    QString device = line;
    device.remove('\n').remove('\r').remove(marker);
    return device.trimmed();
}

std::optional<DriveListParser::OpticalDrive> DriveListParser::readStatusLine(const QString& rawLine,
                                                                             StatusState& state,
                                                                             HeaderRule rule)
{
    QString line = rawLine;
    line.remove('\r').remove('\n');
    if (line.contains("Vendor   Product           Rev")) {
        state.headerSeen = true;
        return std::nullopt;
    }
    if (!state.headerSeen && rule == HeaderRule::NameNeedsHeader)
        return std::nullopt;
    if (state.headerSeen && state.pendingVendor.isEmpty()) {
        for (const QString& word : line.split(' ')) {
            if (word.trimmed().isEmpty())
                continue;
            if (!state.pendingVendor.isEmpty())
                state.pendingVendor += ' ';
            state.pendingVendor += word.trimmed();
        }
    }
    const QString nameKey = " Name:";
    const int at = line.indexOf(nameKey);
    if (at > 0)
        state.pendingName = line.mid(at + nameKey.size()).trimmed();
    if (state.pendingName.isEmpty())
        return std::nullopt;
    OpticalDrive drive{state.pendingVendor + " (" + state.pendingName + ")", state.pendingName};
    state.headerSeen = false;
    state.pendingVendor.clear();
    state.pendingName.clear();
    return drive;
}
