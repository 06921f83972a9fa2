#pragma once

#include <QListWidget>

// A list box of rows of one fixed height that shows whole rows only (the strip below the last
// whole row stays empty) and scrolls its rows sideways over a fixed width. picked() reports a
// click on a row, and a key that moves to another row, as a choice of that row.
class ListBox : public QListWidget
{
    Q_OBJECT
public:
    ListBox(int rowHeight, int scrollWidth, QWidget *parent = nullptr);

    int rowHeight() const { return m_rowHeight; }
    int scrollWidth() const { return m_scrollWidth; }
    // The height of the part of the box that shows rows.
    int rowAreaHeight() const;

Q_SIGNALS:
    void picked();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void fitWholeRows();

    int m_rowHeight;
    int m_scrollWidth;
};
