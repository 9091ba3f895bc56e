#pragma once

#include "widgets/FramelessChrome.h"

#include <QMainWindow>

// A frameless window drawn from a background picture and dragged by any
// free area.
class CBaseMainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit CBaseMainWindow(QWidget* parent = nullptr);

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
};
