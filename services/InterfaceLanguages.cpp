#include "services/InterfaceLanguages.h"

#include <QLocale>
#include <QtGlobal>

int golbalLangue = 0;

namespace {

// Menu order; the numbers are QLocale::Language values except Dutch,
// which is identified by the country of the Netherlands. Each language is
// named in its own language and script, the same in every interface
// language, so that a user who switched to a script they cannot read finds
// their own language again: these names are not translated.
const InterfaceLanguages::Language kLanguages[] = {
    {"English", "en", QLocale::English},
    {"中文", "zh", QLocale::Chinese},
    {"日本語", "ja", QLocale::Japanese},
    {"Français", "fr", QLocale::French},
    {"Deutsch", "de", QLocale::German},
    {"Español", "es", QLocale::Spanish},
    {"Português", "pt", QLocale::Portuguese},
    {"Polski", "pl", QLocale::Polish},
    {"Italiano", "it", QLocale::Italian},
    {"Русский", "ru", QLocale::Russian},
    {"Nederlands", "nl", QLocale::Netherlands},
    {"Svenska", "sv", QLocale::Swedish},
};

} // namespace

int InterfaceLanguages::count()
{
    return int(sizeof(kLanguages) / sizeof(kLanguages[0]));
}

const InterfaceLanguages::Language& InterfaceLanguages::at(int index)
{
    return kLanguages[qBound(0, index, count() - 1)];
}

QString InterfaceLanguages::askpassScript(int number)
{
    for (const Language& language : kLanguages) {
        if (language.number == number && number != QLocale::English)
            return QString("askpass_%1.js").arg(language.code);
    }
    return "askpass.js";
}
