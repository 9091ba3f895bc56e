#pragma once

#include <QLocale>
#include <QString>

// The password prompt of the translations folder that speaks a language:
// "askpass_de.js" for German, "askpass.js" for English and for languages
// without a prompt of their own.
class AskpassChoice
{
public:
    static QString fileFor(const QLocale& locale);
    // The language code a prompt's file name stands for: "de" for
    // "askpass_de.js", "en" for "askpass.js", empty for other names.
    static QString languageOfFile(const QString& fileName);
};
