#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// The tool's own error lines shortened for a message: the first few, then
// how many more there were.
// Its texts are shown by the Extract page and translated there.
class ToolErrorText
{
    Q_DECLARE_TR_FUNCTIONS(CPage2)

public:
    static QString Summary(const QStringList& errors, int shown = 5);
};
