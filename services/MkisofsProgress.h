#pragma once

#include <QString>
#include <optional>

// Reads mkisofs's progress lines ("  3.36% done, estimate finish ...") as
// hundredths of a percent, 0 to 10000.
class MkisofsProgress
{
public:
    static const char* const Phrase; // "% done, estimate finish"
    static const int Top = 10000;

    // The new progress value, or nothing for a line that is not a progress
    // line. A progress line whose number cannot be read gives 0.
    static std::optional<int> value(const QString& line);
};
