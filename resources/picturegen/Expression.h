#pragma once

#include <QString>

#include <functional>

// Evaluates a small arithmetic expression: numbers, names looked up in a
// table, + - * / and parentheses, e.g. "w/2-30". Used by the templates to
// place shapes relative to the picture's size.
class Expression
{
public:
    // Gives a name's numeric value; false when the name has none.
    using Lookup = std::function<bool(const QString& name, double* value)>;

    // Returns false when the text is not a valid expression or a name in it
    // has no numeric value.
    static bool evaluate(const QString& text, const Lookup& lookup, double* result);
    // Writes a number the way SVG wants it: no exponent, at most 3 decimals.
    static QString format(double value);
};
