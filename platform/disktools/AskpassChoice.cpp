#include "platform/disktools/AskpassChoice.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

const QStringList& codes()
{
    static const QStringList list{"zh", "ja", "fr", "de", "es", "pt", "pl", "it", "ru", "nl", "sv"};
    return list;
}

} // namespace

QString AskpassChoice::fileFor(const QLocale& locale)
{
    const QString code = locale.name().section('_', 0, 0);
    return codes().contains(code) ? "askpass_" + code + ".js" : "askpass.js";
}

QString AskpassChoice::languageOfFile(const QString& fileName)
{
    if (fileName == "askpass.js")
        return "en";
    static const QRegularExpression named("^askpass_([a-z]{2})\\.js$");
    const QString code = named.match(fileName).captured(1);
    return codes().contains(code) ? code : QString();
}
