#pragma once

#include <QString>
#include <QStringList>

// Reads the archive tool's extraction output ("7z x -bsp2"). The tool
// redraws its progress with backspaces and blanks, so one line holds
// several frames separated by runs of control characters; the last frame
// that is a progress report ("NN% count - path") counts.
class ExtractProgress
{
public:
    struct Update {
        int value = 0;      // percent
        QString entry;      // the entry being extracted, fit for display
    };

    // The texts between runs of control characters, blank ones left out.
    static QStringList Frames(const QString& line);
    // The text without control characters and surrounding blanks.
    static QString StripControl(const QString& text);
    // The last progress frame of the line; false when there is none.
    static bool Parse(const QString& line, Update* update);
    // The frames in which the tool reports an error or a warning.
    static QStringList ToolErrors(const QString& line);

private:
    static bool parseFrame(const QString& frame, Update* update);
};
