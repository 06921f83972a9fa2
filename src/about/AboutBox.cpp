#include "about/AboutBox.h"

#include "platform/widgets/CaptionLabel.h"
#include "platform/widgets/Desktop.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/PictureBox.h"
#include "platform/widgets/WindowPlacement.h"
#include "platform/pictures/PackedImage.h"

#include <QImage>

namespace {
const QColor linkPurple(0x80, 0x00, 0x80);
const QColor linkWhite(0xFF, 0xFF, 0xFF);
} // namespace

AboutBox::AboutBox(Desktop &desktop, Dialogs &dialogs, QWidget *parent)
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

    bannerPicture = new PictureBox(PictureBox::Sizing::Stretch, this);
    bannerPicture->setObjectName(QStringLiteral("ImageRogo"));
    bannerPicture->setGeometry(72, 34, 217, 39);
    bannerPicture->setPicture(PackedImage::load(QStringLiteral(":/art/banner")));
    bannerPicture->setMouseTracking(true);

    guidanceLabel = new CaptionLabel(this);
    guidanceLabel->setObjectName(QStringLiteral("Label1"));
    guidanceLabel->setGeometry(0, 0, 224, 24);
    guidanceLabel->setFont(Fonts::gameFont(24, true, true));
    guidanceLabel->setFontColor(QColor(0xFF, 0xFF, 0x00));
    guidanceLabel->setCaption(QStringLiteral("ペタラ　３　ver.2.30"));
    guidanceLabel->setMouseTracking(true);

    faceNameLabel = new CaptionLabel(this);
    faceNameLabel->setObjectName(QStringLiteral("Label2"));
    faceNameLabel->setGeometry(52, 79, 245, 16);
    QFont linkFont = Fonts::gameFont(16);
    linkFont.setUnderline(true);
    faceNameLabel->setFont(linkFont);
    faceNameLabel->setFontColor(linkPurple);
    faceNameLabel->setCaption(AuthorAddress);
    faceNameLabel->setCursor(Qt::PointingHandCursor);
    faceNameLabel->setMouseTracking(true);
    connect(faceNameLabel, &CaptionLabel::mouseMoved, this, &AboutBox::pointerOverFaceName);
    connect(faceNameLabel, &CaptionLabel::clicked, this, &AboutBox::faceNameClicked);
    centreOnScreen(this);
}

void AboutBox::pointerOverFaceName()
{
    faceNameLabel->setFontColor(linkWhite);
}

void AboutBox::pointerMovedOnWindow()
{
    faceNameLabel->setFontColor(linkPurple);
}

void AboutBox::faceNameClicked()
{
    if (!m_desktop.openAddress(faceNameLabel->caption()))
        m_dialogs.showMessage(QStringLiteral("作者サイトへの接続に失敗しました。"));
}

void AboutBox::mouseMoveEvent(QMouseEvent *event)
{
    pointerMovedOnWindow();
    QDialog::mouseMoveEvent(event);
}

void AboutBox::done(int result)
{
    QDialog::done(result);
    if (m_onClose)
        m_onClose();
}
