#include "app/MainWindowBuilder.h"

#include "party/RankingBoard.h"
#include "party/RoundReplayView.h"

#include "screen/GameColours.h"
#include "platform/widgets/CaptionLabel.h"
#include "platform/widgets/CommandButton.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/LineOverlay.h"
#include "platform/widgets/ListBox.h"
#include "platform/widgets/MouseUpCheckBox.h"
#include "platform/widgets/PictureBox.h"
#include "platform/pictures/PackedImage.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

namespace {

using namespace GameColour;

template <typename W>
W *place(W *widget, const char *name, int left, int top, int width, int height, bool visible)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(left, top, width, height);
    widget->setVisible(visible);
    return widget;
}

PictureBox *pictureBox(QWidget *parent, const char *name, PictureBox::Sizing sizing, QRect geometry, bool visible)
{
    return place(new PictureBox(sizing, parent), name, geometry.x(), geometry.y(), geometry.width(), geometry.height(),
                 visible);
}

CaptionLabel *label(QWidget *parent, const char *name, QRect geometry, const QString &caption, const QFont &font,
                    const QColor &fontColor, const QColor &background, Qt::Alignment alignment)
{
    auto *widget = place(new CaptionLabel(parent), name, geometry.x(), geometry.y(), geometry.width(),
                         geometry.height(), false);
    widget->setFont(font);
    widget->setFontColor(fontColor);
    widget->setBackgroundColor(background);
    widget->setAlignment(alignment);
    widget->setCaption(caption);
    return widget;
}

CaptionLabel *partTitle(QWidget *parent, const char *name, QRect geometry, const QString &caption)
{
    return label(parent, name, geometry, caption, Fonts::gameFont(16, true), Qt::black, TitleYellow, Qt::AlignCenter);
}

// Its caption comes from the screen state, but for "自動".
CommandButton *commandButton(QWidget *parent, const char *name, QRect geometry, int fontSize, const QColor &color)
{
    auto *button = place(new CommandButton(parent), name, geometry.x(), geometry.y(), geometry.width(),
                         geometry.height(), false);
    button->setFont(Fonts::gameFont(fontSize, true));
    button->setCaptionColor(color);
    return button;
}

void buildMenu(QMainWindow *window, MainWindowWidgets &w)
{
    QMenuBar *bar = window->menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    w.faceMenu = bar->addMenu(QStringLiteral("顔の作成／削除(&F)"));
    w.faceMenuAction = w.faceMenu->menuAction();
    w.faceMenuAction->setObjectName(QStringLiteral("N1"));
    w.createFaceAction = w.faceMenu->addAction(QStringLiteral("顔の作成(&C)"));
    w.createFaceAction->setObjectName(QStringLiteral("N9"));
    w.deleteFacesAction = w.faceMenu->addAction(QStringLiteral("顔の削除(&D)"));
    w.deleteFacesAction->setObjectName(QStringLiteral("N10"));

    w.galleryAction = bar->addAction(QStringLiteral("作品を観る(&S)"));
    w.galleryAction->setObjectName(QStringLiteral("N7"));
    w.montageAction = bar->addAction(QStringLiteral("モンタージュ(&M)"));
    w.montageAction->setObjectName(QStringLiteral("N8"));

    w.partyMenu = bar->addMenu(QStringLiteral("みんなで(&P)"));
    w.partyMenuAction = w.partyMenu->menuAction();
    w.partyMenuAction->setObjectName(QStringLiteral("PartyMenu"));
    w.playRoundAction = w.partyMenu->addAction(QStringLiteral("みんなで遊ぶ…"));
    w.playRoundAction->setObjectName(QStringLiteral("PlayRoundAction"));
    w.hallOfFameAction = w.partyMenu->addAction(QStringLiteral("殿堂…"));
    w.hallOfFameAction->setObjectName(QStringLiteral("HallOfFameAction"));

    w.musicMenu = bar->addMenu(QStringLiteral("BGM(&B)"));
    w.musicMenuAction = w.musicMenu->menuAction();
    w.musicMenuAction->setObjectName(QStringLiteral("BGM1"));
    w.musicOnAction = w.musicMenu->addAction(QStringLiteral("再生(&P)"));
    w.musicOnAction->setObjectName(QStringLiteral("N2"));
    w.musicOnAction->setCheckable(true);
    w.musicOnAction->setChecked(true);
    w.musicOffAction = w.musicMenu->addAction(QStringLiteral("停止(&S)"));
    w.musicOffAction->setObjectName(QStringLiteral("N3"));
    w.musicOffAction->setCheckable(true);
    w.musicSeparator = w.musicMenu->addSeparator();
    w.musicSeparator->setObjectName(QStringLiteral("N4"));
    w.chooseTuneAction = w.musicMenu->addAction(QStringLiteral("曲の設定(&K)"));
    w.chooseTuneAction->setObjectName(QStringLiteral("N5"));

    w.helpMenu = bar->addMenu(QStringLiteral("ヘルプ(&H)"));
    w.helpMenuAction = w.helpMenu->menuAction();
    w.helpMenuAction->setObjectName(QStringLiteral("Help1"));
    w.helpAction = w.helpMenu->addAction(QStringLiteral("ヘルプ(&T)"));
    w.helpAction->setObjectName(QStringLiteral("Help2"));
    w.helpSeparator = w.helpMenu->addSeparator();
    w.helpSeparator->setObjectName(QStringLiteral("N6"));
    w.aboutAction = w.helpMenu->addAction(QStringLiteral("バージョン情報(&V)"));
    w.aboutAction->setObjectName(QStringLiteral("About1"));
}

} // namespace

