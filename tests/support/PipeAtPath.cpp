#include "PipeAtPath.h"

#include <QFile>

#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

PipeAtPath::PipeAtPath(const QString& path)
{
    if (mkfifo(QFile::encodeName(path).constData(), 0600) == 0)
        m_Fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK);
}

PipeAtPath::~PipeAtPath()
{
    if (m_Fd >= 0)
        ::close(m_Fd);
}

int PipeAtPath::waitingBytes() const
{
    int bytes = 0;
    return ioctl(m_Fd, FIONREAD, &bytes) == 0 ? bytes : 0;
}
