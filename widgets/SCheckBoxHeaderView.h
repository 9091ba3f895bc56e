#pragma once

#include <QHeaderView>

// A table header whose check-box section ticks or unticks every row: a
// press anywhere in that section, on the box or beside it, flips the box
// and announces it.
class SCheckBoxHeaderView : public QHeaderView
{
    Q_OBJECT
public:
    SCheckBoxHeaderView(int checkColumn, Qt::Orientation orientation, QWidget* parent = nullptr);

    bool isChecked() const { return m_bChecked; }

signals:
    void checkStausChange(bool checked);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    int m_CheckColumn = 0;
    bool m_bChecked = false;
};
