#pragma once

#include <QComboBox>

// A combo box that announces a left click before its list opens, so that
// the list can be refreshed first.
class CMyComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit CMyComboBox(QWidget* parent = nullptr) : QComboBox(parent) {}

signals:
    void dropdownclicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
