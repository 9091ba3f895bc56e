#include "Expression.h"

#include <cmath>

namespace {

// Recursive descent over: sum := product (('+'|'-') product)*,
// product := factor (('*'|'/') factor)*, factor := '-' factor | number | name | '(' sum ')'.
class Parser
{
public:
    Parser(const QString& text, const Expression::Lookup& lookup) : m_Text(text), m_Lookup(lookup) {}

    bool parse(double* result)
    {
        if (!sum(result))
            return false;
        skipBlanks();
        return m_Pos == m_Text.size();
    }

private:
    void skipBlanks()
    {
        while (m_Pos < m_Text.size() && m_Text[m_Pos].isSpace())
            ++m_Pos;
    }

    bool take(QChar c)
    {
        skipBlanks();
        if (m_Pos < m_Text.size() && m_Text[m_Pos] == c) {
            ++m_Pos;
            return true;
        }
        return false;
    }

    bool sum(double* value)
    {
        if (!product(value))
            return false;
        for (;;) {
            double right = 0;
            if (take('+')) {
                if (!product(&right))
                    return false;
                *value += right;
            } else if (take('-')) {
                if (!product(&right))
                    return false;
                *value -= right;
            } else {
                return true;
            }
        }
    }

    bool product(double* value)
    {
        if (!factor(value))
            return false;
        for (;;) {
            double right = 0;
            if (take('*')) {
                if (!factor(&right))
                    return false;
                *value *= right;
            } else if (take('/')) {
                if (!factor(&right) || right == 0)
                    return false;
                *value /= right;
            } else {
                return true;
            }
        }
    }

    bool factor(double* value)
    {
        if (take('-')) {
            if (!factor(value))
                return false;
            *value = -*value;
            return true;
        }
        if (take('(')) {
            return sum(value) && take(')');
        }
        skipBlanks();
        const int start = m_Pos;
        if (m_Pos < m_Text.size() && (m_Text[m_Pos].isDigit() || m_Text[m_Pos] == '.')) {
            while (m_Pos < m_Text.size() && (m_Text[m_Pos].isDigit() || m_Text[m_Pos] == '.'))
                ++m_Pos;
            bool ok = false;
            *value = m_Text.mid(start, m_Pos - start).toDouble(&ok);
            return ok;
        }
        while (m_Pos < m_Text.size() && (m_Text[m_Pos].isLetterOrNumber() || m_Text[m_Pos] == '_'))
            ++m_Pos;
        const QString name = m_Text.mid(start, m_Pos - start);
        return !name.isEmpty() && m_Lookup(name, value);
    }

    const QString m_Text;
    const Expression::Lookup& m_Lookup;
    int m_Pos = 0;
};

} // namespace

bool Expression::evaluate(const QString& text, const Lookup& lookup, double* result)
{
    double value = 0;
    if (!Parser(text, lookup).parse(&value) || !std::isfinite(value))
        return false;
    *result = value;
    return true;
}

QString Expression::format(double value)
{
    QString text = QString::number(value, 'f', 3);
    while (text.contains('.') && (text.endsWith('0') || text.endsWith('.')))
        text.chop(1);
    return text == "-0" ? "0" : text;
}
