// The event handlers of the main window: each connects one event to the controller that does
// the work, and the multi-purpose ones choose that controller by the screen that stands.

#include "app/MainWindow.h"

#include "about/HelpText.h"
#include "about/AboutBox.h"
#include "screen/NameField.h"
#include "creation/FaceCreation.h"
#include "game/GameStart.h"
#include "game/PartDragging.h"
#include "game/Unveiling.h"
#include "montage/Montage.h"
#include "party/RoundController.h"
#include "party/RoundReplayView.h"
#include "gallery/Gallery.h"
#include "gallery/GalleryReplay.h"
#include "game/GameTexts.h"
#include "game/ReplayPlayback.h"
#include "game/WorkNaming.h"
#include "platform/system/AppError.h"
#include "library/FaceDeletion.h"
#include "library/FaceSelection.h"
#include "library/HallOfFameKeeper.h"
#include "library/OpeningFaceChoice.h"
#include "music/MusicController.h"
#include "platform/widgets/CaptionLabel.h"
#include "platform/widgets/CommandButton.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/DragController.h"
#include "platform/widgets/LineOverlay.h"
#include "platform/widgets/ListBox.h"
#include "platform/widgets/MouseUpCheckBox.h"
#include "platform/widgets/PictureBox.h"

#include <QAction>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScopeGuard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QTimer>

void MainWindow::connectHandlers()
{
    connect(w.tickTimer, &QTimer::timeout, this, &MainWindow::tick);
    // The review belongs to the unveiled face and its saved work; every other screen takes it away.
    m_screen->setOnChange([this](Screen screen) {
        if (screen != Screen::Unveiled && screen != Screen::WorkSaved && screen != Screen::TurnUnveiled) {
            m_replay->stop();
            m_unveiling->hideReview();
        }
        if (screen != Screen::Gallery)
            m_galleryReplay->stop();
    });
    connect(w.replayButton, &QPushButton::clicked, this, &MainWindow::replayClicked);
    connect(w.slideshowButton, &QPushButton::clicked, this, &MainWindow::startSlideshow);
    connect(w.hallOfFameAction, &QAction::triggered, this, &MainWindow::showHallOfFame);
    connect(w.playRoundAction, &QAction::triggered, this, &MainWindow::startRound);
    connect(w.selectButton, &QPushButton::clicked, this, &MainWindow::selectButtonClicked);
    connect(w.startButton, &QPushButton::clicked, this, &MainWindow::startButtonClicked);
    connect(w.modeButton, &CommandButton::mouseUp, this, &MainWindow::modeButtonReleased);
    connect(w.nameField, &QLineEdit::textChanged, this, &MainWindow::nameEdited);
    connect(w.faceList, &QComboBox::activated, this, &MainWindow::faceChosen);
    connect(w.openingFaceBox, &MouseUpCheckBox::mouseUp, this, &MainWindow::openingFaceBoxReleased);
    connect(w.deleteFacesAction, &QAction::triggered, this, &MainWindow::startDeletion);
    connect(w.galleryAction, &QAction::triggered, this, &MainWindow::openGallery);
    connect(w.pickList, &ListBox::picked, this, &MainWindow::listPicked);
    connect(w.cutOrDeleteButton, &QPushButton::clicked, this, &MainWindow::cutOrDeleteClicked);
    connect(w.musicOnAction, &QAction::triggered, this, &MainWindow::turnMusicOn);
    connect(w.musicOffAction, &QAction::triggered, this, &MainWindow::turnMusicOff);
    connect(w.chooseTuneAction, &QAction::triggered, this, &MainWindow::chooseTune);
    connect(w.helpAction, &QAction::triggered, this, &MainWindow::showHelp);
    connect(w.aboutAction, &QAction::triggered, this, &MainWindow::showAbout);
    connect(w.montageAction, &QAction::triggered, this, &MainWindow::startMontage);
    connect(w.outlineTitle, &CaptionLabel::clicked, this, &MainWindow::outlineTitleClicked);
    for (int k = 1; k <= 4; ++k) {
        connect(w.parts().title(k), &CaptionLabel::mousePressed, this,
                [this, k](Qt::MouseButton button) { partTitleMouseDown(k, button); });
    }
    connect(w.growButton, &QPushButton::clicked, this, &MainWindow::growPart);
    connect(w.shrinkButton, &QPushButton::clicked, this, &MainWindow::shrinkPart);
    for (int k = 1; k <= 4; ++k) {
        connect(w.parts().picture(k), &PictureBox::mousePressed, this,
                [this, k](QMouseEvent *event) { partMouseDown(k, event->globalPosition().toPoint()); });
    }
    connect(w.createFaceAction, &QAction::triggered, this, &MainWindow::startFaceCreation);
    connect(w.automaticButton, &QPushButton::clicked, this, &MainWindow::outlineAutomatically);
    // While a button is held, the press's own grab keeps the moves and the release coming
    // here even when the pointer is outside the face picture.
    connect(w.facePicture, &PictureBox::mousePressed, this,
            [this](QMouseEvent *event) { facePressed(event->position().toPoint()); });
    connect(w.facePicture, &PictureBox::mouseMoved, this,
            [this](QMouseEvent *event) { pointerMovedOnFace(event->position().toPoint()); });
    connect(w.facePicture, &PictureBox::mouseReleased, this,
            [this](QMouseEvent *event) { faceReleased(event->position().toPoint()); });
    // The bare window background reports every pointer move, for the cursor reset.
    w.client->setMouseTracking(true);
    w.client->installEventFilter(this);
    connectDragTargets();
}

