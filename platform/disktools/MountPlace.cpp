#include "platform/disktools/MountPlace.h"

QString MountPlace::userFolder(const QString& user)
{
    return "/media/" + (user.isEmpty() ? QString("root") : user);
}

QString MountPlace::folderName(const QString& label, bool plain)
{
    QString name;
    for (const QChar c : label.trimmed()) {
        const bool control = c.unicode() < 0x20 || c.unicode() == 0x7f;
        const bool unsafe = plain && (c.isSpace() || c.unicode() > 0x7e);
        name += (control || unsafe || c == '/') ? QChar('_') : c;
    }
    if (name.isEmpty() || name == "." || name == "..")
        return "Untitled";
    return name;
}

QString MountPlace::firstFree(const QString& folder, const QString& name, bool plain,
                              const std::function<bool(const QString&)>& isTaken)
{
    const int kMostTries = 1000;
    QString candidate = folder + "/" + name;
    for (int number = 1; isTaken(candidate); ++number) {
        if (number == kMostTries)
            return QString();
        candidate = folder + "/" + name + (plain ? "_" : " ") + QString::number(number);
    }
    return candidate;
}
