#include "services/MkisofsProgress.h"

#include <cmath>

const char* const MkisofsProgress::Phrase = "% done, estimate finish";

std::optional<int> MkisofsProgress::value(const QString& line)
{
    const int position = line.indexOf(QLatin1String(Phrase));
    if (position < 1)
        return std::nullopt;
    bool ok = false;
    const double percent = line.left(position).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(percent))
        return 0;
    // The tool prints two decimals; the small margin keeps "45.67" at 4567
    // although 45.67 has no exact binary form.
    const double hundredths = std::trunc(percent * 100.0 + (percent >= 0 ? 1e-6 : -1e-6));
    if (hundredths <= 0)
        return 0;
    return hundredths >= Top ? Top : int(hundredths);
}
