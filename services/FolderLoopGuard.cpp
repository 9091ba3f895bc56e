#include "services/FolderLoopGuard.h"

#include <QFileInfo>

bool FolderLoopGuard::enter(const QString& folder)
{
    const QString real = QFileInfo(folder).canonicalFilePath();
    if (real.isEmpty() || m_Inside.contains(real))
        return false;
    m_Inside.insert(real);
    m_Stack.append(real);
    return true;
}

void FolderLoopGuard::leave()
{
    if (!m_Stack.isEmpty())
        m_Inside.remove(m_Stack.takeLast());
}
