#pragma once

#include <QString>

struct FaceLibrary;
class QAction;
struct MusicSettings;
class Dialogs;
class MidiPlayer;

// The background tune: started by the first opening tick, restarted by the timer when it has
// played to its end, switched on and off and changed from the BGM menu, paused by the About box.
class MusicController
{
public:
    // The widgets it works on.
    struct Widgets
    {
        QAction *musicOnAction = nullptr;
        QAction *musicOffAction = nullptr;
    };

    MusicController(const Widgets &widgets, MusicSettings &settings, const FaceLibrary &library, Dialogs &dialogs,
                    MidiPlayer &player);

    // The first opening step. Throws AppError when the tune cannot be opened.
    void startMusic();
    // Every tick: a tune that reached its end starts again.
    void loopCheck();
    void turnMusicOn();  // "再生(&P)"
    void turnMusicOff(); // "停止(&S)"
    void chooseTune();   // "曲の設定(&K)"
    // Stops and rewinds the tune while the About box is shown, and plays it again afterwards,
    // when music is on.
    void pauseForDialog();
    void resumeAfterDialog();
    // Start-up: the settings read from the index. Until they are taken, nothing is written back.
    void takeSettings(bool bgmOn, const QString &musicFileName);
    // At the end of the program: keeps the music switch in the index. Throws AppError when the
    // index cannot be written.
    void saveSwitch();
    // At the end of the program, after saveSwitch.
    void close();

    bool musicOn() const;

private:
    void showMusicOn(bool on);
    void openTune();

    const Widgets w;
    MusicSettings &m_settings;
    const FaceLibrary &m_library;
    Dialogs &m_dialogs;
    MidiPlayer &m_player;
    bool m_settingsTaken = false;
};
