#include "music/MusicController.h"

#include "library/FaceLibrary.h"
#include "library/FacePaths.h"
#include "music/MidiPlayer.h"
#include "music/MusicSettings.h"
#include "platform/widgets/Dialogs.h"
#include "platform/files/ProfileFile.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>

namespace {
const QString tuneFilter = QStringLiteral("ミュージックファイル(*.mid)|*.mid");
} // namespace

MusicController::MusicController(const Widgets &widgets, MusicSettings &settings, const FaceLibrary &library,
                                 Dialogs &dialogs, MidiPlayer &player)
    : w(widgets), m_settings(settings), m_library(library), m_dialogs(dialogs), m_player(player)
{
}

bool MusicController::musicOn() const
{
    return w.musicOnAction->isChecked();
}

void MusicController::showMusicOn(bool on)
{
    w.musicOnAction->setChecked(on);
    w.musicOffAction->setChecked(!on);
    m_settings.BgmOn = on;
}

void MusicController::openTune()
{
    m_player.open(m_settings.MusicFileName);
}

void MusicController::startMusic()
{
    // A configured tune that has gone falls back to the default one, for this run only.
    if (!QFileInfo(m_settings.MusicFileName).isFile())
        m_settings.MusicFileName = FacePaths::defaultTune(m_library.AppDir);
    // The menu shows the wish even when the tune then fails to open.
    showMusicOn(m_settings.BgmOn);
    openTune();
    if (m_settings.BgmOn)
        m_player.play();
}

void MusicController::loopCheck()
{
    if (musicOn() && m_player.isOpen() && m_player.position() >= m_player.length()) {
        m_player.rewind();
        m_player.play();
    }
}

void MusicController::turnMusicOn()
{
    if (!w.musicOffAction->isChecked())
        return;
    showMusicOn(true);
    // A tune that failed to open before gets another chance.
    if (!m_player.isOpen())
        openTune();
    m_player.play();
}

void MusicController::turnMusicOff()
{
    if (!w.musicOnAction->isChecked())
        return;
    showMusicOn(false);
    m_player.stop();
    m_player.rewind();
}

void MusicController::chooseTune()
{
    const QString chosen = m_dialogs.openFile(QStringLiteral("曲の設定"), tuneFilter);
    if (chosen.isEmpty())
        return;
    QCoreApplication::processEvents();
    m_settings.MusicFileName = chosen;
    ProfileFile(FacePaths::indexFile(m_library.AppDir))
        .writeString(QStringLiteral("BGM"), QStringLiteral("MusicFile"), chosen);
    m_player.stop();
    m_player.close();
    openTune();
    m_player.play();
    showMusicOn(true);
}

void MusicController::pauseForDialog()
{
    if (!musicOn())
        return;
    m_player.stop();
    m_player.rewind();
}

void MusicController::resumeAfterDialog()
{
    if (musicOn())
        m_player.play();
}

void MusicController::takeSettings(bool bgmOn, const QString &musicFileName)
{
    m_settings.BgmOn = bgmOn;
    m_settings.MusicFileName = musicFileName;
    m_settingsTaken = true;
}

void MusicController::saveSwitch()
{
    // After a failed start-up an index holding only the switch would hide what went wrong.
    if (!m_settingsTaken)
        return;
    ProfileFile(FacePaths::indexFile(m_library.AppDir))
        .writeBool(QStringLiteral("BGM"), QStringLiteral("Play"), m_settings.BgmOn);
}

void MusicController::close()
{
    m_player.stop();
    m_player.close();
}
