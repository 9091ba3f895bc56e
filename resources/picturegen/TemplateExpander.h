#pragma once

#include <QDir>
#include <QMap>
#include <QString>

// Fills a template for one picture state. "${key}" takes the key's value
// for the state (a value "a|b|c|d" holds one alternative per state, the
// last one standing for the states beyond it); a value "@file.svg" is the
// text of that file in the template folder, itself expanded; anything else
// inside "${...}" is an arithmetic expression over numeric values, such as
// "${w-2}" or "${h/2+10}". Placeholders are resolved innermost first.
class TemplateExpander
{
public:
    TemplateExpander(const QDir& templates, const QMap<QString, QString>& values, int state);

    // Returns false and sets error() when a placeholder cannot be resolved.
    bool expand(const QString& text, QString* result);
    QString error() const { return m_Error; }

    static QString valueForState(const QString& value, int state);

private:
    bool resolve(const QString& placeholder, QString* result);
    bool readInclude(const QString& file, QString* result);

    const QDir m_Templates;
    QMap<QString, QString> m_Values;
    const int m_State;
    QString m_Error;
    int m_Depth = 0;
};
