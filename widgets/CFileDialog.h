#pragma once

#include <QFileDialog>

// The toolkit's own file dialog in which several folders, or files and
// folders together, can be chosen and accepted at once.
class CFileDialog : public QFileDialog
{
    Q_OBJECT
public:
    CFileDialog(QWidget* parent, bool withFiles);

public slots:
    void onChiose();
};
