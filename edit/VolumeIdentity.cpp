#include "edit/VolumeIdentity.h"

#include "edit/IsoDirectory.h"
#include "services/MkisofsArgs.h"

#include <QFile>

namespace {

const int kSector = 2048;
const int kFirstDescriptor = 16;
const int kMaxDescriptors = 64;
const uchar kTerminator = 255;

} // namespace

bool VolumeIdentity::isPrimaryDescriptor(const QByteArray& descriptor)
{
    return descriptor.size() >= kSector && descriptor.at(0) == 1 && descriptor.mid(1, 5) == "CD001";
}

QString VolumeIdentity::field(const QByteArray& descriptor, int offset, int length)
{
    QByteArray bytes = descriptor.mid(offset, length);
    const int end = bytes.indexOf('\0');
    if (end >= 0)
        bytes.truncate(end);
    const QString text = QString::fromLatin1(bytes).trimmed();
    // "_" starts the name of a file that holds the text: not a label.
    return text.startsWith('_') ? QString() : text;
}

void VolumeIdentity::take(const QByteArray& descriptor)
{
    if (IsoDirectory::isJolietDescriptor(descriptor)) {
        joliet = true;
        return;
    }
    if (!isPrimaryDescriptor(descriptor) || !volumeId.isEmpty())
        return;
    volumeId = field(descriptor, 40, 32);
    publisher = field(descriptor, 318, 128);
    preparer = field(descriptor, 446, 128);
    application = field(descriptor, 574, 128);
}

VolumeIdentity VolumeIdentity::read(const QString& isoPath)
{
    VolumeIdentity identity;
    QFile file(isoPath);
    if (!file.open(QIODevice::ReadOnly))
        return identity;
    for (int index = kFirstDescriptor; index < kFirstDescriptor + kMaxDescriptors; ++index) {
        if (!file.seek(qint64(index) * kSector))
            break;
        const QByteArray descriptor = file.read(kSector);
        if (descriptor.size() < kSector || descriptor.mid(1, 5) != "CD001"
            || uchar(descriptor.at(0)) == kTerminator)
            break;
        identity.take(descriptor);
    }
    return identity;
}

QStringList VolumeIdentity::options() const
{
    QStringList options;
    if (joliet)
        options << MkisofsArgs::jolietOptions();
    const QList<QPair<const char*, QString>> labels{
        {"-V", volumeId}, {"-publisher", publisher}, {"-p", preparer}, {"-A", application}};
    for (const auto& label : labels) {
        if (!label.second.isEmpty())
            options << label.first << label.second;
    }
    return options;
}
