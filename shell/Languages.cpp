#include "shell/Languages.h"

#include "services/Util.h"

#include <QtGlobal>

int golbalLangue = 0;

namespace {

struct Row {
    const char* menuText;
    const char* code;
    int number;
};

// Menu order; the numbers are QLocale::Language values except Dutch,
// which is identified by the country of the Netherlands.
const Row kRows[] = {
    {QT_TRANSLATE_NOOP("MainWindow", "English"), "en", QLocale::English},
    {QT_TRANSLATE_NOOP("MainWindow", "Chinese"), "zh", QLocale::Chinese},
    {QT_TRANSLATE_NOOP("MainWindow", "Japanese"), "ja", QLocale::Japanese},
    {QT_TRANSLATE_NOOP("MainWindow", "French"), "fr", QLocale::French},
    {QT_TRANSLATE_NOOP("MainWindow", "German"), "de", QLocale::German},
    {QT_TRANSLATE_NOOP("MainWindow", "Spanish"), "es", QLocale::Spanish},
    {QT_TRANSLATE_NOOP("MainWindow", "Portugues"), "pt", QLocale::Portuguese},
    {QT_TRANSLATE_NOOP("MainWindow", "Polish"), "pl", QLocale::Polish},
    {QT_TRANSLATE_NOOP("MainWindow", "Italian"), "it", QLocale::Italian},
    {QT_TRANSLATE_NOOP("MainWindow", "Russian"), "ru", QLocale::Russian},
    {QT_TRANSLATE_NOOP("MainWindow", "Netherlands"), "nl", QLocale::Netherlands},
    {QT_TRANSLATE_NOOP("MainWindow", "Swedish"), "sv", QLocale::Swedish},
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

const char* Languages::menuText(int index)
{
    return kRows[qBound(0, index, count() - 1)].menuText;
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
