#pragma once

#include <QString>
#include <optional>

// The progress of the USB copy, read from "7z x -bsp2" lines.
class UsbCopyProgress
{
public:
    struct Update
    {
        int percent = 0;
        QString entry; // the entry being copied, empty when the line names none
    };
    // The last progress report of a line: "NN% count - entry" or "NN% count";
    // a line that is only "NN%" reports nothing.
    static std::optional<Update> parse(const QString& line);
};
