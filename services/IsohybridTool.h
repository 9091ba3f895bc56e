#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// isohybrid (syslinux-utils): writes a master boot record into an image
// that mkisofs made with isolinux as its first boot entry, so that the same
// file boots from a hard disk or a USB stick; with --uefi also a GPT and a
// partition over the image's EFI boot image. It exits with 0 on success
// (warnings included) and 1 with an "isohybrid: ..." line on failure.
class IsohybridTool
{
public:
    // Where isohybrid finds the signature it needs in the boot file.
    static constexpr int SignatureOffset = 0x40;

    static QString program();
    // uefi: the image has a UEFI boot entry (isohybrid fails without one).
    static QStringList arguments(const QString& image, bool uefi);
    // True when the start of a boot file (at least SignatureOffset + 4
    // bytes) carries isolinux.bin's hybrid signature.
    static bool hasHybridSignature(const QByteArray& bootFileStart);
    // The tool's last own line without its "isohybrid: " prefix and the
    // image's path; empty when the output holds none.
    static QString errorLine(const QStringList& lines, const QString& image);
};
