#pragma once

#include <QImage>
#include <QWidget>

// A picture box: holds one bitmap and draws it by the box's sizing rule. Handlers draw on
// the bitmap through canvas(), which gives a white bitmap of the box's size when it is empty.
class PictureBox : public QWidget
{
    Q_OBJECT
public:
    enum class Sizing {
        TopLeft,            // 1:1 at the top-left corner
        Stretch,            // stretched to fill the box
        StretchProportional // scaled to fit the box keeping proportions, at the top-left corner
    };

    explicit PictureBox(Sizing sizing, QWidget *parent = nullptr);

    // How the picture is drawn from now on; the box and its picture keep their sizes.
    void setSizing(Sizing sizing);
    Sizing sizing() const { return m_sizing; }

    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }
    bool hasPicture() const { return !m_picture.isNull(); }
    void clearPicture();

    // The bitmap to draw on; created white at the box's size when the box holds none.
    QImage &canvas();
    // Call after drawing on canvas() so the box shows the change.
    void canvasChanged() { update(); }

    // The rectangle, in the box's coordinates, where the picture is shown.
    QRect shownRect() const;

Q_SIGNALS:
    void mousePressed(QMouseEvent *event);
    void mouseMoved(QMouseEvent *event);
    void mouseReleased(QMouseEvent *event);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    Sizing m_sizing;
    QImage m_picture;
};
