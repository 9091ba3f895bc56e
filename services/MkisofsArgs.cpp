#include "services/MkisofsArgs.h"

#include "services/Util.h"

QString MkisofsArgs::program()
{
    return Util::GetCurrentExePath() + "/cdrtools/mkisofs";
}

QString MkisofsArgs::typeFlag(ImageType type)
{
    switch (type) {
    case ImageType::Joliet:
        return "-joliet";
    case ImageType::Iso9660:
        return "-l";
    case ImageType::Udf:
        return "-udf";
    }
    return QString();
}

QStringList MkisofsArgs::build(ImageType type, const QString& output, const QString& stagingFolder,
                               bool allowLargeFiles)
{
    QStringList args{typeFlag(type)};
    if (type == ImageType::Joliet)
        args << "-joliet-long";
    if (type == ImageType::Udf && allowLargeFiles)
        args << "-allow-limited-size";
    args << "-R" << "-r" << "-o" << output << stagingFolder;
    return args;
}

QStringList MkisofsArgs::jolietOptions()
{
    return {typeFlag(ImageType::Joliet), "-joliet-long"};
}

bool MkisofsArgs::jolietShortens(const QString& name)
{
    return name.size() > JolietNameLimit;
}
