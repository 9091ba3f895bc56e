#include "ScreenshotRegistry.h"

#include <algorithm>

namespace {
// Built on first use, so that registrations from any file's static
// initialisation find it ready.
QList<ScreenshotRegistry::Entry>& registry()
{
    static QList<ScreenshotRegistry::Entry> entries;
    return entries;
}
} // namespace

bool ScreenshotRegistry::add(const QString& name, int order, const Function& take)
{
    registry().append(Entry{name, order, take});
    return true;
}

QList<ScreenshotRegistry::Entry> ScreenshotRegistry::entries()
{
    QList<Entry> sorted = registry();
    std::stable_sort(sorted.begin(), sorted.end(), [](const Entry& a, const Entry& b) {
        return a.order != b.order ? a.order < b.order : a.name < b.name;
    });
    return sorted;
}
