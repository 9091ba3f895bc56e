#pragma once

#include "platform/disktools/SystemTool.h"

#include <QString>
#include <QStringList>

// The real tools that write images: xorriso (as cdrecord) burns a disc,
// genisoimage makes an image of a folder. Their progress is printed as
// rising "DRStatusPercentCompleteKey:" lines, ending with 1 when they
// succeed; their other lines are passed on unless asked to be quiet.
class ImageWriters
{
public:
    struct BurnOptions
    {
        bool eject = false;
        bool erase = false;
        bool quiet = false;
    };
    struct HybridOptions
    {
        bool joliet = true;
        bool udf = false;
        bool quiet = false;
        QString volumeName;
    };
    struct Outcome
    {
        ToolRun run;
        QStringList errorLines; // the tool's lines that say what failed
        bool ok() const { return run.ok(); }
        QString failureText() const;
    };

    static QStringList burnArguments(const QString& image, const QString& target, const BurnOptions& options);
    static QStringList hybridArguments(const QString& source, const QString& output, const HybridOptions& options);
    // The volume name cut to the 32 bytes an ISO 9660 volume id holds.
    static QString volumeId(const QString& name);
    // True for the lines of xorriso and genisoimage that report a failure.
    static bool isErrorLine(const QString& line);

    static Outcome burn(const QString& image, const QString& target, const BurnOptions& options);
    static Outcome makeHybrid(const QString& source, const QString& output, const HybridOptions& options);
};
