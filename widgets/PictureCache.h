#pragma once

#include <QPixmap>
#include <QString>

// Loads interface pictures once and keeps them; a picture that cannot be
// loaded gives a null pixmap and its path is logged once.
class PictureCache
{
public:
    static QPixmap load(const QString& path);
};
