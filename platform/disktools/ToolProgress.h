#pragma once

#include <QString>
#include <optional>

// Turns the progress lines of the real writing tools into the
// "DRStatusPercentCompleteKey: F" lines the callers read (F from 0 to 1).
class ToolProgress
{
public:
    // xorriso's and cdrecord's "   53 of  150 MB written" lines.
    static std::optional<double> fromRecorder(const QString& line);
    // genisoimage's " 13.01% done, estimate finish ..." lines.
    static std::optional<double> fromImageWriter(const QString& line);
    static QString line(double fraction);
};
