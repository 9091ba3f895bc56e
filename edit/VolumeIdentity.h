#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What an image tells about itself in its volume descriptors: the labels of
// its primary descriptor and whether it carries a Joliet tree. A saved copy
// takes them over, so that it shows the same label and, on Windows, the
// same names as the original.
struct VolumeIdentity {
    QString volumeId;
    QString publisher;
    QString preparer;
    QString application;
    bool joliet = false;

    // Pure parsers, fed with 2048-byte descriptors.
    static bool isPrimaryDescriptor(const QByteArray& descriptor);
    static QString field(const QByteArray& descriptor, int offset, int length);
    // Fills the labels from a primary descriptor and notes a Joliet one.
    void take(const QByteArray& descriptor);

    // Reads the descriptors from sector 16 up to the set terminator.
    static VolumeIdentity read(const QString& isoPath);

    // The mkisofs options that give a new image these labels and names.
    QStringList options() const;
};
