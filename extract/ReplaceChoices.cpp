#include "extract/ReplaceChoices.h"

bool ReplaceChoices::Ask(const QStringList& shownPaths, const Question& question)
{
    for (int index = 0; index < shownPaths.size(); ++index) {
        const Reply reply = question(shownPaths.at(index), shownPaths.size() - index - 1);
        if (reply.answer == Cancel)
            return false;
        const QStringList rest = reply.applyToAll ? shownPaths.mid(index) : QStringList{shownPaths.at(index)};
        for (const QString& path : rest)
            (reply.answer == Replace ? m_Replaced : m_Skipped).insert(path);
        if (reply.applyToAll) {
            m_ReplaceUnasked = reply.answer == Replace;
            break;
        }
    }
    return true;
}

bool ReplaceChoices::ShouldReplace(const QString& shownPath) const
{
    if (m_Skipped.contains(shownPath))
        return false;
    return m_ReplaceUnasked || m_Replaced.contains(shownPath);
}
