#include "shell/AppResources.h"

#include <QtGlobal>

static void initPictures()
{
    Q_INIT_RESOURCE(pictures);
}

void AppResources::init()
{
    initPictures();
}
