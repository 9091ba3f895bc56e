#include "shell/CommandLineImage.h"

#include <QFileInfo>

QString CommandLineImage::fromArguments(const QStringList& arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument.startsWith('-'))
            continue;
        QFileInfo file(argument);
        if (file.suffix().compare("iso", Qt::CaseInsensitive) == 0)
            return file.absoluteFilePath();
    }
    return QString();
}
