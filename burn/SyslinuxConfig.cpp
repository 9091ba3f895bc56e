#include "burn/SyslinuxConfig.h"

QStringList SyslinuxConfig::windowsBootManager()
{
    return {"default boot", "LABEL boot", "MENU LABEL boot", "COM32 /syslinux/chain.c32", "APPEND fs ntldr=/bootmgr"};
}

QStringList SyslinuxConfig::handOver(const QString& isolinuxConfig)
{
    // CONFIG's second argument is the new working folder: the image's own
    // configuration names its files relative to its folder.
    QString folder = isolinuxConfig.left(isolinuxConfig.lastIndexOf('/') + 1);
    if (folder.isEmpty())
        folder = "/";
    return {"default boot", "LABEL boot", "MENU LABEL boot", "CONFIG " + isolinuxConfig + " " + folder};
}

QStringList SyslinuxConfig::forImage(bool hasBootManager, const QString& isolinuxConfig)
{
    if (!hasBootManager && !isolinuxConfig.isEmpty())
        return handOver(isolinuxConfig);
    return windowsBootManager();
}
