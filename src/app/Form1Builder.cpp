#include "app/Form1Builder.h"

#include "screen/GameColours.h"
#include "platform/CaptionLabel.h"
#include "platform/CommandButton.h"
#include "platform/Fonts.h"
#include "platform/ListBox.h"
#include "platform/MouseUpCheckBox.h"
#include "platform/PictureBox.h"
#include "platform/PackedImage.h"

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

void buildMenu(QMainWindow *window, Form1Widgets &w)
{
    QMenuBar *bar = window->menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    w.N1Menu = bar->addMenu(QStringLiteral("顔の作成／削除(&F)"));
    w.N1 = w.N1Menu->menuAction();
    w.N1->setObjectName(QStringLiteral("N1"));
    w.N9 = w.N1Menu->addAction(QStringLiteral("顔の作成(&C)"));
    w.N9->setObjectName(QStringLiteral("N9"));
    w.N10 = w.N1Menu->addAction(QStringLiteral("顔の削除(&D)"));
    w.N10->setObjectName(QStringLiteral("N10"));

    w.N7 = bar->addAction(QStringLiteral("作品を観る(&S)"));
    w.N7->setObjectName(QStringLiteral("N7"));
    w.N8 = bar->addAction(QStringLiteral("モンタージュ(&M)"));
    w.N8->setObjectName(QStringLiteral("N8"));

    w.BGM1Menu = bar->addMenu(QStringLiteral("BGM(&B)"));
    w.BGM1 = w.BGM1Menu->menuAction();
    w.BGM1->setObjectName(QStringLiteral("BGM1"));
    w.N2 = w.BGM1Menu->addAction(QStringLiteral("再生(&P)"));
    w.N2->setObjectName(QStringLiteral("N2"));
    w.N2->setCheckable(true);
    w.N2->setChecked(true);
    w.N3 = w.BGM1Menu->addAction(QStringLiteral("停止(&S)"));
    w.N3->setObjectName(QStringLiteral("N3"));
    w.N3->setCheckable(true);
    w.N4 = w.BGM1Menu->addSeparator();
    w.N4->setObjectName(QStringLiteral("N4"));
    w.N5 = w.BGM1Menu->addAction(QStringLiteral("曲の設定(&K)"));
    w.N5->setObjectName(QStringLiteral("N5"));

    w.Help1Menu = bar->addMenu(QStringLiteral("ヘルプ(&H)"));
    w.Help1 = w.Help1Menu->menuAction();
    w.Help1->setObjectName(QStringLiteral("Help1"));
    w.Help2 = w.Help1Menu->addAction(QStringLiteral("ヘルプ(&T)"));
    w.Help2->setObjectName(QStringLiteral("Help2"));
    w.N6 = w.Help1Menu->addSeparator();
    w.N6->setObjectName(QStringLiteral("N6"));
    w.About1 = w.Help1Menu->addAction(QStringLiteral("バージョン情報(&V)"));
    w.About1->setObjectName(QStringLiteral("About1"));
}

} // namespace

