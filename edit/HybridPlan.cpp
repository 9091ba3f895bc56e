#include "edit/HybridPlan.h"

#include "services/IsohybridTool.h"

#include <QFile>

namespace {
const int kUefiPlatform = 0xEF;

QByteArray fileStart(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(IsohybridTool::SignatureOffset + 4) : QByteArray();
}
} // namespace

HybridPlan HybridPlan::of(bool originalHasRecord, const SaveArguments& arguments, const QString& workFolder)
{
    HybridPlan plan;
    if (!originalHasRecord || arguments.bootImages.isEmpty())
        return plan;
    const BootImagePlan& first = arguments.bootImages.first();
    if (first.platform == kUefiPlatform || !IsohybridTool::hasHybridSignature(fileStart(workFolder + first.file)))
        return plan;
    plan.run = true;
    for (const BootImagePlan& image : arguments.bootImages)
        plan.uefi = plan.uefi || image.platform == kUefiPlatform;
    return plan;
}
