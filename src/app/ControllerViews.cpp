#include "app/ControllerViews.h"

OpeningSequence::Widgets openingView(const MainWindowWidgets &w)
{
    return {.titlePicture = w.titlePicture,
            .bannerPicture = w.bannerPicture,
            .facePicture = w.facePicture,
            .faceNameLabel = w.faceNameLabel,
            .guidanceLabel = w.guidanceLabel,
            .parts = w.parts()};
}

FaceSelection::Widgets selectionView(const MainWindowWidgets &w)
{
    return {.titlePicture = w.titlePicture,
            .bannerPicture = w.bannerPicture,
            .facePicture = w.facePicture,
            .faceNameLabel = w.faceNameLabel,
            .guidanceLabel = w.guidanceLabel,
            .scoreLabel = w.scoreLabel,
            .nameField = w.nameField,
            .faceList = w.faceList,
            .openingFaceBox = w.openingFaceBox,
            .pickList = w.pickList,
            .outlineTitle = w.outlineTitle,
            .parts = w.parts()};
}

GameStart::Widgets gameStartView(const MainWindowWidgets &w)
{
    return {.facePicture = w.facePicture, .guidanceLabel = w.guidanceLabel, .faceList = w.faceList, .parts = w.parts()};
}

PartDragging::Widgets draggingView(const MainWindowWidgets &w)
{
    return {.client = w.client,
            .facePicture = w.facePicture,
            .guidanceLabel = w.guidanceLabel,
            .nameField = w.nameField,
            .parts = w.parts()};
}

Unveiling::Widgets unveilingView(const MainWindowWidgets &w)
{
    return {.client = w.client,
            .facePicture = w.facePicture,
            .guidanceLabel = w.guidanceLabel,
            .scoreLabel = w.scoreLabel,
            .nameField = w.nameField,
            .reviewLabel = w.reviewLabel,
            .reviewLines = w.reviewLines,
            .parts = w.parts()};
}

ReplayPlayback::Widgets replayView(const MainWindowWidgets &w)
{
    return {.client = w.client,
            .facePicture = w.facePicture,
            .guidanceLabel = w.guidanceLabel,
            .scoreLabel = w.scoreLabel,
            .reviewLabel = w.reviewLabel,
            .reviewLines = w.reviewLines,
            .replayButton = w.replayButton,
            .doubleSpeedButton = w.doubleSpeedButton,
            .parts = w.parts()};
}

Montage::Widgets montageView(const MainWindowWidgets &w)
{
    return {.facePicture = w.facePicture,
            .faceNameLabel = w.faceNameLabel,
            .guidanceLabel = w.guidanceLabel,
            .faceList = w.faceList,
            .openingFaceBox = w.openingFaceBox,
            .pickList = w.pickList,
            .shrinkButton = w.shrinkButton,
            .outlineTitle = w.outlineTitle,
            .parts = w.parts()};
}

FaceCreation::Widgets creationView(const MainWindowWidgets &w)
{
    return {.facePicture = w.facePicture,
            .faceNameLabel = w.faceNameLabel,
            .guidanceLabel = w.guidanceLabel,
            .nameField = w.nameField,
            .faceList = w.faceList,
            .openingFaceBox = w.openingFaceBox,
            .selectButton = w.selectButton,
            .automaticButton = w.automaticButton,
            .outlineTitle = w.outlineTitle,
            .parts = w.parts()};
}

FaceDeletion::Widgets deletionView(const MainWindowWidgets &w)
{
    return {.client = w.client,
            .facePicture = w.facePicture,
            .faceNameLabel = w.faceNameLabel,
            .guidanceLabel = w.guidanceLabel,
            .faceList = w.faceList,
            .openingFaceBox = w.openingFaceBox,
            .pickList = w.pickList};
}

Gallery::Widgets galleryView(const MainWindowWidgets &w)
{
    return {.facePicture = w.facePicture,
            .faceNameLabel = w.faceNameLabel,
            .guidanceLabel = w.guidanceLabel,
            .faceList = w.faceList,
            .openingFaceBox = w.openingFaceBox,
            .pickList = w.pickList};
}

RoundController::Widgets roundView(const MainWindowWidgets &w, QWidget *window)
{
    return {.window = window,
            .facePicture = w.facePicture,
            .guidanceLabel = w.guidanceLabel,
            .scoreLabel = w.scoreLabel,
            .faceList = w.faceList,
            .openingFaceBox = w.openingFaceBox,
            .rankingBoard = w.rankingBoard,
            .replayView = w.roundReplay,
            .parts = w.parts()};
}
