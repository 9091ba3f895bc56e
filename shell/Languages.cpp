#include "shell/Languages.h"

#include "services/Util.h"

#include <QtGlobal>

int golbalLangue = 0;

namespace {

struct Row {
    const char* ownName;
    const char* code;
    int number;
};

// Menu order; the numbers are QLocale::Language values except Dutch,
// which is identified by the country of the Netherlands. Each language is
// named in its own language and script, the same in every interface
// language, so that a user who switched to a script they cannot read finds
// their own language again: these names are not translated.
const Row kRows[] = {
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
const int kDutch = 10;

QString& catalogueFolder()
{
    static QString folder;
    return folder;
}

LanguageChoice choiceOf(const Row& row)
{
    return LanguageChoice{QString("/translations/qt_%1.qm").arg(row.code), row.number};
}

} // namespace

int Languages::count()
{
    return int(sizeof(kRows) / sizeof(kRows[0]));
}

LanguageChoice Languages::menuEntry(int index)
{
    return choiceOf(kRows[qBound(0, index, count() - 1)]);
}

QString Languages::ownName(int index)
{
    return QString::fromUtf8(kRows[qBound(0, index, count() - 1)].ownName);
}

int Languages::indexOf(int number)
{
    for (int i = 0; i < count(); ++i) {
        if (kRows[i].number == number)
            return i;
    }
    return 0; // no language recognised at start-up: the English catalogue
}

LanguageChoice Languages::forLocale(const QLocale& locale)
{
    for (int i = 0; i < count(); ++i) {
        const bool matches = i == kDutch ? locale.country() == QLocale::Netherlands
                                         : locale.language() == kRows[i].number;
        if (matches)
            return choiceOf(kRows[i]);
    }
    return LanguageChoice{"/translations/qt_en.qm", 0};
}

QString Languages::askpassScript(int number)
{
    for (const Row& row : kRows) {
        if (row.number == number && number != QLocale::English)
            return QString("askpass_%1.js").arg(row.code);
    }
    return "askpass.js";
}

QString Languages::cataloguePath(const LanguageChoice& choice)
{
    const QString folder = catalogueFolder().isEmpty() ? Util::GetCurrentExePath() : catalogueFolder();
    return folder + choice.file;
}

void Languages::setCatalogueFolder(const QString& folder)
{
    catalogueFolder() = folder;
}
