#include "platform/widgets/CaptionLabel.h"

#include <QMouseEvent>

CaptionLabel::CaptionLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    applyPalette();
}

void CaptionLabel::setCaption(const QString &caption)
{
    m_caption = caption;
    QString shown = caption;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setText(shown);
}

void CaptionLabel::setFontColor(const QColor &color)
{
    m_fontColor = color;
    applyPalette();
}

void CaptionLabel::setBackgroundColor(const QColor &color)
{
    m_backgroundColor = color;
    applyPalette();
}

void CaptionLabel::applyPalette()
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, m_fontColor);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, m_fontColor);
    if (m_backgroundColor.isValid()) {
        palette.setColor(QPalette::Window, m_backgroundColor);
        setAutoFillBackground(true);
    } else {
        setAutoFillBackground(false);
    }
    setPalette(palette);
}

void CaptionLabel::mousePressEvent(QMouseEvent *event)
{
    Q_EMIT mousePressed(event->button());
    QLabel::mousePressEvent(event);
}

void CaptionLabel::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is the left button's, pressed and released over the label.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QLabel::mouseReleaseEvent(event);
}

void CaptionLabel::mouseMoveEvent(QMouseEvent *event)
{
    // A move over a label belongs to the label, not to the window behind it.
    Q_EMIT mouseMoved();
    event->accept();
}
