// The event handlers of the main window: each connects one event to the controller that does
// the work, and the multi-purpose ones choose that controller by the screen that stands.

#include "app/TForm1.h"

#include "about/HelpText.h"
#include "about/TForm2.h"
#include "screen/NameField.h"
#include "creation/FaceCreation.h"
#include "game/GameStart.h"
#include "game/PartDragging.h"
#include "game/Unveiling.h"
#include "montage/Montage.h"
#include "gallery/Gallery.h"
#include "library/FaceDeletion.h"
#include "library/FaceSelection.h"
#include "library/OpeningFaceChoice.h"
#include "music/MusicController.h"
#include "platform/CaptionLabel.h"
#include "platform/CommandButton.h"
#include "platform/DragController.h"
#include "platform/ListBox.h"
#include "platform/MouseUpCheckBox.h"
#include "platform/PictureBox.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QTimer>

void TForm1::connectHandlers()
{
    connect(w.Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);
    connect(w.BtnSentaku, &QPushButton::clicked, this, &TForm1::BtnSentakuClick);
    connect(w.BtnStart, &QPushButton::clicked, this, &TForm1::BtnStartClick);
    connect(w.BtnRenshu, &CommandButton::mouseUp, this, &TForm1::BtnRenshuMouseUp);
    connect(w.Edit1, &QLineEdit::textChanged, this, &TForm1::Edit1Change);
    connect(w.ComboBox1, &QComboBox::activated, this, &TForm1::ComboBox1Change);
    connect(w.CheckBox1, &MouseUpCheckBox::mouseUp, this, &TForm1::CheckBox1MouseUp);
    connect(w.N10, &QAction::triggered, this, &TForm1::N10Click);
    connect(w.N7, &QAction::triggered, this, &TForm1::N7Click);
    connect(w.ListBox1, &ListBox::picked, this, &TForm1::ListBox1Click);
    connect(w.BtnKiritori, &QPushButton::clicked, this, &TForm1::BtnKiritoriClick);
    connect(w.N2, &QAction::triggered, this, &TForm1::N2Click);
    connect(w.N3, &QAction::triggered, this, &TForm1::N3Click);
    connect(w.N5, &QAction::triggered, this, &TForm1::N5Click);
    connect(w.Help2, &QAction::triggered, this, &TForm1::Help2Click);
    connect(w.About1, &QAction::triggered, this, &TForm1::About1Click);
    connect(w.N8, &QAction::triggered, this, &TForm1::N8Click);
    connect(w.LabelRinkaku, &CaptionLabel::clicked, this, &TForm1::LabelRinkakuClick);
    for (int k = 1; k <= 4; ++k) {
        connect(w.partTitle(k), &CaptionLabel::mousePressed, this,
                [this, k](Qt::MouseButton button) { partTitleMouseDown(k, button); });
    }
    connect(w.BtnUp, &QPushButton::clicked, this, &TForm1::BtnUpClick);
    connect(w.BtnDown, &QPushButton::clicked, this, &TForm1::BtnDownClick);
    for (int k = 1; k <= 4; ++k) {
        connect(w.partImage(k), &PictureBox::mousePressed, this,
                [this, k](QMouseEvent *event) { partMouseDown(k, event->globalPosition().toPoint()); });
    }
    connect(w.N9, &QAction::triggered, this, &TForm1::N9Click);
    connect(w.BtnJidou, &QPushButton::clicked, this, &TForm1::BtnJidouClick);
    // While a button is held, the press's own grab keeps the moves and the release coming
    // here even when the pointer is outside the face picture.
    connect(w.Image1, &PictureBox::mousePressed, this,
            [this](QMouseEvent *event) { Image1MouseDown(event->position().toPoint()); });
    connect(w.Image1, &PictureBox::mouseMoved, this,
            [this](QMouseEvent *event) { Image1MouseMove(event->position().toPoint()); });
    connect(w.Image1, &PictureBox::mouseReleased, this,
            [this](QMouseEvent *event) { Image1MouseUp(event->position().toPoint()); });
    // The bare window background reports every pointer move, for the cursor reset.
    w.client->setMouseTracking(true);
    w.client->installEventFilter(this);
    connectDragTargets();
}

void TForm1::connectDragTargets()
{
    PartDragging &dragging = *m_dragging;
    auto accept = [](QPoint, QPoint) { return true; };
    auto restore = [this](QPoint, QPoint) { guarded([this] { m_dragging->restore(); }); };

    m_drag->addTarget(
        w.Image1, [&dragging](QPoint local, QPoint) { return dragging.Image1DragOver(local); },
        [this](QPoint, QPoint global) { guarded([this, global] { m_dragging->Image1DragDrop(global); }); });
    for (int k = 1; k <= 4; ++k) {
        PictureBox *part = w.partImage(k);
        m_drag->addTarget(part, accept, [this, part](QPoint, QPoint global) {
            guarded([this, part, global] { m_dragging->DropOnPart(part, global); });
        });
    }
    m_drag->addTarget(
        w.client, [&dragging](QPoint, QPoint global) { return dragging.FormDragOver(global); }, restore);
    m_drag->setBackground(w.client);
    for (QWidget *widget :
         {static_cast<QWidget *>(w.Label1), static_cast<QWidget *>(w.Label2), static_cast<QWidget *>(w.BtnSentaku),
          static_cast<QWidget *>(w.BtnStart), static_cast<QWidget *>(w.BtnRenshu)})
        m_drag->addTarget(widget, accept, restore);
    m_drag->setEndedWithoutDrop([this] { guarded([this] { m_dragging->endedWithoutDrop(); }); });
}

