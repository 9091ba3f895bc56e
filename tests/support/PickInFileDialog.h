#pragma once

#include "support/ModalAnswerer.h"

// Picks entries of one folder in the toolkit's file dialog by typing their
// quoted names, the way a user does; works for one entry as for several.
ModalAnswerer::Answer pickInFileDialog(const QStringList& paths);
// Types the name of path into a save dialog opened on path's folder and
// accepts it.
ModalAnswerer::Answer saveInFileDialog(const QString& path);