Form1Widgets buildForm1(QMainWindow *window)
{
    Form1Widgets w;
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
    w.ImageTitle = pictureBox(client, "ImageTitle", Sizing::Stretch, {392, 0, 113, 313}, false);
    w.ImageTitle->setPicture(PackedImage::load(QStringLiteral(":/art/title")));
    w.Image1 = pictureBox(client, "Image1", Sizing::StretchProportional, {24, 32, 300, 300}, false);
    w.LabelScore = label(client, "LabelScore", {376, 96, 74, 36}, QStringLiteral("得点"), Fonts::gameFont(36, true),
                         QColor(0xFF, 0x00, 0xFF), QColor(), Qt::AlignLeft | Qt::AlignTop);
    w.LabelHana = partTitle(client, "LabelHana", {336, 112, 49, 17}, QStringLiteral("鼻"));
    w.Label1 = label(client, "Label1", {24, 344, 521, 121}, QString(), Fonts::gameFont(16, true, true), GuidanceBlue,
                     QColor(0xC0, 0xC0, 0xC0), Qt::AlignLeft | Qt::AlignTop);
    w.Label1->setWordWrap(true);
    w.ImageRE = pictureBox(client, "ImageRE", Sizing::TopLeft, {344, 32, 60, 60}, true);
    w.ImageLE = pictureBox(client, "ImageLE", Sizing::TopLeft, {464, 32, 57, 41}, true);
    w.ImageHana = pictureBox(client, "ImageHana", Sizing::TopLeft, {336, 136, 57, 41}, true);
    w.ImageKuti = pictureBox(client, "ImageKuti", Sizing::TopLeft, {336, 224, 57, 41}, true);
    w.LabelRE = partTitle(client, "LabelRE", {352, 8, 49, 17}, QStringLiteral("右目"));
    w.LabelLE = partTitle(client, "LabelLE", {464, 8, 49, 17}, QStringLiteral("左目"));
    w.LabelKuti = partTitle(client, "LabelKuti", {344, 200, 49, 17}, QStringLiteral("口"));
    // No design-time name: a start-up that stops before the opening face is loaded names no face.
    w.Label2 = label(client, "Label2", {24, 5, 177, 22}, QString(), Fonts::gameFont(20, true), TitleYellow, Qt::black,
                     Qt::AlignCenter);
    w.Label2->show();
    w.ImageRogo = pictureBox(client, "ImageRogo", Sizing::Stretch, {201, 413, 351, 52}, false);
    w.ImageRogo->setPicture(PackedImage::load(QStringLiteral(":/art/banner")));
    w.LabelRinkaku = partTitle(client, "LabelRinkaku", {224, 8, 65, 17}, QStringLiteral("顔の輪郭"));

    w.BtnSentaku = commandButton(client, "BtnSentaku", {328, 312, 57, 25}, 13, HintRed);
    w.BtnStart = commandButton(client, "BtnStart", {392, 312, 57, 25}, 13, HintRed);
    w.BtnRenshu = commandButton(client, "BtnRenshu", {456, 312, 57, 25}, 13, HintRed);
    w.Edit1 = place(new QLineEdit(client), "Edit1", 24, 433, 193, 21, false);
    w.Edit1->setFont(Fonts::gameFont(13));
    w.ComboBox1 = place(new QComboBox(client), "ComboBox1", 336, 32, 121, 21, false);
    w.ComboBox1->setFont(Fonts::gameFont(13));
    w.ComboBox1->setMaxVisibleItems(15);
    w.CheckBox1 = place(new MouseUpCheckBox(QStringLiteral("オープニングの顔に使う"), client), "CheckBox1", 208, 8, 145,
                        17, false);
    w.MediaPlayer1 = place(new QWidget(client), "MediaPlayer1", 336, 160, 253, 25, false);
    w.ListBox1 = place(new ListBox(12, 300, client), "ListBox1", 408, 136, 145, 136, false);
    QPalette listPalette = w.ListBox1->palette();
    listPalette.setColor(QPalette::Base, TitleYellow);
    w.ListBox1->setPalette(listPalette);
    w.BtnKiritori = commandButton(client, "BtnKiritori", {232, 4, 57, 25}, 13, HintRed);
    w.BtnUp = commandButton(client, "BtnUp", {504, 104, 33, 25}, 33, GuidanceBlue);
    w.BtnDown = commandButton(client, "BtnDown", {411, 104, 33, 25}, 33, GuidanceBlue);
    // Between the two eye titles: above the pieces, and the menu is disabled during face creation.
    w.BtnJidou = commandButton(client, "BtnJidou", {404, 4, 57, 25}, 13, HintRed);
    w.BtnJidou->setText(QStringLiteral("自動"));

    QWidget::setTabOrder(w.BtnSentaku, w.BtnStart);
    QWidget::setTabOrder(w.BtnStart, w.BtnRenshu);
    QWidget::setTabOrder(w.BtnRenshu, w.Edit1);
    QWidget::setTabOrder(w.Edit1, w.ComboBox1);
    QWidget::setTabOrder(w.ComboBox1, w.CheckBox1);
    QWidget::setTabOrder(w.CheckBox1, w.ListBox1);
    QWidget::setTabOrder(w.ListBox1, w.BtnKiritori);
    QWidget::setTabOrder(w.BtnKiritori, w.BtnUp);
    QWidget::setTabOrder(w.BtnUp, w.BtnDown);
    QWidget::setTabOrder(w.BtnDown, w.BtnJidou);

    w.Timer1 = new QTimer(window);
    w.Timer1->setObjectName(QStringLiteral("Timer1"));
    w.Timer1->setInterval(500);
    return w;
}
