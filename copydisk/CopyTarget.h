#pragma once

#include <QString>

// The image file a copy writes: a hidden file with a unique name beside
// the chosen output, moved over the output in one step when the copy is
// complete. A file already at the output path stays as it is until then,
// and a copy that fails or is ended leaves nothing behind.
class CopyTarget
{
public:
    CopyTarget() = default;
    ~CopyTarget();
    CopyTarget(const CopyTarget&) = delete;
    CopyTarget& operator=(const CopyTarget&) = delete;

    // Reserves the hidden name beside output (any earlier one is removed
    // first). False, with the reason in error, when the folder cannot
    // take a file.
    bool prepare(const QString& output, QString* error);
    QString writePath() const { return m_WritePath; }
    QString outputPath() const { return m_OutputPath; }
    // Whether the writer left a file with content under the hidden name.
    bool isWritten() const;
    // Moves the written file over the output. False, with the reason in
    // error and the written file removed, when that fails.
    bool commit(QString* error);
    // Removes the written file, if any.
    void discard();

private:
    QString m_OutputPath;
    QString m_WritePath;
};
