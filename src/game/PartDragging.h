#pragma once

#include "screen/PartTray.h"

#include <QCursor>
#include <QPoint>

struct FaceLibrary;
struct ShownFace;
class CaptionLabel;
class QLineEdit;
class QWidget;
struct GameState;
class Chance;
class DragController;
class PictureBox;
class ScreenState;

// Dragging the parts onto the face: the press on a part, the drop on the face, on another part
// or elsewhere, the blind drag of the real mode with its hints, and the check that all four
// parts lie on the face. The montage drags its parts the same way.
class PartDragging
{
public:
    // The widgets it works on.
    struct Widgets
    {
        QWidget *client = nullptr;
        PictureBox *facePicture = nullptr;
        CaptionLabel *guidanceLabel = nullptr;
        QLineEdit *nameField = nullptr;
        PartTray parts;
    };

    PartDragging(const Widgets &widgets, const FaceLibrary &library, const ShownFace &shown, ScreenState &screen,
                 GameState &state, DragController &drag, Chance &chance);

    // Cursor 1, the transparent cursor of the real mode.
    void setTransparentCursor(const QCursor &cursor) { m_transparentCursor = cursor; }

    // A press on part picture k (1 .. 4), the pointer at `global` on the screen.
    void partMouseDown(int k, QPoint global);
    void beginPartDrag(QPoint global);

    // Drag over and drop on the face picture; `local` is in facePicture's coordinates.
    bool dragOverFace(QPoint local);
    void dropOnFace(QPoint global);
    // A drop on a part picture.
    void dropOnPart(PictureBox *target, QPoint global);
    // The drag over the bare window background: abandoned once the pointer is outside the window.
    bool dragOverWindow(QPoint global);
    // A drop on the background, a label or a command button: the part goes back.
    void restore();
    // A drag that ended with no drop at all (Escape, a refusing widget, outside the window).
    void endedWithoutDrop();
    // The pointer moved over the bare background with no drag under way.
    void pointerMovedOnWindow();

    void checkAllPlaced();

private:
    void setHintTarget(int x, int y);
    void moveByTravel(QPoint global);
    // The mode is fixed by a part on the face.
    void markDropped();
    // Blind drags, with hints.
    bool isReal() const;
    // Drags in sight: practice, and the montage until a name is typed.
    bool isPractice() const;
    void showRealText();
    // The blind drag's record, for the replay: times from the real game's start, client positions.
    qint64 realMs() const;
    QPoint onClient(QPoint global) const;

    const Widgets w;
    const FaceLibrary &m_library;
    const ShownFace &m_shown;
    ScreenState &m_screen;
    GameState &m_state;
    DragController &m_drag;
    Chance &m_chance;
    QCursor m_transparentCursor = QCursor(Qt::ArrowCursor);
};
