#pragma once

#include <QString>
#include <QStringList>

// The ISO image named on the command line, as a desktop entry passes a file
// opened with the application ("quillmere FILE.iso"). Arguments that do not
// name an ".iso" file are ignored.
class CommandLineImage
{
public:
    // The absolute path of the first argument after the program's own name
    // that ends in ".iso" (any letter case), whether or not the file exists;
    // empty when there is none.
    static QString fromArguments(const QStringList& arguments);
};
