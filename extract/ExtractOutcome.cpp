#include "extract/ExtractOutcome.h"

#include "extract/ExtractPlacer.h"
#include "extract/ToolErrorText.h"

#include <QDir>

namespace {

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

QString ExtractOutcome::ToolFailure(const RunResult& run, const QStringList& toolErrors, const QString& isoPath,
                                    const QString& keptIn)
{
    QString text;
    if (!run.started) {
        text = tr("The archive tool 7z could not be started (%1), so nothing was extracted. Check that the 7z "
                  "program lies in the folder \"7z\" of the application, then extract again.")
                   .arg(run.errorString);
    } else if (run.crashed) {
        text = tr("The archive tool 7z stopped unexpectedly while extracting from %1.").arg(native(isoPath));
    } else {
        text = tr("Extracting from %1 did not succeed.").arg(native(isoPath));
        if (!toolErrors.isEmpty())
            text += "\n" + tr("The archive tool reported: %1").arg(ToolErrorText::Summary(toolErrors));
        else
            text += "\n" + tr("The archive tool ended with exit code %1.").arg(run.exitCode);
    }
    if (run.started) {
        text += "\n" + tr("Check that the destination folder can be written to and has enough free space, "
                          "then extract again.");
    }
    if (!keptIn.isEmpty())
        text += "\n" + tr("What was extracted is kept in %1.").arg(native(keptIn));
    return text;
}

QString ExtractOutcome::Refused(const QStringList& paths)
{
    QStringList shown;
    for (QString path : paths) {
        for (QChar& c : path) {
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                c = QChar(QChar::ReplacementCharacter);
        }
        shown << "\"" + path + "\"";
    }
    return tr("These entries were not extracted, because their names in the image cannot be names of files "
              "in the destination folder (such as \"..\", a name holding \"/\" or a name that is not "
              "readable text): %1.")
        .arg(shown.join(", "));
}

QString ExtractOutcome::Kept(const QStringList& paths)
{
    const int shownCount = 3;
    QStringList shown;
    for (const QString& path : paths.mid(0, shownCount))
        shown << "\"" + native(path) + "\"";
    QString list = shown.join(", ");
    if (paths.size() > shownCount)
        list = tr("%1 and %2 more").arg(list).arg(paths.size() - shownCount);
    return tr("Your files of the same names were kept: %1.").arg(list);
}

QString ExtractOutcome::PlacementFailure(const ExtractPlacer& placer, const QString& destDir, const QString& keptIn)
{
    QStringList parts;
    if (!placer.Refused().isEmpty())
        parts << Refused(placer.Refused());
    if (!placer.Missing().isEmpty()) {
        parts << tr("The archive tool did not extract: %1.").arg(placer.Missing().join(", "));
    }
    if (!placer.NotPlaced().isEmpty()) {
        parts << tr("These entries could not be put into %1 because an entry of another kind (a file "
                    "instead of a folder, or a folder instead of a file) has the same name there: %2.")
                     .arg(native(destDir), placer.NotPlaced().join(", "));
        if (!keptIn.isEmpty())
            parts << tr("Their extracted copies are kept in %1.").arg(native(keptIn));
    }
    return parts.join("\n");
}
