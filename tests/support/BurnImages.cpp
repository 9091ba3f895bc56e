#include "BurnImages.h"

#include "TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

using namespace TestSupport;

namespace BurnImages {

const char kBootMarker[] = "QUILLMERE BOOTMGR REACHED";

namespace {

const char kOvmfCode[] = "/usr/share/OVMF/OVMF_CODE.fd";
const char kOvmfVars[] = "/usr/share/OVMF/OVMF_VARS.fd";
const char kIpxeEfi[] = "/usr/lib/ipxe/ipxe.efi";

// One "mov $c, %al; out %al, %dx" per character: no data to address.
QByteArray bootManagerSource()
{
    QByteArray source = ".code16\n.globl _start\n_start:\n    cli\n    mov $0x3f8, %dx\n";
    for (const char c : QByteArray(kBootMarker) + "\r\n")
        source += "    mov $" + QByteArray::number(int(c)) + ", %al\n    out %al, %dx\n";
    return source + "1:  hlt\n    jmp 1b\n";
}

// Runs QEMU until done() holds for what it has written or the time is up.
bool runQemu(const QStringList& args, int timeoutMs, const std::function<bool(const QByteArray&)>& done,
             QString* serial)
{
    QProcess qemu;
    qemu.setProcessChannelMode(QProcess::MergedChannels);
    qemu.start("qemu-system-x86_64", QStringList{"-m", "256", "-display", "none"} + args);
    QByteArray output;
    QElapsedTimer timer;
    timer.start();
    bool seen = false;
    while (!seen && timer.elapsed() < timeoutMs && qemu.state() != QProcess::NotRunning) {
        qemu.waitForReadyRead(200);
        output += qemu.readAll();
        seen = done(output);
    }
    qInfo("QEMU %s after %lld ms", seen ? "showed it" : "gave up", timer.elapsed());
    qemu.kill();
    qemu.waitForFinished(5000);
    if (serial)
        *serial = QString::fromLatin1(output);
    return seen;
}

} // namespace

QString bootManager(const QString& path)
{
    const QString source = writeFile(path + ".s", bootManagerSource());
    int exitCode = -1;
    runTool("as", {"--32", "-o", path + ".o", source}, &exitCode);
    if (exitCode == 0)
        runTool("objcopy", {"-O", "binary", "-j", ".text", path + ".o", path}, &exitCode);
    QFile::remove(path + ".s");
    QFile::remove(path + ".o");
    return exitCode == 0 ? path : QString();
}

QString windowsLikeImage(const QString& folder, const QString& iso, bool efi)
{
    if (bootManager(folder + "/bootmgr").isEmpty())
        return QString();
    writeFile(folder + "/sources/boot.wim", QByteArray(300000, 'b'));
    writeFile(folder + "/sources/install.wim", "a small installation archive");
    writeFile(folder + "/read me.txt", "a blank in the name");
    if (efi && !(QDir().mkpath(folder + "/EFI/BOOT") && QFile::copy(kIpxeEfi, folder + "/EFI/BOOT/BOOTX64.EFI")))
        return QString();
    int exitCode = -1;
    runTool("mkisofs", {"-quiet", "-J", "-R", "-o", iso, folder}, &exitCode);
    return exitCode == 0 ? iso : QString();
}

bool bootShows(const QString& disk, const QString& text, bool uefi, int timeoutMs, QString* serial)
{
    QStringList args;
    if (uefi) {
        const QString vars = freshDir("ovmf-vars") + "/OVMF_VARS.fd";
        QFile::copy(kOvmfVars, vars);
        args << "-drive" << QString("if=pflash,format=raw,readonly=on,file=%1").arg(kOvmfCode) << "-drive"
             << "if=pflash,format=raw,file=" + vars;
    }
    args << "-drive" << "file=" + disk + ",format=raw" << "-snapshot" << "-serial" << "stdio" << "-net" << "none";
    return runQemu(args, timeoutMs, [&](const QByteArray& output) { return output.contains(text.toLatin1()); },
                   serial);
}

bool bootSends(const QString& disk, const QByteArray& text, int timeoutMs)
{
    const QString dump = freshDir("qemu-net") + "/packets.pcap";
    const QStringList args{"-drive", "file=" + disk + ",format=raw", "-snapshot", "-serial", "none",
                           "-netdev", "user,id=net0", "-device", "e1000,netdev=net0",
                           "-object", "filter-dump,id=dump0,netdev=net0,file=" + dump};
    return runQemu(args, timeoutMs, [&](const QByteArray&) { return readFile(dump).contains(text); }, nullptr);
}

void keepEnvironmentThroughSudo()
{
    const QString folder = freshDir("sudo");
    writeFile(folder + "/sudo", "#!/bin/sh\n[ \"$1\" = --askpass ] && shift\nexec \"$@\"\n");
    QFile::setPermissions(folder + "/sudo", QFile::ReadOwner | QFile::ExeOwner);
    qputenv("PATH", QFile::encodeName(folder) + ":" + qgetenv("PATH"));
}

QString qemuMissing(bool uefi)
{
    if (QStandardPaths::findExecutable("qemu-system-x86_64").isEmpty())
        return "qemu-system-x86_64 is missing (package qemu-system-x86)";
    if (uefi && (!QFile::exists(kOvmfCode) || !QFile::exists(kOvmfVars)))
        return "OVMF is missing (package ovmf)";
    if (uefi && !QFile::exists(kIpxeEfi))
        return "iPXE's EFI program is missing (package ipxe)";
    return QString();
}

} // namespace BurnImages
