#include "services/CLocker.h"

CLocker::CLocker(std::mutex& mutex)
    : m_Mutex(mutex)
{
    Lock();
}

CLocker::~CLocker()
{
    Unlock();
}

void CLocker::Lock()
{
    if (m_Held)
        return;
    m_Mutex.lock();
    m_Held = true;
}

void CLocker::Unlock()
{
    if (!m_Held)
        return;
    m_Mutex.unlock();
    m_Held = false;
}
