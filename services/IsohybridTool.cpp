#include "services/IsohybridTool.h"

#include "services/Util.h"

namespace {
const char kPrefix[] = "isohybrid: ";
const char kSignature[] = "\xFB\xC0\x78\x70";
} // namespace

QString IsohybridTool::program()
{
    return Util::GetCurrentExePath() + "/isohybrid/isohybrid";
}

QStringList IsohybridTool::arguments(const QString& image, bool uefi)
{
    QStringList arguments;
    if (uefi)
        arguments << "--uefi";
    return arguments << image;
}

bool IsohybridTool::hasHybridSignature(const QByteArray& bootFileStart)
{
    return bootFileStart.mid(SignatureOffset, 4) == QByteArray(kSignature, 4);
}

QString IsohybridTool::errorLine(const QStringList& lines, const QString& image)
{
    for (int i = lines.size() - 1; i >= 0; --i) {
        const QString line = lines.at(i).trimmed();
        if (!line.startsWith(QLatin1String(kPrefix)))
            continue;
        QString text = line.mid(int(sizeof(kPrefix)) - 1);
        if (text.startsWith(image + ": "))
            text = text.mid(image.size() + 2);
        return text;
    }
    return QString();
}
