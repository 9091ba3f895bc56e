#pragma once

#include <QMap>
#include <QSet>
#include <QString>
#include <QStringList>

// The options and operands of one tool verb ("-device DEV -verbose IMAGE").
struct ParsedOptions
{
    QSet<QString> flags;
    QMap<QString, QString> values;
    QStringList operands;
    QString error; // empty when the arguments were understood

    bool has(const QString& flag) const { return flags.contains(flag); }
};

class OptionParser
{
public:
    // flags take no value, valued options take the next argument; anything
    // else that begins with "-" is an error. "--" ends the options.
    static ParsedOptions parse(const QStringList& arguments, const QStringList& flags, const QStringList& valued);
};
