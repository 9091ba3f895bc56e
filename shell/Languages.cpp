#include "shell/Languages.h"

#include "services/Util.h"

#include <QtGlobal>

namespace {

const int kDutch = 10;

QString& catalogueFolder()
{
    static QString folder;
    return folder;
}

LanguageChoice choiceOf(const InterfaceLanguages::Language& language)
{
    return LanguageChoice{QString("/translations/qt_%1.qm").arg(language.code), language.number};
}

} // namespace

int Languages::count()
{
    return InterfaceLanguages::count();
}

LanguageChoice Languages::menuEntry(int index)
{
    return choiceOf(InterfaceLanguages::at(index));
}

QString Languages::ownName(int index)
{
    return QString::fromUtf8(InterfaceLanguages::at(index).ownName);
}

int Languages::indexOf(int number)
{
    for (int i = 0; i < count(); ++i) {
        if (InterfaceLanguages::at(i).number == number)
            return i;
    }
    return 0; // no language recognised at start-up: the English catalogue
}

LanguageChoice Languages::forLocale(const QLocale& locale)
{
    for (int i = 0; i < count(); ++i) {
        const bool matches = i == kDutch ? locale.country() == QLocale::Netherlands
                                         : locale.language() == InterfaceLanguages::at(i).number;
        if (matches)
            return choiceOf(InterfaceLanguages::at(i));
    }
    return LanguageChoice{"/translations/qt_en.qm", 0};
}

QString Languages::askpassScript(int number)
{
    return InterfaceLanguages::askpassScript(number);
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
