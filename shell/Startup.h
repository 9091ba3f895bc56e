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
};
