#pragma once

#include "app/OpeningSequence.h"
#include "creation/FaceCreation.h"
#include "gallery/Gallery.h"
#include "game/ReplayPlayback.h"
#include "game/GameStart.h"
#include "game/PartDragging.h"
#include "game/Unveiling.h"
#include "library/FaceDeletion.h"
#include "library/FaceSelection.h"
#include "montage/Montage.h"
#include "party/RoundController.h"
#include "screen/MainWindowWidgets.h"

// Each screen controller's view of the main window: only the widgets it works on.
OpeningSequence::Widgets openingView(const MainWindowWidgets &w);
FaceSelection::Widgets selectionView(const MainWindowWidgets &w);
GameStart::Widgets gameStartView(const MainWindowWidgets &w);
PartDragging::Widgets draggingView(const MainWindowWidgets &w);
Unveiling::Widgets unveilingView(const MainWindowWidgets &w);
ReplayPlayback::Widgets replayView(const MainWindowWidgets &w);
Montage::Widgets montageView(const MainWindowWidgets &w);
FaceCreation::Widgets creationView(const MainWindowWidgets &w);
FaceDeletion::Widgets deletionView(const MainWindowWidgets &w);
Gallery::Widgets galleryView(const MainWindowWidgets &w);
RoundController::Widgets roundView(const MainWindowWidgets &w, QWidget *window);
