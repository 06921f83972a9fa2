#pragma once

#include "app/Form1Services.h"
#include "screen/Form1Widgets.h"
#include "screen/ScreenState.h"
#include "screen/ShownFace.h"
#include "game/GameState.h"
#include "library/FaceLibrary.h"
#include "music/MusicSettings.h"

#include <QCursor>
#include <QMainWindow>

#include <functional>
#include <memory>

class DragController;
class FaceCreation;
class FaceRegistration;
class FaceDeletion;
class FaceSelection;
class Gallery;
class GameStart;
class MidiPlayer;
class Montage;
class MusicController;
class OpeningFaceChoice;
class OpeningSequence;
class PartDragging;
class TForm2;
class Unveiling;

// The main window: builds every widget, connects each event to its named handler, owns the
// screen state, and dispatches the multi-purpose handlers on it to the screen controllers.
class TForm1 : public QMainWindow
{
    Q_OBJECT
public:
    explicit TForm1(const Form1Services &services, QWidget *parent = nullptr);
    ~TForm1() override;

    const Form1Widgets &widgets() const { return w; }
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
    TForm2 &form2() { return *m_form2; }

    // The handlers, public so that tests can run them without waiting for their events.
    void FormShow();
    void FormClose();
    void Timer1Timer();
    void BtnSentakuClick();
    void BtnStartClick();
    void BtnRenshuMouseUp();
    void Edit1Change();
    void ComboBox1Change(int index);
    void CheckBox1MouseUp();
    // A press on part picture k (1 .. 4), the pointer at `global` on the screen.
    void partMouseDown(int k, QPoint global);
    void FormMouseMove();
    void N8Click();
    void LabelRinkakuClick();
    void BtnUpClick();
    void BtnDownClick();
    void N9Click();
    // "自動" during face creation: the four outlines from facial landmarks.
    void BtnJidouClick();
    // Pointer events on the face picture, at `at` in its pixels.
    void Image1MouseDown(QPoint at);
    void Image1MouseMove(QPoint at);
    void Image1MouseUp(QPoint at);
    // A press on the title of part k (1 .. 4): LabelREMouseDown .. LabelKutiMouseDown.
    void partTitleMouseDown(int k, Qt::MouseButton button);
    void N10Click();
    void N7Click();
    // A row of ListBox1 was clicked, or chosen with a key.
    void ListBox1Click();
    void BtnKiritoriClick();
    void N2Click();
    void N3Click();
    void N5Click();
    void Help2Click();
    void About1Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void connectHandlers();
    void connectDragTargets();
    // Runs a handler inside the error boundary; false when it failed.
    bool guarded(const std::function<void()> &handler);
    void startUp();

    Form1Services m_services;
    Form1Widgets w;
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
    std::unique_ptr<Unveiling> m_unveiling;
    std::unique_ptr<Montage> m_montage;
    std::unique_ptr<FaceRegistration> m_registration;
    std::unique_ptr<FaceCreation> m_creation;
    std::unique_ptr<FaceDeletion> m_deletion;
    std::unique_ptr<Gallery> m_gallery;
    std::unique_ptr<MidiPlayer> m_player;
    std::unique_ptr<MusicController> m_musicController;
    std::unique_ptr<TForm2> m_form2;
    bool m_shown = false;
    bool m_closed = false;
    // Set when the start-up sequence ran to its end; after a failed one the index is not written.
};
