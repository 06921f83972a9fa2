#include "about/TForm2.h"

#include "platform/Fonts.h"
#include "platform/WindowPlacement.h"

TForm2::TForm2(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("ペタラ３のバージョン情報"));
    setFixedSize(307, 116);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(0x00, 0x80, 0x00));
    setPalette(palette);
    setFont(Fonts::gameFont(12));
    setModal(true);
    centreOnScreen(this);
}