bool TForm1::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == w.client && event->type() == QEvent::MouseMove)
        FormMouseMove();
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::BtnSentakuClick()
{
    if (isFaceCreation(currentScreen()))
        guarded([this] { m_creation->registerFace(); });
    else
        guarded([this] { m_selection->selectCommand(); });
}

void TForm1::BtnStartClick()
{
    switch (currentScreen()) {
    case Screen::Opening:
    case Screen::FaceSelect:
    case Screen::PracticeDone:
        guarded([this] { m_gameStart->start(); });
        break;
    case Screen::UnveilReady:
        guarded([this] { m_unveiling->unveil(); });
        break;
    case Screen::FaceCreate:
    case Screen::ZoomArmed:
    case Screen::FaceRegister:
        guarded([this] { m_creation->cancel(); });
        break;
    default:
        break;
    }
}

void TForm1::BtnRenshuMouseUp()
{
    switch (currentScreen()) {
    case Screen::PracticePlay:
        guarded([this] { m_gameStart->switchToReal(); });
        break;
    case Screen::RealPlay:
        guarded([this] { m_gameStart->switchToPractice(); });
        break;
    case Screen::Unveiled:
    case Screen::MontageSave:
        guarded([this] { m_unveiling->saveWork(); });
        break;
    default:
        break;
    }
}

void TForm1::Edit1Change()
{
    nameFieldChanged(*m_screen, w.Edit1->text());
}

void TForm1::ComboBox1Change(int index)
{
    guarded([this, index] { m_selection->ComboBox1Change(index); });
}

void TForm1::CheckBox1MouseUp()
{
    guarded([this] { m_openingFace->CheckBox1MouseUp(); });
}

void TForm1::partMouseDown(int k, QPoint global)
{
    if (isMontage(currentScreen()))
        guarded([this, k] { m_montage->partMouseDown(k); });
    guarded([this, k, global] { m_dragging->partMouseDown(k, global); });
}

void TForm1::FormMouseMove()
{
    m_dragging->FormMouseMove();
}

void TForm1::N8Click()
{
    guarded([this] { m_montage->N8Click(); });
}

void TForm1::LabelRinkakuClick()
{
    if (isMontage(currentScreen()))
        guarded([this] { m_montage->LabelRinkakuClick(); });
}

void TForm1::N10Click()
{
    guarded([this] { m_deletion->N10Click(); });
}

void TForm1::N7Click()
{
    guarded([this] { m_gallery->N7Click(); });
}

void TForm1::ListBox1Click()
{
    const int row = w.ListBox1->currentRow();
    if (row < 0)
        return;
    switch (currentScreen()) {
    case Screen::Montage:
    case Screen::MontageSave:
        guarded([this, row] { m_montage->ListBox1Click(row); });
        break;
    case Screen::FaceDelete:
        guarded([this, row] { m_deletion->ListBox1Click(row); });
        break;
    case Screen::Gallery: {
        const QString fileName = w.ListBox1->item(row)->text();
        guarded([this, fileName] { m_gallery->ListBox1Click(fileName); });
        break;
    }
    default:
        break;
    }
}

void TForm1::BtnUpClick()
{
    if (isMontage(currentScreen()))
        guarded([this] { m_montage->BtnUpClick(); });
}

void TForm1::BtnDownClick()
{
    if (isMontage(currentScreen()))
        guarded([this] { m_montage->BtnDownClick(); });
}

void TForm1::N9Click()
{
    guarded([this] { m_creation->N9Click(); });
}

void TForm1::BtnKiritoriClick()
{
    if (currentScreen() == Screen::FaceDelete)
        guarded([this] { m_deletion->BtnKiritoriClick(); });
    else if (isFaceCreation(currentScreen()))
        guarded([this] { m_creation->BtnKiritoriClick(); });
}

void TForm1::BtnJidouClick()
{
    guarded([this] { m_creation->BtnJidouClick(); });
}

void TForm1::Image1MouseDown(QPoint at)
{
    if (isFaceCreation(currentScreen()))
        guarded([this, at] { m_creation->Image1MouseDown(at); });
}

void TForm1::Image1MouseMove(QPoint at)
{
    if (isFaceCreation(currentScreen()))
        guarded([this, at] { m_creation->Image1MouseMove(at); });
}

void TForm1::Image1MouseUp(QPoint at)
{
    if (isFaceCreation(currentScreen()))
        guarded([this, at] { m_creation->Image1MouseUp(at); });
}

void TForm1::partTitleMouseDown(int k, Qt::MouseButton button)
{
    if (isMontage(currentScreen()))
        guarded([this, k] { m_montage->partTitleMouseDown(k); });
    else if (isFaceCreation(currentScreen()))
        guarded([this, k, button] { m_creation->partTitleMouseDown(k, button); });
}

// A checkable menu item toggles itself before its handler runs; the music handlers set the
// check marks themselves, from the marks as they were.
static void undoAutoToggle(QAction *item)
{
    item->setChecked(!item->isChecked());
}

void TForm1::N2Click()
{
    undoAutoToggle(w.N2);
    guarded([this] { m_musicController->N2Click(); });
}

void TForm1::N3Click()
{
    undoAutoToggle(w.N3);
    guarded([this] { m_musicController->N3Click(); });
}

void TForm1::N5Click()
{
    guarded([this] { m_musicController->N5Click(); });
}

void TForm1::Help2Click()
{
    openHelpText(*m_services.desktop, *m_services.dialogs, m_library.AppDir);
}

void TForm1::About1Click()
{
    guarded([this] { m_musicController->pauseForDialog(); });
    // Modal: the main window takes no input until the box closes.
    m_form2->open();
}
