#include "platform/disktools/Console.h"

#include <cstdio>

namespace Console {

void out(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    fflush(stdout);
}

void error(const QString& tool, const QString& text)
{
    const QByteArray bytes = (tool + ": " + text.trimmed() + "\n").toUtf8();
    fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    fflush(stderr);
}

void passOn(const QByteArray& output, const QByteArray& errors)
{
    fwrite(output.constData(), 1, size_t(output.size()), stdout);
    fflush(stdout);
    fwrite(errors.constData(), 1, size_t(errors.size()), stderr);
    fflush(stderr);
}

} // namespace Console
