#pragma once

#include "screen/PartTray.h"

class CaptionLabel;
class CommandButton;
class LineOverlay;
class ListBox;
class PictureBox;
class QAction;
class MouseUpCheckBox;
class QComboBox;
class QLineEdit;
class QMenu;
class QTimer;
class QWidget;
class RankingBoard;
class RoundReplayView;

// Every widget, menu item and timer of the main window, by the names the game gives them.
// MainWindow owns them; the screen controllers reach them through this struct.
struct MainWindowWidgets
{
    QWidget *client = nullptr; // the 560 × 479 client area; widget positions are relative to it

    PictureBox *titlePicture = nullptr;
    PictureBox *facePicture = nullptr;
    CaptionLabel *scoreLabel = nullptr;
    CaptionLabel *noseTitle = nullptr;
    CaptionLabel *guidanceLabel = nullptr;
    PictureBox *rightEyePicture = nullptr;
    PictureBox *leftEyePicture = nullptr;
    PictureBox *nosePicture = nullptr;
    PictureBox *mouthPicture = nullptr;
    CaptionLabel *rightEyeTitle = nullptr;
    CaptionLabel *leftEyeTitle = nullptr;
    CaptionLabel *mouthTitle = nullptr;
    CaptionLabel *faceNameLabel = nullptr;
    PictureBox *bannerPicture = nullptr;
    CaptionLabel *outlineTitle = nullptr;
    CommandButton *selectButton = nullptr;
    CommandButton *startButton = nullptr;
    CommandButton *modeButton = nullptr;
    QLineEdit *nameField = nullptr;
    QComboBox *faceList = nullptr;
    MouseUpCheckBox *openingFaceBox = nullptr;
    ListBox *pickList = nullptr;
    CommandButton *cutOrDeleteButton = nullptr;
    CommandButton *growButton = nullptr;
    CommandButton *shrinkButton = nullptr;
    // The unveiling's review: each part's points where the tray was, and lines over the face.
    CaptionLabel *reviewLabel = nullptr;
    LineOverlay *reviewLines = nullptr;
    QMenu *partyMenu = nullptr;
    QAction *partyMenuAction = nullptr;         // "みんなで(P)"
    QAction *playRoundAction = nullptr;         // "みんなで遊ぶ…": a party round on the current face
    QAction *hallOfFameAction = nullptr;        // "殿堂…": the current face's ten best
    RankingBoard *rankingBoard = nullptr;       // a round's ranking
    RoundReplayView *roundReplay = nullptr;     // a round's player's replay, over the ranking
    CommandButton *replayButton = nullptr;      // "リプレイ": the blind moves again, or a work's replay
    CommandButton *doubleSpeedButton = nullptr; // "×2": the replay at twice its speed
    CommandButton *slideshowButton = nullptr;   // "スライドショー": the works full screen
    CommandButton *automaticButton = nullptr;   // "自動": outlines the four parts from facial landmarks

    QMenu *faceMenu = nullptr;
    QAction *faceMenuAction = nullptr;
    QAction *createFaceAction = nullptr;
    QAction *deleteFacesAction = nullptr;
    QAction *galleryAction = nullptr;
    QAction *montageAction = nullptr;
    QMenu *musicMenu = nullptr;
    QAction *musicMenuAction = nullptr;
    QAction *musicOnAction = nullptr;
    QAction *musicOffAction = nullptr;
    QAction *musicSeparator = nullptr;
    QAction *chooseTuneAction = nullptr;
    QMenu *helpMenu = nullptr;
    QAction *helpMenuAction = nullptr;
    QAction *helpAction = nullptr;
    QAction *helpSeparator = nullptr;
    QAction *aboutAction = nullptr;

    QTimer *tickTimer = nullptr;

    // The four parts' pictures and titles.
    PartTray parts() const;
};
