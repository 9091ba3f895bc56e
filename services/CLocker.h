#pragma once

class QMutex;

// Scoped lock of a mutex that can be released and taken again before the
// end of its scope.
class CLocker
{
public:
    explicit CLocker(QMutex& mutex);
    ~CLocker();
    CLocker(const CLocker&) = delete;
    CLocker& operator=(const CLocker&) = delete;

    void Lock();
    void Unlock();
    bool IsLocked() const { return m_Held; }

private:
    QMutex& m_Mutex;
    bool m_Held = false;
};
