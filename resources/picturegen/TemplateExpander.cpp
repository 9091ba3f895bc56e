#include "TemplateExpander.h"

#include "Expression.h"

#include <QFile>

namespace {
const int kMaxDepth = 16;
}

TemplateExpander::TemplateExpander(const QDir& templates, const QMap<QString, QString>& values, int state)
    : m_Templates(templates), m_Values(values), m_State(state)
{
}

QString TemplateExpander::valueForState(const QString& value, int state)
{
    const QStringList alternatives = value.split('|');
    return alternatives.value(qMin(state, alternatives.size() - 1));
}

bool TemplateExpander::expand(const QString& text, QString* result)
{
    if (++m_Depth > kMaxDepth) {
        m_Error = "values refer to each other in a loop";
        return false;
    }
    QString out = text;
    // Each round replaces the innermost placeholder: the last "${" before
    // the first "}" that follows a "${". Inserted values are already
    // expanded, so every round removes one placeholder.
    for (;;) {
        const int first = out.indexOf("${");
        const int close = first < 0 ? -1 : out.indexOf('}', first);
        if (close < 0)
            break;
        const int open = out.lastIndexOf("${", close);
        QString value;
        if (!resolve(out.mid(open + 2, close - open - 2), &value))
            return false;
        out.replace(open, close - open + 1, value);
    }
    --m_Depth;
    *result = out;
    return true;
}

bool TemplateExpander::resolve(const QString& placeholder, QString* result)
{
    const QString key = placeholder.trimmed();
    if (m_Values.contains(key)) {
        const QString value = valueForState(m_Values.value(key), m_State);
        if (value.startsWith('@'))
            return readInclude(value.mid(1), result);
        return expand(value, result);
    }
    const Expression::Lookup lookup = [this](const QString& name, double* value) {
        QString text;
        if (!m_Values.contains(name) || !resolve(name, &text))
            return false;
        bool ok = false;
        *value = text.toDouble(&ok);
        return ok;
    };
    double number = 0;
    if (!Expression::evaluate(key, lookup, &number)) {
        m_Error = "cannot resolve ${" + placeholder + "}";
        return false;
    }
    *result = Expression::format(number);
    return true;
}

bool TemplateExpander::readInclude(const QString& file, QString* result)
{
    QFile include(m_Templates.filePath(file));
    if (!include.open(QIODevice::ReadOnly)) {
        m_Error = "cannot read included file " + file;
        return false;
    }
    return expand(QString::fromUtf8(include.readAll()), result);
}
