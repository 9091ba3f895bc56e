#pragma once

#include <QString>

// A volume name made into a label a FAT volume holds: upper case, at most
// eleven characters, printable ASCII without the characters FAT forbids
// (each of those becomes "_"); "NONAME" when nothing is left.
class FatLabel
{
public:
    static QString from(const QString& name);
};
