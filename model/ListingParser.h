#pragma once

#include "model/Item.h"

#include <QString>

// One line of the archive tool's list table ("7z l"). Columns, counted
// from 0: date and time 0-18, attributes 20-24 ("D" marks a folder), size
// 26-37 (right-aligned; blank for folders), packed size 39-50, path from 53.
class ListingParser
{
public:
    // True for the table's frame: 19 hyphens from column 0, a blank and the
    // attribute column's hyphens.
    static bool IsSeparator(const QString& line);
    // The row's fields as an Item; its m_Path is empty when the line is too
    // short to hold a path (such a row adds nothing).
    static Item ParseRow(QString line);
    // True for a line in which the tool reports an error of its own.
    static bool IsToolError(const QString& line);
};
