#pragma once

#include <mutex>

// Scoped lock of a mutex that can be released and taken again before the
// end of its scope. A std::mutex: ThreadSanitizer sees its locking, which
// it cannot see in QMutex (futexes inside the uninstrumented Qt).
class CLocker
{
public:
    explicit CLocker(std::mutex& mutex);
    ~CLocker();
    CLocker(const CLocker&) = delete;
    CLocker& operator=(const CLocker&) = delete;

    void Lock();
    void Unlock();
    bool IsLocked() const { return m_Held; }

private:
    std::mutex& m_Mutex;
    bool m_Held = false;
};
