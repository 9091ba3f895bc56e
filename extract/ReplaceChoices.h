#pragma once

#include <QSet>
#include <QStringList>
#include <functional>

// What the user chose for the files of an extraction that meet same-named
// files in the destination. A file nobody was asked about (it appeared
// while the tool ran) is kept, unless the user chose to replace all.
class ReplaceChoices
{
public:
    enum Answer { Replace, Skip, Cancel };
    struct Reply
    {
        Answer answer = Cancel;
        bool applyToAll = false;
    };
    // Asked about one file; remaining: how many are still to come after it.
    using Question = std::function<Reply(const QString& shownPath, int remaining)>;

    // Asks about each path in turn until an answer is to apply to all the
    // rest. False when the user cancelled: then nothing is to be extracted.
    bool Ask(const QStringList& shownPaths, const Question& question);
    void ReplaceAll() { m_ReplaceUnasked = true; }

    bool ShouldReplace(const QString& shownPath) const;

private:
    QSet<QString> m_Replaced;
    QSet<QString> m_Skipped;
    bool m_ReplaceUnasked = false;
};
