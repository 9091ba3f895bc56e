#include "copydisk/CopyTarget.h"

#include "services/HalfWritten.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

CopyTarget::~CopyTarget()
{
    discard();
}

bool CopyTarget::prepare(const QString& output, QString* error)
{
    discard();
    const QFileInfo info(output);
    // The name ends in ".iso": the tool keeps a name with that extension.
    QTemporaryFile reserved(info.absolutePath() + "/." + info.fileName() + ".XXXXXX.iso");
    reserved.setAutoRemove(false);
    if (!reserved.open()) {
        *error = reserved.errorString();
        return false;
    }
    // A temporary file is private to its owner; the image is an ordinary file.
    reserved.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                            QFileDevice::ReadOther);
    m_OutputPath = info.absoluteFilePath();
    m_WritePath = reserved.fileName();
    HalfWritten::track(m_WritePath);
    return true;
}

bool CopyTarget::isWritten() const
{
    const QFileInfo written(m_WritePath);
    return !m_WritePath.isEmpty() && written.isFile() && !written.isSymLink() && written.size() > 0;
}

bool CopyTarget::commit(QString* error)
{
    // rename() replaces a file at the output in one step: the output is
    // never missing, and never half written.
    if (std::rename(QFile::encodeName(m_WritePath).constData(), QFile::encodeName(m_OutputPath).constData()) != 0) {
        *error = QString::fromLocal8Bit(std::strerror(errno));
        discard();
        return false;
    }
    HalfWritten::release(m_WritePath);
    m_WritePath.clear();
    return true;
}

void CopyTarget::discard()
{
    if (!m_WritePath.isEmpty()) {
        QFile::remove(m_WritePath);
        HalfWritten::release(m_WritePath);
    }
    m_WritePath.clear();
}
