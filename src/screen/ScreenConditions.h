#pragma once

// What the command buttons of a screen depend on besides the screen itself: events within
// the screen, and captions that a screen keeps from the one before it.
struct ScreenConditions
{
    // A game: a part was dropped on the face, which fixes the mode ("練習" or "本番").
    bool partDropped = false;
    // The opening screen: all four parts were dragged onto the face, which offers "スタート".
    bool partsOnFace = false;
    // modeButton keeps "保存" from an unveiled game until a game or a montage starts or a face
    // creation ends.
    bool gameFinished = false;
    // Face creation: every part was once outlined, so selectButton keeps "登録" while a part is redone.
    bool registerOffered = false;
    // The name field holds an acceptable name, as of its last change since naming began.
    bool nameAccepted = false;
    // Face creation: the zoom is still offered (neither applied nor given up by outlining).
    bool zoomOffered = false;
    // The zoom is armed and a rectangle of some width and height has been released.
    bool zoomRectangle = false;
    // Deletion: a face is picked and shown, so "削除" deletes it.
    bool facePicked = false;
    // The library had more than two faces at the last select command ("顔の削除" offered).
    // The command is enabled at start; only the select command looks again.
    bool deletionOffered = true;
    // The works folder was there when face selection was entered ("作品を観る" offered).
    bool worksListed = false;
    // The unveiled game left blind moves to replay.
    bool replayRecorded = false;
    // The gallery shows a work with its replay beside it.
    bool workHasReplay = false;
    // The gallery lists at least one work, so there is something for the slideshow.
    bool galleryHasWorks = false;
    // A party round's turn is being played: its real game ends on the round's own screen.
    bool roundTurn = false;
    // The round's player whose turn it is may play a practice game ("練習" offered).
    bool practiceAllowed = true;
    // The turn is the round's last, so the unveiled face leads to the ranking.
    bool lastTurn = false;
};
