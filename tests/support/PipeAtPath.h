#pragma once

#include <QString>

// The reading end of a named pipe that stands where a tool writes its
// file: the tool keeps writing into it until the pipe is full and then
// waits, so that a test can end the work in the middle of the file.
class PipeAtPath
{
public:
    explicit PipeAtPath(const QString& path);
    ~PipeAtPath();
    PipeAtPath(const PipeAtPath&) = delete;
    PipeAtPath& operator=(const PipeAtPath&) = delete;

    bool isOpen() const { return m_Fd >= 0; }
    // Bytes written into the pipe and not read.
    int waitingBytes() const;

private:
    int m_Fd = -1;
};