void MainWindow::connectDragTargets()
{
    PartDragging &dragging = *m_dragging;
    auto accept = [](QPoint, QPoint) { return true; };
    auto restore = [this](QPoint, QPoint) { guarded([this] { m_dragging->restore(); }); };

    m_drag->addTarget(
        w.facePicture, [&dragging](QPoint local, QPoint) { return dragging.dragOverFace(local); },
        [this](QPoint, QPoint global) { guarded([this, global] { m_dragging->dropOnFace(global); }); });
    for (int k = 1; k <= 4; ++k) {
        PictureBox *part = w.parts().picture(k);
        m_drag->addTarget(part, accept, [this, part](QPoint, QPoint global) {
            guarded([this, part, global] { m_dragging->dropOnPart(part, global); });
        });
    }
    m_drag->addTarget(
        w.client, [&dragging](QPoint, QPoint global) { return dragging.dragOverWindow(global); }, restore);
    m_drag->setBackground(w.client);
    for (QWidget *widget : {static_cast<QWidget *>(w.guidanceLabel), static_cast<QWidget *>(w.faceNameLabel),
                            static_cast<QWidget *>(w.selectButton), static_cast<QWidget *>(w.startButton),
                            static_cast<QWidget *>(w.modeButton)})
        m_drag->addTarget(widget, accept, restore);
    m_drag->setEndedWithoutDrop([this] { guarded([this] { m_dragging->endedWithoutDrop(); }); });
}

