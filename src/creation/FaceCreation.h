#pragma once

#include "screen/PartTray.h"

#include "creation/CreationCanvas.h"
#include "creation/CreationState.h"

#include <QPoint>
#include <Qt>

#include <memory>

class AutomaticOutlining;
class Dialogs;
class FaceRegistration;
class FaceSelection;
class PartOutlining;
class PictureLoading;
class ScreenState;
class ZoomSelection;
class CaptionLabel;
class CommandButton;
class MouseUpCheckBox;
class PictureBox;
class QComboBox;
class QLineEdit;
struct NewFace;
struct ShownFace;

// A face creation from start to end: it owns the working picture and the outlines, sends the
// pointer on the face box to the zoom or to the outlining, and ends by the cancel or by handing
// the finished face to registration.
class FaceCreation
{
public:
    // The widgets it works on.
    struct Widgets
    {
        PictureBox *facePicture = nullptr;
        CaptionLabel *faceNameLabel = nullptr;
        CaptionLabel *guidanceLabel = nullptr;
        QLineEdit *nameField = nullptr;
        QComboBox *faceList = nullptr;
        MouseUpCheckBox *openingFaceBox = nullptr;
        CommandButton *selectButton = nullptr;
        CommandButton *automaticButton = nullptr;
        CaptionLabel *outlineTitle = nullptr;
        PartTray parts;
    };

    FaceCreation(const Widgets &widgets, ScreenState &screen, ShownFace &shown, Dialogs &dialogs,
                 FaceSelection &selection, FaceRegistration &registration);
    ~FaceCreation();

    const CreationState &state() const { return m_state; }

    // Menu "顔の作成(&C)".
    void startFaceCreation();
    // "ズーム": arms the zoom, or applies the chosen rectangle.
    void zoom();
    // "自動": outlines every part not outlined by hand from the next face found on the picture,
    // as if drawn by hand, framing a small face first; with no face found only guidanceLabel changes.
    void outlineAutomatically();
    // Pointer events on facePicture, in its pixels: the zoom rectangle while the zoom is armed, else
    // the outlining.
    void facePressed(QPoint at);
    void pointerMovedOnFace(QPoint at);
    void faceReleased(QPoint at);
    // A press on the title of part k (1 .. 4).
    void partTitleMouseDown(int k, Qt::MouseButton button);
    // "キャンセル": releases everything and returns to face selection.
    void cancel();
    // "登録": hands the face to registration, then returns to face selection showing it. A face
    // without a picture or with a part not outlined is refused with a message.
    void registerFace();

    // The six pictures and the pieces' places as registration takes them, named `name`.
    NewFace finishedFace(const QString &name);

private:
    void finish();

    const Widgets w;
    ScreenState &m_screen;
    ShownFace &m_shown;
    Dialogs &m_dialogs;
    FaceSelection &m_selection;
    FaceRegistration &m_registration;
    CreationState m_state;
    CreationCanvas m_canvas;
    std::unique_ptr<PictureLoading> m_loading;
    std::unique_ptr<ZoomSelection> m_zoom;
    std::unique_ptr<PartOutlining> m_outlining;
    std::unique_ptr<AutomaticOutlining> m_automatic;
};
