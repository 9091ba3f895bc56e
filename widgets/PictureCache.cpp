#include "widgets/PictureCache.h"

#include <QDebug>
#include <QPixmapCache>
#include <QSet>

QPixmap PictureCache::load(const QString& path)
{
    if (path.isEmpty())
        return QPixmap();
    QPixmap pixmap;
    if (QPixmapCache::find(path, &pixmap))
        return pixmap;
    if (pixmap.load(path)) {
        QPixmapCache::insert(path, pixmap);
        return pixmap;
    }
    static QSet<QString> reported;
    if (!reported.contains(path)) {
        reported.insert(path);
        qWarning() << "Can not load the image file " << path;
    }
    return QPixmap();
}
