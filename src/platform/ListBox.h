#pragma once

#include <QListWidget>

// A list box of fixed-height rows that shows whole rows only (the space below the last whole
// row stays empty) and scrolls sideways over a fixed width, whatever its texts.
class ListBox : public QListWidget
{
    Q_OBJECT
public:
    ListBox(int rowHeight, int scrollWidth, QWidget *parent = nullptr);

    int rowHeight() const { return m_rowHeight; }
    int scrollWidth() const { return m_scrollWidth; }

protected:
    void updateGeometries() override;

private:
    int m_rowHeight;
    int m_scrollWidth;
};
