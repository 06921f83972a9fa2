#pragma once

#include "screen/Screen.h"
#include "screen/ScreenConditions.h"

#include <QString>

// How one command button looks on a screen.
struct CommandLook
{
    QString caption;
    bool visible = false;
    bool enabled = false;
};

// Every command button and menu command of the main window, as one screen shows them.
struct CommandLooks
{
    CommandLook select;       // selectButton: "顔選択", "キャンセル", "登録"
    CommandLook start;        // startButton: "スタート", "お披露目", "キャンセル"
    CommandLook mode;         // modeButton: "練習", "本番", "保存"
    CommandLook zoomOrDelete; // cutOrDeleteButton: "ズーム", "削除"
    CommandLook grow;         // growButton "+"
    CommandLook shrink;       // shrinkButton "-"
    CommandLook replay;       // replayButton "リプレイ"
    CommandLook doubleSpeed;  // doubleSpeedButton "×2"
    CommandLook slideshow;    // slideshowButton "スライドショー"
    bool faceMenu = false;    // faceMenuAction "顔の作成／削除"
    bool createFace = true;   // createFaceAction "顔の作成"
    bool deleteFace = false;  // deleteFacesAction "顔の削除"
    bool works = false;       // galleryAction "作品を観る"
    bool montage = false;     // montageAction "モンタージュ"
    bool party = false;       // partyMenuAction "みんなで": the hall of fame
};

// The command table: what each screen offers the player, given the conditions within it.
CommandLooks commandLooks(Screen screen, const ScreenConditions &conditions);
