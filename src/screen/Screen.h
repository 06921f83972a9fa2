#pragma once

// The screens of the main window. They are all the same window with other widgets offered;
// ScreenState keeps the one that stands, and the command table derives its buttons from it.
enum class Screen {
    Starting,     // the start-up and the opening's first ticks: nothing to press yet
    Opening,      // the title screen, inviting "顔選択"
    FaceSelect,   // the hub: choose a face, start a game, open a menu
    PracticePlay, // a game in practice: parts visible while dragged
    PracticeDone, // every part placed in practice: "スタート" starts the real game
    RealPlay,     // a game for real: parts vanish as they move, hints may lie
    UnveilReady,  // every part placed for real: "お披露目" waits
    Unveiled,     // the parts shown with the score: "保存" keeps the work
    WorkSaved,    // the work is kept
    FaceCreate,   // a new face: zoom into the picture, outline the parts
    ZoomArmed,    // face creation, the zoom rectangle being chosen
    FaceRegister, // face creation, every part outlined: the face waits for its name
    FaceDelete,   // the list of faces to delete from
    Montage,      // a face put together from the pieces of several faces
    MontageSave,  // montage, every part on the face: the work waits for its name
    Gallery,      // the list of saved works
    TurnWaiting,  // a party round: whose turn it is, "始める" waits
    TurnUnveiled, // a party round: a turn's face unveiled and kept, "次の人へ" waits
    RoundRanking, // a party round over: the ranking, "もう一回" or "終わる"
};

// The three screens of a face creation.
inline bool isFaceCreation(Screen screen)
{
    return screen == Screen::FaceCreate || screen == Screen::ZoomArmed || screen == Screen::FaceRegister;
}

// The two screens of the montage.
inline bool isMontage(Screen screen)
{
    return screen == Screen::Montage || screen == Screen::MontageSave;
}

// The screens where a party round stands between its turns; the turns' games themselves are
// played on the game's screens.
inline bool isRoundScreen(Screen screen)
{
    return screen == Screen::TurnWaiting || screen == Screen::TurnUnveiled || screen == Screen::RoundRanking;
}
