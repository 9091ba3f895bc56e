#include "FuzzTarget.h"

#include "services/ArchiveProgress.h"
#include "services/HdiutilOutput.h"
#include "services/MkisofsProgress.h"

#include <QStringList>

// The bytes are output lines of 7z, mkisofs and hdiutil.
void fuzzProgress(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    const QStringList lines = text.split('\n');
    for (const QString& line : lines) {
        ArchiveProgress::Report report;
        ArchiveProgress::lastReport(line, &report);
        if (report.percent < 0 || report.percent > 100)
            __builtin_trap();
        ArchiveProgress::errorLines(line);
        ArchiveProgress::displayText(line);
        const std::optional<int> value = MkisofsProgress::value(line);
        if (value && (*value < 0 || *value > MkisofsProgress::Top))
            __builtin_trap();
        HdiutilOutput::percentComplete(line);
        HdiutilOutput::fractionComplete(line);
    }
    HdiutilOutput::mountPoint(text);
    HdiutilOutput::failureLine(lines);
}
QUILLMERE_FUZZ_TARGET(fuzzProgress)
