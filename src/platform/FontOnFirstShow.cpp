#include "platform/FontOnFirstShow.h"

#include <QEvent>
#include <QFont>
#include <QWidget>

namespace {

class FontOnFirstShow : public QObject
{
public:
    FontOnFirstShow(QWidget &widget, const QFont &font) : QObject(&widget), m_font(font)
    {
        widget.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            static_cast<QWidget *>(watched)->setFont(m_font);
            deleteLater();
        }
        return false;
    }

private:
    QFont m_font;
};

} // namespace

void setFontOnFirstShow(QWidget &widget, const QFont &font)
{
    if (widget.isVisible())
        widget.setFont(font);
    else
        new FontOnFirstShow(widget, font);
}
