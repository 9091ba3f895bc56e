#pragma once

#include <QWidget>

// A control drawn from pictures: one per state (normal, hover, pressed,
// disabled) or one strip of frames side by side, with an optional caption
// drawn in one of the text styles of CaptionPainter.
class CBaseImageCtrl : public QWidget
{
    Q_OBJECT
public:
    explicit CBaseImageCtrl(QWidget* parent = nullptr);

    bool SetBackGround(const QString& normal, const QString& hover, const QString& pressed,
                       const QString& disabled, const QString& text = QString(),
                       const QString& secondText = QString(), int textStyle = 0);
    void SetBackGround(const QString& strip, int frameCount, const QString& text, int textStyle);
    void SetAutoSizeByImage(bool autoSize);
    void SetAlign(int align);

    QString text() const { return m_Text; }
    QString secondText() const { return m_SecondText; }
    int textStyle() const { return m_TextStyle; }
    QString normalPicture() const { return m_Normal; }
    // The picture (or frame) that a paint would draw now, for tests and tools.
    QString currentPicture(int* frame = nullptr) const;

signals:
    void clicked(bool checked);
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pointerInside() const;
    bool leftButtonDown() const;
    int currentFrame() const;
    QPoint picturePosition(const QSize& picture) const;
    void resizeToPicture();

    QString m_Normal;
    QString m_Hover;
    QString m_Pressed;
    QString m_Disabled;
    QString m_Text;
    QString m_SecondText;
    int m_TextStyle = 0;
    int m_FrameCount = 0;
    bool m_AutoSize = true;
    bool m_MouseInside = false;
    int m_Align = -1;
};
