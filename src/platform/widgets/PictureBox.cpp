#include "platform/widgets/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(Sizing sizing, QWidget *parent) : QWidget(parent), m_sizing(sizing) {}

void PictureBox::setSizing(Sizing sizing)
{
    m_sizing = sizing;
    update();
}

void PictureBox::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void PictureBox::clearPicture()
{
    m_picture = QImage();
    update();
}

QImage &PictureBox::canvas()
{
    if (m_picture.isNull()) {
        m_picture = QImage(size(), QImage::Format_RGB32);
        m_picture.fill(Qt::white);
    }
    return m_picture;
}

QRect PictureBox::shownRect() const
{
    if (m_picture.isNull())
        return {};
    switch (m_sizing) {
    case Sizing::TopLeft:
        return QRect(QPoint(0, 0), m_picture.size());
    case Sizing::Stretch:
        return rect();
    case Sizing::StretchProportional: {
        const QSize fitted = m_picture.size().scaled(size(), Qt::KeepAspectRatio);
        return QRect(QPoint(0, 0), fitted);
    }
    }
    return {};
}

void PictureBox::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, m_sizing != Sizing::TopLeft);
    painter.drawImage(shownRect(), m_picture);
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT mousePressed(event);
}

void PictureBox::mouseMoveEvent(QMouseEvent *event)
{
    Q_EMIT mouseMoved(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent *event)
{
    Q_EMIT mouseReleased(event);
}
