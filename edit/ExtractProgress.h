#pragma once

#include <QString>

// Reads the percentage of a "7z x -bsp2" progress line. The tool redraws its
// progress with backspaces, so one line may carry several percentages:
// the last one is the current one.
class ExtractProgress
{
public:
    // The percentage, or -1 when the line carries none.
    static int parse(const QString& line);
};
