#pragma once

#include <QByteArray>
#include <QString>

// Reads the output of "diskutil info DEVICE".
class DiskInfoParser
{
public:
    // The tool's standard output as text: Latin-1 up to the first zero byte.
    static QString text(const QByteArray& output);
    // The exact byte count of the "Disk Size:" line, 0 when there is none.
    static qint64 diskSize(const QString& info);
    // The path of the "Mount Point:" line, empty when the device has none.
    static QString mountPoint(const QString& info);

    // An "Optical Drive Type:" line anywhere.
    static bool isOptical(const QString& info);
    // A "Protocol:" line that names USB.
    static bool isUsb(const QString& info);
    // A "Removable Media:" line whose value says Removable (not Fixed).
    static bool isRemovable(const QString& info);
    // A disk that may be erased as a USB drive: USB, removable, not optical.
    static bool isRemovableUsb(const QString& info);
};
