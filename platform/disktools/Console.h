#pragma once

#include <QString>

// The tools' own output: results on standard output, failures on standard
// error as "TOOL: what went wrong".
namespace Console {

void out(const QString& text);
void error(const QString& tool, const QString& text);
// Standard output and error of a program run, passed on unchanged.
void passOn(const QByteArray& output, const QByteArray& errors);

} // namespace Console
