#include "shell/Startup.h"

#include "shell/Languages.h"
#include "services/Util.h"

#include <QApplication>
#include <QDebug>
#include <QFile>
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

void Startup::putDiskToolsOnPath(const QString& applicationFolder)
{
#ifdef Q_OS_LINUX
    const QString folder = applicationFolder + "/disktools";
    QStringList path = qEnvironmentVariable("PATH").split(':', Qt::SkipEmptyParts);
    path.removeAll(folder);
    path.prepend(folder);
    qputenv("PATH", QFile::encodeName(path.join(':')));
#else
    Q_UNUSED(applicationFolder)
#endif
}

void Startup::chooseAskpass(const QString& applicationFolder, int languageNumber)
{
#ifdef Q_OS_LINUX
    const QString folder = applicationFolder + "/translations/";
    QString prompt = folder + Languages::askpassScript(languageNumber);
    if (!QFile::exists(prompt))
        prompt = folder + "askpass.js";
    qputenv("SUDO_ASKPASS", QFile::encodeName(prompt));
#else
    Q_UNUSED(applicationFolder)
    Q_UNUSED(languageNumber)
#endif
}

void Startup::setApplicationFont()
{
    QFont font;
    font.setFamily("Microsoft YaHei");
    QApplication::setFont(font);
}
