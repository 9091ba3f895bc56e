#include "platform/disktools/OptionParser.h"

ParsedOptions OptionParser::parse(const QStringList& arguments, const QStringList& flags,
                                  const QStringList& valued)
{
    ParsedOptions parsed;
    bool optionsEnded = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (optionsEnded || !argument.startsWith('-') || argument == "-") {
            parsed.operands << argument;
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (flags.contains(argument)) {
            parsed.flags << argument;
        } else if (valued.contains(argument)) {
            if (i + 1 >= arguments.size()) {
                parsed.error = argument + " needs a value";
                return parsed;
            }
            parsed.values[argument] = arguments[++i];
        } else {
            parsed.error = "unknown option " + argument;
            return parsed;
        }
    }
    return parsed;
}
