#include "shell/Startup.h"

#include "shell/Languages.h"
#include "services/Util.h"

#include <QApplication>
#include <QDebug>
#include <QFont>
#include <QLocale>
#include <QTranslator>

bool Startup::isOnDiskImage(const QString& applicationFolder)
{
    return applicationFolder.startsWith("/Volumes", Qt::CaseSensitive);
}

void Startup::chooseLanguage(QTranslator& translator)
{
    const LanguageChoice choice = Languages::forLocale(QLocale());
    if (choice.number == QLocale::English || choice.number == QLocale::Chinese ||
        choice.number == QLocale::Japanese)
        qDebug() << QLocale::languageToString(QLocale::Language(choice.number));
    translator.load(Languages::cataloguePath(choice));
    if (choice.number != 0)
        golbalLangue = choice.number;
}

void Startup::setApplicationFont()
{
    QFont font;
    font.setFamily("Microsoft YaHei");
    QApplication::setFont(font);
}
