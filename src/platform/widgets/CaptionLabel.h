#pragma once

#include <QColor>
#include <QLabel>

// A label whose caption keeps the game's "\r" line breaks; each "\r" is shown as a new line.
// The font colour and the background colour are set apart, as the game changes them apart.
class CaptionLabel : public QLabel
{
    Q_OBJECT
public:
    explicit CaptionLabel(QWidget *parent = nullptr);

    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }

    void setFontColor(const QColor &color);
    QColor fontColor() const { return m_fontColor; }

    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const { return m_backgroundColor; }

Q_SIGNALS:
    void mousePressed(Qt::MouseButton button);
    // The left button released over the label.
    void clicked();
    void mouseMoved();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void applyPalette();

    QString m_caption;
    QColor m_fontColor = Qt::black;
    QColor m_backgroundColor; // invalid: transparent
};
