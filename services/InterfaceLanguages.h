#pragma once

#include <QString>

// The number of the current interface language: a QLocale::Language value,
// or 151 (QLocale::Netherlands) for Dutch; 0 when none was recognised.
extern int golbalLangue;

// The twelve interface languages in menu order: each language's own name,
// the code of its catalogue and password prompt, and its number.
class InterfaceLanguages
{
public:
    struct Language
    {
        const char* ownName;
        const char* code;
        int number;
    };

    static int count();
    // The language at a menu index, bounded to the table.
    static const Language& at(int index);
    // The password-prompt script for a language number: "askpass_CODE.js",
    // "askpass.js" for English and for numbers of no language.
    static QString askpassScript(int number);
};
