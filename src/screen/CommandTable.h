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
    CommandLook select;       // BtnSentaku: "顔選択", "キャンセル", "登録"
    CommandLook start;        // BtnStart: "スタート", "お披露目", "キャンセル"
    CommandLook mode;         // BtnRenshu: "練習", "本番", "保存"
    CommandLook zoomOrDelete; // BtnKiritori: "ズーム", "削除"
    CommandLook grow;         // BtnUp "+"
    CommandLook shrink;       // BtnDown "-"
    bool faceMenu = false;    // N1 "顔の作成／削除"
    bool createFace = true;   // N9 "顔の作成"
    bool deleteFace = false;  // N10 "顔の削除"
    bool works = false;       // N7 "作品を観る"
    bool montage = false;     // N8 "モンタージュ"
};

// The command table: what each screen offers the player, given the conditions within it.
CommandLooks commandLooks(Screen screen, const ScreenConditions &conditions);
