#include "services/Util.h"

#include "services/DiskInfoParser.h"
#include "services/DiskTools.h"
#include "services/ShortCommand.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDesktopServices>
#include <QUrl>

QString Util::DiskInfo(const QString& device)
{
    return ShortCommand::runLine(DiskTools::infoCommand(device)).text();
}

qint64 Util::DiskSpaceTotal(const QString& device)
{
    const QString info = DiskInfo(device);
    qDebug() << info;
    return DiskInfoParser::diskSize(info);
}

QString Util::GetMountPoint(const QString& device)
{
    return DiskInfoParser::mountPoint(DiskInfo(device));
}

void Util::OpenExplorer(QWidget*, const QString& path)
{
    QString folder = path;
    folder.replace('\\', '/');
    // fromLocalFile keeps blanks, "#" and "%" in folder names intact.
    QDesktopServices::openUrl(QUrl::fromLocalFile(folder));
}
