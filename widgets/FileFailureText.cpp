#include "widgets/FileFailureText.h"

#include "services/FileReport.h"

#include <QDir>

QString FileFailureText::describe(const FileReport& report)
{
    const QString path = QDir::toNativeSeparators(report.path);
    QString text;
    switch (report.kind) {
    case FileReport::Missing:
        text = tr("\"%1\" is not there any more.").arg(path);
        break;
    case FileReport::CannotRead:
        text = tr("\"%1\" could not be read.").arg(path);
        break;
    case FileReport::CannotCreateFolder:
        text = tr("The folder \"%1\" could not be made.").arg(path);
        break;
    case FileReport::InTheWay:
        text = tr("Something named \"%1\" is already there and was left as it is.").arg(path);
        break;
    case FileReport::CannotRemove:
        text = tr("\"%1\" could not be removed.").arg(path);
        break;
    case FileReport::CannotRename:
        text = tr("\"%1\" could not be renamed.").arg(path);
        break;
    case FileReport::CannotWrite:
    default:
        text = tr("\"%1\" could not be written.").arg(path);
        break;
    }
    if (!report.detail.isEmpty())
        text += " (" + report.detail + ")";
    if (report.failures > 1)
        text += " " + tr("Other entries failed as well.");
    return text;
}
