#include "about/TForm2.h"

#include "platform/CaptionLabel.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/PictureBox.h"
#include "platform/WindowPlacement.h"
#include "platform/PackedImage.h"

#include <QImage>

namespace {
const QColor linkPurple(0x80, 0x00, 0x80);
const QColor linkWhite(0xFF, 0xFF, 0xFF);
} // namespace

TForm2::TForm2(Desktop &desktop, Dialogs &dialogs, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_desktop(desktop), m_dialogs(dialogs)
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
    // The box follows the pointer to light the link and to put it out again.
    setMouseTracking(true);

    ImageRogo = new PictureBox(PictureBox::Sizing::Stretch, this);
    ImageRogo->setObjectName(QStringLiteral("ImageRogo"));
    ImageRogo->setGeometry(72, 34, 217, 39);
    ImageRogo->setPicture(PackedImage::load(QStringLiteral(":/art/banner")));
    ImageRogo->setMouseTracking(true);

    Label1 = new CaptionLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(0, 0, 224, 24);
    Label1->setFont(Fonts::gameFont(24, true, true));
    Label1->setFontColor(QColor(0xFF, 0xFF, 0x00));
    Label1->setCaption(QStringLiteral("ペタラ　３　ver.2.30"));
    Label1->setMouseTracking(true);

    Label2 = new CaptionLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(52, 79, 245, 16);
    QFont linkFont = Fonts::gameFont(16);
    linkFont.setUnderline(true);
    Label2->setFont(linkFont);
    Label2->setFontColor(linkPurple);
    Label2->setCaption(AuthorAddress);
    Label2->setCursor(Qt::PointingHandCursor);
    Label2->setMouseTracking(true);
    connect(Label2, &CaptionLabel::mouseMoved, this, &TForm2::Label2MouseMove);
    connect(Label2, &CaptionLabel::clicked, this, &TForm2::Label2Click);
    centreOnScreen(this);
}

void TForm2::Label2MouseMove()
{
    Label2->setFontColor(linkWhite);
}

void TForm2::FormMouseMove()
{
    Label2->setFontColor(linkPurple);
}

void TForm2::Label2Click()
{
    if (!m_desktop.openAddress(Label2->caption()))
        m_dialogs.showMessage(QStringLiteral("作者サイトへの接続に失敗しました。"));
}

void TForm2::mouseMoveEvent(QMouseEvent *event)
{
    FormMouseMove();
    QDialog::mouseMoveEvent(event);
}

void TForm2::done(int result)
{
    QDialog::done(result);
    if (m_onClose)
        m_onClose();
}
