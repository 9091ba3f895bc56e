#pragma once

#include <QTreeWidget>

// A tree widget that drops its selection when the user clicks into empty
// space, so that nothing stays selected below the last row.
class CMyTreeWidget : public QTreeWidget
{
    Q_OBJECT
public:
    explicit CMyTreeWidget(QWidget* parent = nullptr) : QTreeWidget(parent) {}

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
