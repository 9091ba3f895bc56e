#pragma once

#include <QString>

class QTranslator;

// The steps of start-up that main() runs in order.
class Startup
{
public:
    // True when the application still lies on a mounted disk image.
    static bool isOnDiskImage(const QString& applicationFolder);
    // Loads the start-up language of the system locale into the translator
    // (a missing catalogue is not reported) and sets golbalLangue.
    static void chooseLanguage(QTranslator& translator);
    static void setApplicationFont();
    // On Linux the application brings the disk tools it runs by name
    // (diskutil, hdiutil, drutil, mount): their folder goes first on the
    // search path of every program it starts. Nothing changes elsewhere.
    static void putDiskToolsOnPath(const QString& applicationFolder);
    // On Linux, points sudo at the password prompt of the interface
    // language, which the disk tools use when they need administrator
    // rights. Called at start-up and after each change of language.
    static void chooseAskpass(const QString& applicationFolder, int languageNumber);
};
