#include "platform/ListBox.h"

#include <QStyledItemDelegate>

namespace {

// Every row is rowHeight high and scrollWidth wide, which sets the sideways scroll range.
class FixedRowDelegate : public QStyledItemDelegate
{
public:
    FixedRowDelegate(QSize rowSize, QObject *parent)
        : QStyledItemDelegate(parent), m_rowSize(rowSize)
    {
    }

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
    // The strip under the last whole row is painted in the list's own colour.
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void ListBox::updateGeometries()
{
    QListWidget::updateGeometries();
    // Cut the viewport to whole rows; it is measured with the margin given last time.
    const int available = viewport()->height() + viewportMargins().bottom();
    const int partial = available > 0 ? available % m_rowHeight : 0;
    if (partial != viewportMargins().bottom())
        setViewportMargins(0, 0, 0, partial);
}
