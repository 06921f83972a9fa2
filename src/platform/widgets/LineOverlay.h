#pragma once

#include <QColor>
#include <QLine>
#include <QVector>
#include <QWidget>

// Thin coloured lines drawn over what lies below, each with a dot at its end. A click shows or
// hides them; the widget itself stays where it is, so that the next click finds it.
class LineOverlay : public QWidget
{
public:
    struct Line
    {
        QLine line;
        QColor colour;
    };

    explicit LineOverlay(QWidget *parent = nullptr);

    void setLines(const QVector<Line> &lines);
    bool linesShown() const { return m_linesShown; }
    void setLinesShown(bool shown);
    void toggleLines() { setLinesShown(!m_linesShown); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QVector<Line> m_lines;
    bool m_linesShown = true;
};
