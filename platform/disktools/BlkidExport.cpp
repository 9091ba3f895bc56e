#include "platform/disktools/BlkidExport.h"

#include <QList>

namespace {

QString unescaped(const QByteArray& value)
{
    QByteArray bytes;
    for (int i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size())
            ++i;
        bytes += value[i];
    }
    return QString::fromUtf8(bytes);
}

} // namespace

QMap<QString, BlkidExport::Values> BlkidExport::parse(const QByteArray& output)
{
    QMap<QString, Values> devices;
    Values current;
    auto finish = [&]() {
        if (current.contains("DEVNAME"))
            devices[current.value("DEVNAME")] = current;
        current.clear();
    };
    for (const QByteArray& line : output.split('\n')) {
        const int equals = line.indexOf('=');
        if (line.trimmed().isEmpty() || equals <= 0) {
            finish();
            continue;
        }
        const QString key = QString::fromLatin1(line.left(equals));
        if (key == "DEVNAME")
            finish();
        current[key] = unescaped(line.mid(equals + 1));
    }
    finish();
    return devices;
}
