#pragma once

#include "app/MainWindowServices.h"
#include "gallery/Slideshow.h"
#include "screen/MainWindowWidgets.h"
#include "screen/ScreenState.h"
#include "screen/ShownFace.h"
#include "game/GameState.h"
#include "library/FaceLibrary.h"
#include "music/MusicSettings.h"

#include <QCursor>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class DragController;
class FaceCreation;
class FaceRegistration;
class FaceDeletion;
class FaceSelection;
class Gallery;
class HallOfFameKeeper;
class GalleryReplay;
class ReplayPlayback;
class RoundController;
class GameStart;
class MidiPlayer;
class Montage;
class MusicController;
class OpeningFaceChoice;
class OpeningSequence;
class PartDragging;
class AboutBox;
class Unveiling;

// The main window: builds every widget, connects each event to its named handler, owns the
// screen state, and dispatches the multi-purpose handlers on it to the screen controllers.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(const MainWindowServices &services, QWidget *parent = nullptr);
    ~MainWindow() override;

    const MainWindowWidgets &widgets() const { return w; }
    const FaceLibrary &library() const { return m_library; }
    Screen currentScreen() const { return m_screen->screen(); }
    const ScreenState &screenState() const { return *m_screen; }
    const MusicSettings &music() const { return m_music; }
    int openingStep() const;
    // Cursor 1: the transparent cursor of blind play, the default arrow when its file is missing.
    QCursor transparentCursor() const;
    const FaceSelection &selection() const { return *m_selection; }
    const ShownFace &shownFace() const { return m_shownFace; }
    const GameState &game() const { return m_game; }
    const FaceCreation &creation() const { return *m_creation; }
    const Montage &montage() const { return *m_montage; }
    DragController &drag() { return *m_drag; }
    FaceDeletion &deletion() { return *m_deletion; }
    MidiPlayer &player() { return *m_player; }
    AboutBox &aboutBox() { return *m_aboutBox; }
    ReplayPlayback &replay() { return *m_replay; }
    RoundController &round() { return *m_round; }

    // The handlers, public so that tests can run them without waiting for their events.
    void windowShown();
    void windowClosing();
    void tick();
    void selectButtonClicked();
    void startButtonClicked();
    void modeButtonReleased();
    void nameEdited();
    void faceChosen(int index);
    void openingFaceBoxReleased();
    // A press on part picture k (1 .. 4), the pointer at `global` on the screen.
    void partMouseDown(int k, QPoint global);
    void pointerMovedOnWindow();
    void startMontage();
    void outlineTitleClicked();
    void growPart();
    void shrinkPart();
    void startFaceCreation();
    // "自動" during face creation: the four outlines from facial landmarks.
    void outlineAutomatically();
    // Pointer events on the face picture, at `at` in its pixels.
    void facePressed(QPoint at);
    void pointerMovedOnFace(QPoint at);
    void faceReleased(QPoint at);
    // A press on the title of part k (1 .. 4): LabelREMouseDown .. LabelKutiMouseDown.
    void partTitleMouseDown(int k, Qt::MouseButton button);
    void startDeletion();
    void openGallery();
    // A row of pickList was clicked, or chosen with a key.
    void listPicked();
    void cutOrDeleteClicked();
    void replayClicked();
    // "スライドショー" or F5 in a gallery with works.
    void startSlideshow();
    // The slideshow that runs, or null.
    Slideshow *slideshow() const { return m_slideshow; }
    void showHallOfFame();
    // "みんなで遊ぶ…": the players' dialog, then the round.
    void startRound();
    void turnMusicOn();
    void turnMusicOff();
    void chooseTune();
    void showHelp();
    void showAbout();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void connectHandlers();
    void connectDragTargets();
    // Any command stops a replay first, which puts back what it showed.
    void stopReplays();
    // Keeps the unveiled game's replay beside its saved work.
    void saveReplayBeside(const QString &workPath);
    // Runs a handler inside the error boundary; false when it failed.
    bool guarded(const std::function<void()> &handler);
    void startUp();

    MainWindowServices m_services;
    MainWindowWidgets w;
    FaceLibrary m_library;
    std::unique_ptr<ScreenState> m_screen;
    ShownFace m_shownFace;
    MusicSettings m_music;
    GameState m_game;
    QCursor m_transparentCursor;
    std::unique_ptr<OpeningSequence> m_opening;
    std::unique_ptr<FaceSelection> m_selection;
    std::unique_ptr<OpeningFaceChoice> m_openingFace;
    std::unique_ptr<DragController> m_drag;
    std::unique_ptr<GameStart> m_gameStart;
    std::unique_ptr<PartDragging> m_dragging;
    std::unique_ptr<HallOfFameKeeper> m_hallOfFame;
    std::unique_ptr<Unveiling> m_unveiling;
    std::unique_ptr<ReplayPlayback> m_replay;
    std::unique_ptr<GalleryReplay> m_galleryReplay;
    std::unique_ptr<RoundController> m_round;
    std::unique_ptr<Montage> m_montage;
    std::unique_ptr<FaceRegistration> m_registration;
    std::unique_ptr<FaceCreation> m_creation;
    std::unique_ptr<FaceDeletion> m_deletion;
    std::unique_ptr<Gallery> m_gallery;
    std::unique_ptr<MidiPlayer> m_player;
    std::unique_ptr<MusicController> m_musicController;
    std::unique_ptr<AboutBox> m_aboutBox;
    QPointer<Slideshow> m_slideshow;
    bool m_shown = false;
    bool m_closed = false;
    // Set when the start-up sequence ran to its end; after a failed one the index is not written.
};
