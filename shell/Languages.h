#pragma once

#include "services/InterfaceLanguages.h"

#include <QLocale>
#include <QString>

struct LanguageChoice {
    QString file;   // relative to the application folder
    int number = 0; // the value for golbalLangue; 0 leaves it unchanged
};

class Languages
{
public:
    // The start-up language for a system locale: the first matching row of
    // the language table, English (number 0) when none matches.
    static LanguageChoice forLocale(const QLocale& locale);
    // The menu's languages in menu order, for index 0 to count() - 1.
    static int count();
    static LanguageChoice menuEntry(int index);
    // The menu entry's text: the language's name in that language.
    static QString ownName(int index);
    // The menu index of a golbalLangue value; English for 0 and unknown values.
    static int indexOf(int number);
    // The catalogue file of a language: the application folder followed by
    // the choice's file. Tests may point the folder elsewhere.
    static QString cataloguePath(const LanguageChoice& choice);
    static void setCatalogueFolder(const QString& folder);
    // The password-prompt script for a language number.
    static QString askpassScript(int number);
};
