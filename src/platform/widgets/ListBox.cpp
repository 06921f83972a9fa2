#include "platform/widgets/ListBox.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {

// Every row is exactly rowHeight high and scrollWidth wide, which sets the sideways scroll range.
class FixedRowDelegate : public QStyledItemDelegate
{
public:
    FixedRowDelegate(QSize rowSize, QObject *parent) : QStyledItemDelegate(parent), m_rowSize(rowSize) {}

    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override { return m_rowSize; }

private:
    QSize m_rowSize;
};

} // namespace

ListBox::ListBox(int rowHeight, int scrollWidth, QWidget *parent)
    : QListWidget(parent), m_rowHeight(rowHeight), m_scrollWidth(scrollWidth)
{
    setItemDelegate(new FixedRowDelegate(QSize(scrollWidth, rowHeight), this));
    setUniformItemSizes(true);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The strip below the last whole row shows the list's own background.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    connect(this, &QListWidget::itemClicked, this, &ListBox::picked);
    fitWholeRows();
}

int ListBox::rowAreaHeight() const
{
    return viewport()->height();
}

void ListBox::resizeEvent(QResizeEvent *event)
{
    fitWholeRows();
    QListWidget::resizeEvent(event);
}

void ListBox::keyPressEvent(QKeyEvent *event)
{
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() >= 0 && currentRow() != before)
        Q_EMIT picked();
}

void ListBox::fitWholeRows()
{
    const int frame = 2 * frameWidth();
    const bool sideways = width() - frame < m_scrollWidth;
    setHorizontalScrollBarPolicy(sideways ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    const int scrollBar = sideways ? horizontalScrollBar()->sizeHint().height() : 0;
    const int rows = height() - frame - scrollBar;
    setViewportMargins(0, 0, 0, rows > 0 ? rows % m_rowHeight : 0);
}
