#pragma once

#include "services/RunResult.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class ExtractPlacer;

// Words what went wrong in an extraction run (ArchiveTool judges it).
// Its texts are shown by the Extract page and translated there.
class ExtractOutcome
{
    Q_DECLARE_TR_FUNCTIONS(CPage2)

public:
    // keptIn: the folder that holds what was extracted, or empty when
    // nothing was kept.
    static QString ToolFailure(const RunResult& run, const QStringList& toolErrors, const QString& isoPath,
                               const QString& keptIn);
    // Names the entries that were left out because their names could lead
    // outside the destination or are not the files' names on disk.
    static QString Refused(const QStringList& paths);
    // Names the files of the destination that the user chose to keep
    // (the first few, with how many more).
    static QString Kept(const QStringList& paths);
    // Empty when every entry was placed.
    static QString PlacementFailure(const ExtractPlacer& placer, const QString& destDir, const QString& keptIn);
};
