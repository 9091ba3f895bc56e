#pragma once

#include "widgets/CBaseImageCtrl.h"

// The picture button used on every page and dialog.
class CImageButton : public CBaseImageCtrl
{
    Q_OBJECT
public:
    explicit CImageButton(QWidget* parent = nullptr) : CBaseImageCtrl(parent) {}
};