void MainWindow::keyPressEvent(QKeyEvent *event)
{
    // Escape ends a replay, as a second press of "リプレイ" does. "L" (for lines) shows or hides the
    // review's lines, as a click on the face does. F5 in the gallery starts the slideshow. A key that
    // a focused field takes never arrives here.
    if (event->key() == Qt::Key_Escape
        && (m_replay->isRunning() || m_galleryReplay->isRunning() || w.roundReplay->isRunning())) {
        stopReplays();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F5 && currentScreen() == Screen::Gallery) {
        startSlideshow();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_L && w.reviewLines->isVisible()) {
        w.reviewLines->toggleLines();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == w.client && event->type() == QEvent::MouseMove)
        pointerMovedOnWindow();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::stopReplays()
{
    m_replay->stop();
    m_galleryReplay->stop();
    m_round->stopReplay();
}

void MainWindow::startSlideshow()
{
    if (currentScreen() != Screen::Gallery || !m_screen->conditions().galleryHasWorks || m_slideshow)
        return;
    // The work on show comes back into the face box, where it waits for the slideshow's end.
    stopReplays();
    guarded([this] { m_slideshow = m_gallery->startSlideshow(this); });
}

void MainWindow::replayClicked()
{
    if (currentScreen() == Screen::Gallery)
        guarded([this] { m_galleryReplay->toggle(m_gallery->shownReplay()); });
    else
        guarded([this] { m_replay->toggle(); });
    // The button stays down exactly while a replay runs, whatever the click did to it.
    w.replayButton->setChecked(m_replay->isRunning() || m_galleryReplay->isRunning());
}

void MainWindow::showHallOfFame()
{
    if (!m_library.hasFace(m_shownFace.CurrentFace))
        return;
    const QString face = m_library.Faces.at(m_shownFace.CurrentFace).Name;
    QStringList problems;
    const QList<HallOfFameEntry> entries = m_hallOfFame->entries(face, problems);
    for (const QString &problem : std::as_const(problems))
        m_services.dialogs->showError(problem);
    m_services.dialogs->showMessage(hallOfFameText(face, entries));
}

void MainWindow::startRound()
{
    if (currentScreen() == Screen::FaceSelect)
        guarded([this] { m_round->askPlayers(); });
}

void MainWindow::saveReplayBeside(const QString &workPath)
{
    if (!m_replay->hasReplay())
        return;
    const QString folder = QFileInfo(workPath).path();
    // Drawing and encoding the frames takes a moment.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const auto cursorBack = qScopeGuard([] { QGuiApplication::restoreOverrideCursor(); });
    try {
        m_replay->saveAs(folder + QLatin1Char('/') + WorkNaming::replayOf(QFileInfo(workPath).fileName()));
    } catch (const AppError &error) {
        // The work itself is kept; the player learns that its replay is not.
        throw AppError(GameTexts::ReplayNotSaved + QStringLiteral("\r") + error.message());
    }
}

void MainWindow::selectButtonClicked()
{
    stopReplays();
    if (isFaceCreation(currentScreen()))
        guarded([this] { m_creation->registerFace(); });
    else if (isRoundScreen(currentScreen()))
        guarded([this] { m_round->askToLeave(); });
    else
        guarded([this] { m_selection->selectCommand(); });
}

void MainWindow::startButtonClicked()
{
    stopReplays();
    switch (currentScreen()) {
    case Screen::Opening:
    case Screen::FaceSelect:
    case Screen::PracticeDone:
        guarded([this] { m_gameStart->start(); });
        break;
    case Screen::UnveilReady:
        guarded([this] { m_unveiling->unveil(m_round->playerOfThisGame()); });
        // The turn's work is kept at once, even when the hall of fame could not take the score.
        if (currentScreen() == Screen::TurnUnveiled)
            guarded([this] { m_round->turnUnveiled(); });
        break;
    case Screen::TurnWaiting:
        guarded([this] { m_round->beginTurn(); });
        break;
    case Screen::RoundRanking:
        guarded([this] { m_round->playAgain(); });
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

void MainWindow::modeButtonReleased()
{
    // The work is what the unveiled screen shows, so a replay gives it back first.
    stopReplays();
    switch (currentScreen()) {
    case Screen::PracticePlay:
        guarded([this] { m_gameStart->switchToReal(); });
        break;
    case Screen::RealPlay:
        guarded([this] { m_gameStart->switchToPractice(); });
        break;
    case Screen::Unveiled:
        guarded([this] { saveReplayBeside(m_unveiling->saveWork()); });
        break;
    case Screen::MontageSave:
        guarded([this] { m_unveiling->saveWork(); });
        break;
    case Screen::TurnUnveiled:
        guarded([this] { m_round->nextTurn(); });
        break;
    case Screen::RoundRanking:
        guarded([this] { m_round->endRound(); });
        break;
    default:
        break;
    }
}

void MainWindow::nameEdited()
{
    nameFieldChanged(*m_screen, w.nameField->text());
}

void MainWindow::faceChosen(int index)
{
    guarded([this, index] { m_selection->faceChosen(index); });
}

void MainWindow::openingFaceBoxReleased()
{
    guarded([this] { m_openingFace->openingFaceBoxReleased(); });
}

void MainWindow::partMouseDown(int k, QPoint global)
{
    if (isMontage(currentScreen()))
        guarded([this, k] { m_montage->partMouseDown(k); });
    guarded([this, k, global] { m_dragging->partMouseDown(k, global); });
}

void MainWindow::pointerMovedOnWindow()
{
    m_dragging->pointerMovedOnWindow();
}

void MainWindow::startMontage()
{
    guarded([this] { m_montage->startMontage(); });
}

void MainWindow::outlineTitleClicked()
{
    if (isMontage(currentScreen()))
        guarded([this] { m_montage->outlineTitleClicked(); });
}

void MainWindow::startDeletion()
{
    guarded([this] { m_deletion->startDeletion(); });
}

void MainWindow::openGallery()
{
    guarded([this] { m_gallery->openGallery(); });
}

void MainWindow::listPicked()
{
    const int row = w.pickList->currentRow();
    if (row < 0)
        return;
    stopReplays();
    switch (currentScreen()) {
    case Screen::Montage:
    case Screen::MontageSave:
        guarded([this, row] { m_montage->takeFace(row); });
        break;
    case Screen::FaceDelete:
        guarded([this, row] { m_deletion->markFace(row); });
        break;
    case Screen::Gallery: {
        const QString fileName = w.pickList->item(row)->text();
        guarded([this, fileName] { m_gallery->showWork(fileName); });
        break;
    }
    default:
        break;
    }
}

void MainWindow::growPart()
{
    if (isMontage(currentScreen()))
        guarded([this] { m_montage->growPart(); });
}

void MainWindow::shrinkPart()
{
    if (isMontage(currentScreen()))
        guarded([this] { m_montage->shrinkPart(); });
}

void MainWindow::startFaceCreation()
{
    guarded([this] { m_creation->startFaceCreation(); });
}

void MainWindow::cutOrDeleteClicked()
{
    if (currentScreen() == Screen::FaceDelete)
        guarded([this] { m_deletion->deleteMarkedFaces(); });
    else if (isFaceCreation(currentScreen()))
        guarded([this] { m_creation->zoom(); });
}

void MainWindow::outlineAutomatically()
{
    guarded([this] { m_creation->outlineAutomatically(); });
}

void MainWindow::facePressed(QPoint at)
{
    if (isFaceCreation(currentScreen()))
        guarded([this, at] { m_creation->facePressed(at); });
}

void MainWindow::pointerMovedOnFace(QPoint at)
{
    if (isFaceCreation(currentScreen()))
        guarded([this, at] { m_creation->pointerMovedOnFace(at); });
}

void MainWindow::faceReleased(QPoint at)
{
    if (isFaceCreation(currentScreen()))
        guarded([this, at] { m_creation->faceReleased(at); });
}

void MainWindow::partTitleMouseDown(int k, Qt::MouseButton button)
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

void MainWindow::turnMusicOn()
{
    undoAutoToggle(w.musicOnAction);
    guarded([this] { m_musicController->turnMusicOn(); });
}

void MainWindow::turnMusicOff()
{
    undoAutoToggle(w.musicOffAction);
    guarded([this] { m_musicController->turnMusicOff(); });
}

void MainWindow::chooseTune()
{
    guarded([this] { m_musicController->chooseTune(); });
}

void MainWindow::showHelp()
{
    openHelpText(*m_services.desktop, *m_services.dialogs, m_library.AppDir);
}

void MainWindow::showAbout()
{
    guarded([this] { m_musicController->pauseForDialog(); });
    // Modal: the main window takes no input until the box closes.
    m_aboutBox->open();
}
