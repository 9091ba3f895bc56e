#include "services/Util.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QTemporaryFile>

namespace {

// Asks the system about an empty temporary file with the extension, since
// it describes files only by their name.
template <typename Answer>
bool askAboutExtension(const QString& extension, Answer answer)
{
    QTemporaryFile probe(QDir::tempPath() + "/" + QCoreApplication::applicationName() + "_XXXXXX" + extension);
    if (!probe.open()) {
        qDebug() << QString("failed to write temporary file %1").arg(probe.fileTemplate());
        return false;
    }
    answer(QFileInfo(probe.fileName()));
    return true;
}

} // namespace

QString Util::Extension(const QString& name)
{
    const QString fileName = name.mid(name.lastIndexOf('/') + 1);
    const int dot = fileName.lastIndexOf('.');
    return dot > 0 ? fileName.mid(dot) : QString();
}

QIcon Util::GetExtensionIcon(const QString& name)
{
    const QString extension = Extension(name);
    const auto cached = m_Icons.constFind(extension);
    if (cached != m_Icons.constEnd())
        return cached.value();
    QFileIconProvider provider;
    QIcon icon;
    if (extension.isEmpty())
        icon = provider.icon(QFileIconProvider::File);
    else
        askAboutExtension(extension, [&](const QFileInfo& info) { icon = provider.icon(info); });
    m_Icons.insert(extension, icon);
    return icon;
}

QString Util::GetExtensionString(const QString& name)
{
    const QString extension = Extension(name);
    const auto cached = m_Types.constFind(extension);
    if (cached != m_Types.constEnd())
        return cached.value();
    QFileIconProvider provider;
    QString type;
    askAboutExtension(extension, [&](const QFileInfo& info) { type = provider.type(info); });
    m_Types.insert(extension, type);
    return type;
}
