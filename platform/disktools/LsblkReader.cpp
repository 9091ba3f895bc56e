#include "platform/disktools/LsblkReader.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString text(const QJsonObject& object, const char* key)
{
    return object.value(key).toString().trimmed();
}

bool flag(const QJsonObject& object, const char* key)
{
    const QJsonValue value = object.value(key);
    if (value.isBool())
        return value.toBool();
    return value.toString() == "1";
}

qint64 number(const QJsonObject& object, const char* key)
{
    const QJsonValue value = object.value(key);
    if (value.isDouble())
        return qint64(value.toDouble());
    return value.toString().toLongLong();
}

QStringList mountPoints(const QJsonObject& object)
{
    QStringList result;
    for (const QJsonValue& value : object.value("mountpoints").toArray()) {
        if (value.isString() && !value.toString().isEmpty())
            result << value.toString();
    }
    const QString single = object.value("mountpoint").toString();
    if (!single.isEmpty() && !result.contains(single))
        result << single;
    return result;
}

BlockDevice deviceFrom(const QJsonObject& object)
{
    BlockDevice device;
    device.name = text(object, "name");
    device.kernelName = text(object, "kname");
    if (device.kernelName.isEmpty())
        device.kernelName = device.name;
    device.path = text(object, "path");
    if (device.path.isEmpty())
        device.path = "/dev/" + device.name;
    device.type = text(object, "type");
    device.removable = flag(object, "rm");
    device.hotplug = flag(object, "hotplug");
    device.readOnly = flag(object, "ro");
    device.size = number(object, "size");
    device.transport = text(object, "tran");
    device.vendor = text(object, "vendor");
    device.model = text(object, "model");
    device.revision = text(object, "rev");
    device.label = object.value("label").toString();
    device.fsType = text(object, "fstype");
    device.tableType = text(object, "pttype");
    device.partType = text(object, "parttype");
    device.mountPoints = mountPoints(object);
    for (const QJsonValue& child : object.value("children").toArray())
        device.children << deviceFrom(child.toObject());
    return device;
}

} // namespace

QStringList LsblkReader::arguments()
{
    return {"--json", "--bytes", "--output",
            "NAME,KNAME,PATH,TYPE,RM,HOTPLUG,RO,SIZE,TRAN,VENDOR,MODEL,REV,LABEL,FSTYPE,PTTYPE,PARTTYPE,MOUNTPOINTS"};
}

QVector<BlockDevice> LsblkReader::read(const QByteArray& json)
{
    QVector<BlockDevice> disks;
    const QJsonDocument document = QJsonDocument::fromJson(json);
    for (const QJsonValue& value : document.object().value("blockdevices").toArray())
        disks << deviceFrom(value.toObject());
    return disks;
}
