#include "platform/disktools/FatLabel.h"

QString FatLabel::from(const QString& name)
{
    static const QString forbidden = "*?.,;:/\\|+=<>[]\"";
    QString label;
    for (const QChar c : name.toUpper()) {
        const bool allowed = c.unicode() >= 0x20 && c.unicode() < 0x7f && !forbidden.contains(c);
        label += allowed ? c : QChar('_');
    }
    label = label.left(11);
    while (label.endsWith(' '))
        label.chop(1);
    return label.trimmed().isEmpty() ? QString("NONAME") : label;
}
