#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// "blkid -p -o export DEVICE...": one block of KEY=VALUE lines per device,
// blocks separated by empty lines, special characters escaped with "\".
class BlkidExport
{
public:
    using Values = QMap<QString, QString>;
    // The values of each device, by its DEVNAME.
    static QMap<QString, Values> parse(const QByteArray& output);
};
