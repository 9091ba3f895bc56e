#include "platform/disktools/BlockDevice.h"

QVector<BlockDevice> BlockDevice::partitions() const
{
    QVector<BlockDevice> result;
    for (const BlockDevice& child : children) {
        if (child.isPartition())
            result << child;
    }
    return result;
}

QVector<const BlockDevice*> BlockDevice::selfAndBelow() const
{
    QVector<const BlockDevice*> result{this};
    for (const BlockDevice& child : children)
        result << child.selfAndBelow();
    return result;
}

const BlockDevice* BlockDevice::find(const QString& devicePath) const
{
    for (const BlockDevice* device : selfAndBelow()) {
        if (device->path == devicePath || "/dev/" + device->kernelName == devicePath)
            return device;
    }
    return nullptr;
}

QString BlockDevice::mediaName() const
{
    return (vendor.simplified() + " " + model.simplified()).simplified();
}

QString BlockDevice::partitionPath(int number) const
{
    const QString base = "/dev/" + (kernelName.isEmpty() ? name : kernelName);
    const bool endsInDigit = !base.isEmpty() && base.back().isDigit();
    return base + (endsInDigit ? "p" : "") + QString::number(number);
}
