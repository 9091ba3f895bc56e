#pragma once

#include <QLineEdit>

// A line edit with a clickable picture inside its own area, such as the
// magnifier of a search field. A click on the picture or Return announces
// OnClicked().
class CLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit CLineEdit(QWidget* parent = nullptr);

    void SetImage(const QString& normal, const QString& hover, const QString& pressed, const QPoint& pos);
    QRect getRect() const;
    // The picture a paint would draw now (empty for none).
    QString currentImage() const;

signals:
    void OnClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString m_Normal;
    QString m_Hover;
    QString m_Pressed;
    QPoint m_Position;
};
