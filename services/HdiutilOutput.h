#pragma once

#include <QString>

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
};
