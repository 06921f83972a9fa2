#pragma once

#include "screen/PartTray.h"

#include <QImage>
#include <QPoint>
#include <QString>

#include <array>

struct FaceLibrary;
class CaptionLabel;
class LineOverlay;
class PictureBox;
class QLineEdit;
class QWidget;
struct GameState;
struct ShownFace;
class Chance;
class HallOfFameKeeper;
class ScreenState;

// The unveiling of a finished real game with its score, and the saving of works: a game's face
// or a montage, as a JPEG of what the window shows over the face.
class Unveiling
{
public:
    // The widgets it works on.
    struct Widgets
    {
        QWidget *client = nullptr;
        PictureBox *facePicture = nullptr;
        CaptionLabel *guidanceLabel = nullptr;
        CaptionLabel *scoreLabel = nullptr;
        QLineEdit *nameField = nullptr;
        CaptionLabel *reviewLabel = nullptr;
        LineOverlay *reviewLines = nullptr;
        PartTray parts;
    };

    Unveiling(const Widgets &widgets, FaceLibrary &library, ScreenState &screen, GameState &state,
              const ShownFace &shown, Chance &clock, HallOfFameKeeper &hallOfFame);

    // "お披露目": the parts appear and the score is shown, with the review: each part's points
    // where the tray was and a line from where it lies to where it belonged. A score among the
    // face's ten best enters its hall of fame under `player` and is announced. A round's turn
    // ends on its own screen. Throws AppError, once the face is unveiled, when the hall of fame
    // was damaged or cannot be written.
    void unveil(const QString &player);
    // The last unveiling's place in the hall of fame, "第3位にランクイン！", or "".
    const QString &announcement() const { return m_announcement; }
    // Takes the review away, as every screen but the unveiled face and its saved work does.
    void hideReview();
    // "保存" after the unveiling or on a named montage: writes the work to the works folder.
    // Throws AppError when it cannot be written; the screen then stays as it is for another try.
    // Gives the work's path.
    QString saveWork();
    // The work as the window shows it now, without the review's lines.
    QImage workPicture() const;
    // Writes picture as the work of `player`'s turn in a round. Throws AppError when it cannot.
    // Gives the work's path.
    QString saveRoundWork(const QString &player, const QImage &picture);

private:
    // Writes the work into the works folder under fileName; gives its path.
    QString writeWork(const QImage &picture, const QString &fileName);
    void showReview(const std::array<QPoint, 4> &placed, const std::array<QPoint, 4> &rightPlaces);

    const Widgets w;
    FaceLibrary &m_library;
    ScreenState &m_screen;
    GameState &m_state;
    const ShownFace &m_shown;
    Chance &m_clock;
    HallOfFameKeeper &m_hallOfFame;
    QString m_announcement;
};
