#pragma once

#include "widgets/FramelessChrome.h"

#include <QDialog>

// A frameless window drawn from a background picture and dragged by any
// free area.
// Every page and dialog derives from it; it is modal.
class ImageDialog : public QDialog
{
    Q_OBJECT
public:
    explicit ImageDialog(QWidget* parent = nullptr, bool unused = false);

    void SetBackGround(const QString& path) { m_Chrome.setBackground(path); }
    void SetBackGroundColor(const QColor& colour) { m_Chrome.setBackgroundColor(colour); }
    void SetTitleBackGround(const QColor& colour) { m_Chrome.setTitleBackground(colour); }
    void SetMoveable(bool moveable) { m_Chrome.setMoveable(moveable); }
    bool IsMoveable() const { return m_Chrome.moveable(); }
    QString BackGround() const { return m_Chrome.background(); }

signals:
    void sigvisable(bool visible);
    void sigmove();

public slots:
    void slot_minWindow() { showMinimized(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    FramelessChrome m_Chrome{this};
    bool m_Placed = false;
};