MainWindowWidgets buildMainWindowWidgets(QMainWindow *window)
{
    MainWindowWidgets w;
    buildMenu(window, w);

    auto *client = new QWidget(window);
    client->setObjectName(QStringLiteral("Form1Client"));
    client->setFixedSize(560, 479);
    client->setAutoFillBackground(true);
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, MoneyGreen);
    client->setPalette(palette);
    client->setFont(Fonts::gameFont(12));
    window->setCentralWidget(client);
    w.client = client;

    using Sizing = PictureBox::Sizing;
    // Pictures and labels first, back to front; the real controls after them lie on top.
    w.titlePicture = pictureBox(client, "ImageTitle", Sizing::Stretch, {392, 0, 113, 313}, false);
    w.titlePicture->setPicture(PackedImage::load(QStringLiteral(":/art/title")));
    w.facePicture = pictureBox(client, "Image1", Sizing::StretchProportional, {24, 32, 300, 300}, false);
    w.scoreLabel = label(client, "LabelScore", {376, 96, 74, 36}, QStringLiteral("得点"), Fonts::gameFont(36, true),
                         QColor(0xFF, 0x00, 0xFF), QColor(), Qt::AlignLeft | Qt::AlignTop);
    w.noseTitle = partTitle(client, "LabelHana", {336, 112, 49, 17}, QStringLiteral("鼻"));
    w.guidanceLabel = label(client, "Label1", {24, 344, 521, 121}, QString(), Fonts::gameFont(16, true, true),
                            GuidanceBlue, QColor(0xC0, 0xC0, 0xC0), Qt::AlignLeft | Qt::AlignTop);
    w.guidanceLabel->setWordWrap(true);
    w.rightEyePicture = pictureBox(client, "ImageRE", Sizing::TopLeft, {344, 32, 60, 60}, true);
    w.leftEyePicture = pictureBox(client, "ImageLE", Sizing::TopLeft, {464, 32, 57, 41}, true);
    w.nosePicture = pictureBox(client, "ImageHana", Sizing::TopLeft, {336, 136, 57, 41}, true);
    w.mouthPicture = pictureBox(client, "ImageKuti", Sizing::TopLeft, {336, 224, 57, 41}, true);
    w.rightEyeTitle = partTitle(client, "LabelRE", {352, 8, 49, 17}, QStringLiteral("右目"));
    w.leftEyeTitle = partTitle(client, "LabelLE", {464, 8, 49, 17}, QStringLiteral("左目"));
    w.mouthTitle = partTitle(client, "LabelKuti", {344, 200, 49, 17}, QStringLiteral("口"));
    // No design-time name: a start-up that stops before the opening face is loaded names no face.
    w.faceNameLabel = label(client, "Label2", {24, 5, 177, 22}, QString(), Fonts::gameFont(20, true), TitleYellow,
                            Qt::black, Qt::AlignCenter);
    w.faceNameLabel->show();
    w.bannerPicture = pictureBox(client, "ImageRogo", Sizing::Stretch, {201, 413, 351, 52}, false);
    w.bannerPicture->setPicture(PackedImage::load(QStringLiteral(":/art/banner")));
    w.outlineTitle = partTitle(client, "LabelRinkaku", {224, 8, 65, 17}, QStringLiteral("顔の輪郭"));
    // The unveiling's review, under the score where the tray was, and its lines over the face and
    // the parts on it.
    w.reviewLabel = label(client, "LabelReview", {336, 200, 217, 106}, QString(), Fonts::gameFont(14, true), Qt::black,
                          QColor(), Qt::AlignLeft | Qt::AlignTop);
    w.reviewLines = place(new LineOverlay(client), "ReviewLines", 24, 32, 300, 300, false);

    w.selectButton = commandButton(client, "BtnSentaku", {328, 312, 57, 25}, 13, HintRed);
    w.startButton = commandButton(client, "BtnStart", {392, 312, 57, 25}, 13, HintRed);
    w.modeButton = commandButton(client, "BtnRenshu", {456, 312, 57, 25}, 13, HintRed);
    w.nameField = place(new QLineEdit(client), "Edit1", 24, 433, 193, 21, false);
    w.nameField->setFont(Fonts::gameFont(13));
    w.faceList = place(new QComboBox(client), "ComboBox1", 336, 32, 121, 21, false);
    w.faceList->setFont(Fonts::gameFont(13));
    w.faceList->setMaxVisibleItems(15);
    w.openingFaceBox = place(new MouseUpCheckBox(QStringLiteral("オープニングの顔に使う"), client), "CheckBox1", 208, 8,
                             145, 17, false);
    w.pickList = place(new ListBox(12, 300, client), "ListBox1", 408, 136, 145, 136, false);
    QPalette listPalette = w.pickList->palette();
    listPalette.setColor(QPalette::Base, TitleYellow);
    w.pickList->setPalette(listPalette);
    w.cutOrDeleteButton = commandButton(client, "BtnKiritori", {232, 4, 57, 25}, 13, HintRed);
    w.growButton = commandButton(client, "BtnUp", {504, 104, 33, 25}, 33, GuidanceBlue);
    w.shrinkButton = commandButton(client, "BtnDown", {411, 104, 33, 25}, 33, GuidanceBlue);
    // Between the two eye titles: above the pieces, and the menu is disabled during face creation.
    w.automaticButton = commandButton(client, "BtnJidou", {404, 4, 57, 25}, 13, HintRed);
    w.automaticButton->setText(QStringLiteral("自動"));
    // Right of the check box on the top row, which holds nothing on the unveiled face and in the
    // gallery, the two screens that offer a replay.
    w.replayButton = commandButton(client, "BtnReplay", {400, 1, 73, 22}, 13, HintRed);
    w.replayButton->setCheckable(true);
    w.doubleSpeedButton = commandButton(client, "BtnDouble", {480, 1, 49, 22}, 13, GuidanceBlue);
    w.doubleSpeedButton->setCheckable(true);
    // On the top row between the work's heading and "リプレイ", which the gallery leaves empty.
    w.slideshowButton = commandButton(client, "BtnSlideshow", {326, 1, 72, 22}, 10, GuidanceBlue);

    // A round's ranking above the command buttons, and a player's replay over the whole client.
    w.rankingBoard = new RankingBoard(client);
    w.rankingBoard->move(8, 28);
    w.rankingBoard->hide();
    w.roundReplay = new RoundReplayView(client);
    w.roundReplay->setGeometry(client->rect());

    QWidget::setTabOrder(w.selectButton, w.startButton);
    QWidget::setTabOrder(w.startButton, w.modeButton);
    QWidget::setTabOrder(w.modeButton, w.nameField);
    QWidget::setTabOrder(w.nameField, w.faceList);
    QWidget::setTabOrder(w.faceList, w.openingFaceBox);
    QWidget::setTabOrder(w.openingFaceBox, w.pickList);
    QWidget::setTabOrder(w.pickList, w.cutOrDeleteButton);
    QWidget::setTabOrder(w.cutOrDeleteButton, w.growButton);
    QWidget::setTabOrder(w.growButton, w.shrinkButton);
    QWidget::setTabOrder(w.shrinkButton, w.automaticButton);
    QWidget::setTabOrder(w.automaticButton, w.replayButton);
    QWidget::setTabOrder(w.replayButton, w.doubleSpeedButton);
    QWidget::setTabOrder(w.doubleSpeedButton, w.slideshowButton);

    w.tickTimer = new QTimer(window);
    w.tickTimer->setObjectName(QStringLiteral("Timer1"));
    w.tickTimer->setInterval(500);
    return w;
}
