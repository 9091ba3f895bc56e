#pragma once

#include <QString>
#include <QStringList>

// Reads the output of hdiutil: the mount point that "hdiutil mount"
// prints, and the progress lines of "hdiutil burn" and "hdiutil
// makehybrid" run with "-verbose" or "-debug".
class HdiutilOutput
{
public:
    // The mount point of "hdiutil mount": the third tab-separated field
    // of the first line that has one, blanks at its ends removed (blanks
    // inside a volume name stay). Empty when no line has a third field.
    static QString mountPoint(const QString& output);

    // The percentage (0..100) of a "DRStatusPercentCompleteKey: F" line,
    // F being the fraction done; -1 for any other line and for a fraction
    // of 0 or less, which leave the progress as it is.
    static int percentComplete(const QString& line);
    // The fraction F itself (above 0, at most 1) of such a line; -1 where
    // percentComplete() gives -1.
    static double fractionComplete(const QString& line);

    // The line of a failed run that says why ("hdiutil: makehybrid failed
    // - No such file or directory"): the last one that names a failure or
    // an error, control characters and surrounding blanks removed; empty
    // when no line does.
    static QString failureLine(const QStringList& lines);
};
