#pragma once

#include <QDateTime>
#include <QString>

// Remembers the state of an image file before a run writes it, so that a
// failed run removes what it wrote, and only that: a file the run never
// touched (the tool failed before opening it) is left alone.
class PartialImage
{
public:
    explicit PartialImage(const QString& path = QString());
    QString path() const { return m_Path; }
    // Removes the file when this run created or changed it. True if removed.
    bool discard() const;

private:
    bool writtenByRun() const;

    QString m_Path;
    bool m_Existed = false;
    qint64 m_Size = -1;
    QDateTime m_Modified;
};
