#include "extract/ListingFailure.h"

#include "extract/ToolErrorText.h"

#include <QDir>

QString ListingFailure::Message(const RunResult& run, bool listingComplete, const QString& isoPath,
                                const QStringList& toolErrors)
{
    if (listingComplete)
        return QString();
    const QString iso = QDir::toNativeSeparators(isoPath);
    if (!run.started) {
        return tr("The archive tool 7z could not be started (%1), so the image %2 "
              "could not be read. Check that the 7z program lies in the folder "
              "\"7z\" of the application, then load the image again.")
            .arg(run.errorString, iso);
    }
    if (run.crashed) {
        return tr("The archive tool 7z stopped unexpectedly while reading %1. Load "
              "the image again; if this happens again, the file may be damaged.")
            .arg(iso);
    }
    QString text = tr("The file %1 could not be read as a disc image.").arg(iso);
    if (!toolErrors.isEmpty())
        text += "\n" + tr("The archive tool reported: %1")
                           .arg(ToolErrorText::Summary(toolErrors));
    return text + "\n"
        + tr("Choose an ISO image file that is complete and readable, "
                   "then load it again.");
}
