#include "music/MidiPlayer.h"

#include "music/AudioOutput.h"
#include "music/FluidSynthLibrary.h"
#include "music/MidiFileCheck.h"
#include "music/MidiTune.h"
#include "platform/system/AppError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>

#include <fluidsynth.h>

#include <algorithm>
#include <atomic>
#include <mutex>

Q_LOGGING_CATEGORY(lcMusic, "petara.music", QtInfoMsg)

namespace {

// Real tunes are a few hundred kilobytes; anything far larger is not worth holding in memory.
constexpr qint64 MaxTuneBytes = 16 * 1024 * 1024;

// Failures the player handles itself (no sound device, a file that does not load) are logged
// at debug level; any other FluidSynth error is a warning. Its warnings and chatter are dropped.
std::atomic<int> handledFailures{0};

struct HandlingFailures
{
    HandlingFailures() { ++handledFailures; }
    ~HandlingFailures() { --handledFailures; }
};

void logFluidSynth(int level, const char *message, void *)
{
    if (level > FLUID_ERR)
        return;
    if (handledFailures.load() > 0)
        qCDebug(lcMusic, "FluidSynth: %s", message);
    else
        qCWarning(lcMusic, "FluidSynth: %s", message);
}

void routeFluidSynthLog()
{
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, logFluidSynth, nullptr);
    });
}

QString cannotOpen(const QString &path, const QString &reason)
{
    return QStringLiteral("曲「%1」を開けませんでした。%2").arg(QDir::toNativeSeparators(path), reason);
}

QString notStandardMidi(const QString &path)
{
    return cannotOpen(path, QStringLiteral("標準MIDIファイルではありません。"));
}

QByteArray readTune(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        throw AppError(QStringLiteral("曲「%1」が見つかりません。").arg(QDir::toNativeSeparators(path)));
    if (info.size() > MaxTuneBytes)
        throw AppError(cannotOpen(path, QStringLiteral("ファイルが大きすぎます。")));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(cannotOpen(path, QStringLiteral("ファイルを読み込めません。")));
    const QByteArray tune = file.readAll();
    if (!isWellFormedMidiFile(tune))
        throw AppError(notStandardMidi(path));
    return tune;
}

// A tune that does not load is the player's own failure to report, not FluidSynth's.
int probeLength(fluid_synth_t *synth, const QByteArray &tune)
{
    HandlingFailures handling;
    return midiTuneLength(synth, tune);
}

// The tick the player reports from the audio thread. Once held, the audio thread can no
// longer overwrite it, so a stopped tune keeps the position that stop or rewind left.
class TickReport
{
public:
    static int report(void *data, int tick)
    {
        auto *self = static_cast<TickReport *>(data);
        const std::lock_guard lock(self->m_mutex);
        if (self->m_live)
            self->m_tick = tick;
        return FLUID_OK;
    }

    void follow()
    {
        const std::lock_guard lock(m_mutex);
        m_live = true;
    }
    void hold()
    {
        const std::lock_guard lock(m_mutex);
        m_live = false;
    }
    void holdAt(int tick)
    {
        const std::lock_guard lock(m_mutex);
        m_live = false;
        m_tick = tick;
    }
    int tick() const
    {
        const std::lock_guard lock(m_mutex);
        return m_tick;
    }

private:
    mutable std::mutex m_mutex;
    bool m_live = false;
    int m_tick = 0;
};

} // namespace

struct MidiPlayer::Engine
{
    fluid_settings_t *settings = nullptr;
    fluid_synth_t *synth = nullptr;

    ~Engine()
    {
        if (synth)
            delete_fluid_synth(synth);
        if (settings)
            delete_fluid_settings(settings);
    }
};

struct MidiPlayer::Session
{
    fluid_player_t *player = nullptr;
    fluid_audio_driver_t *driver = nullptr;
    TickReport ticks;
    int length = 0;
    bool playRequested = false;

    ~Session()
    {
        // The audio thread must be gone before the player it drives.
        if (driver)
            delete_fluid_audio_driver(driver);
        if (player)
            delete_fluid_player(player);
    }

    int status() const { return fluid_player_get_status(player); }
    // FluidSynth says done both after a stop and after the tune ran out; only the latter
    // leaves a play request standing.
    bool playedToEnd() const { return playRequested && status() == FLUID_PLAYER_DONE; }
};

namespace {

// The desktop's sound, else FluidSynth's file driver into /dev/null: it paces itself by the
// clock, so the tune still runs in real time and reports its position.
fluid_audio_driver_t *startOutput(fluid_settings_t *settings, fluid_synth_t *synth)
{
    HandlingFailures handling;
    return AudioOutput::open(settings, synth);
}

} // namespace

MidiPlayer::MidiPlayer() = default;

MidiPlayer::~MidiPlayer()
{
    close();
}

std::unique_ptr<MidiPlayer::Engine> MidiPlayer::makeEngine()
{
    if (!FluidSynthLibrary::load())
        throw AppError(QStringLiteral("MIDI 音源を準備できませんでした。"));
    routeFluidSynthLog();
    auto engine = std::make_unique<Engine>();
    engine->settings = new_fluid_settings();
    if (engine->settings) {
        // Background music needs no short latency: large periods wake the audio thread about
        // forty times a second instead of seven hundred.
        fluid_settings_setint(engine->settings, "audio.period-size", 1024);
        fluid_settings_setint(engine->settings, "audio.periods", 4);
        engine->synth = new_fluid_synth(engine->settings);
    }
    if (!engine->synth)
        throw AppError(QStringLiteral("MIDI 音源を準備できませんでした。"));
    if (fluid_synth_sfload(engine->synth, SoundFontPath, 1) == FLUID_FAILED)
        throw AppError(
            QStringLiteral("音色ファイル「%1」を読み込めませんでした。").arg(QString::fromUtf8(SoundFontPath)));
    return engine;
}

void MidiPlayer::prepare()
{
    if (!m_engine && !m_preparing.valid())
        m_preparing = std::async(std::launch::async, &MidiPlayer::makeEngine);
}

MidiPlayer::Engine &MidiPlayer::engine()
{
    if (!m_engine) {
        // A failed preparation is reported once; the next open() tries again here.
        if (m_preparing.valid())
            m_engine = m_preparing.get();
        else
            m_engine = makeEngine();
    }
    return *m_engine;
}

void MidiPlayer::open(const QString &path)
{
    close();
    if (!FluidSynthLibrary::load())
        throw AppError(QStringLiteral("MIDI 音源を準備できませんでした。"));
    const QByteArray tune = readTune(path);
    Engine &engine = this->engine();
    const int length = probeLength(engine.synth, tune);
    if (length < 0)
        throw AppError(notStandardMidi(path));

    auto session = std::make_unique<Session>();
    session->length = length;
    session->player = new_fluid_player(engine.synth);
    if (!session->player)
        throw AppError(QStringLiteral("MIDI 音源を準備できませんでした。"));
    fluid_player_set_tick_callback(session->player, &TickReport::report, &session->ticks);
    // The player keeps its own copy, so a replay never depends on the file still being there.
    fluid_player_add_mem(session->player, tune.constData(), size_t(tune.size()));
    session->driver = startOutput(engine.settings, engine.synth);
    if (!session->driver)
        throw AppError(QStringLiteral("音声出力を開けませんでした。"));
    m_session = std::move(session);
}

bool MidiPlayer::isOpen() const
{
    return m_session != nullptr;
}

void MidiPlayer::play()
{
    if (!m_session || m_session->status() == FLUID_PLAYER_PLAYING || position() >= length())
        return;
    m_session->playRequested = true;
    m_session->ticks.follow();
    fluid_player_play(m_session->player);
}

void MidiPlayer::stop()
{
    if (!m_session)
        return;
    Session &session = *m_session;
    if (session.playedToEnd())
        session.ticks.holdAt(session.length);
    else
        session.ticks.hold();
    session.playRequested = false;
    fluid_player_stop(session.player);
}

void MidiPlayer::rewind()
{
    if (!m_session)
        return;
    Session &session = *m_session;
    const bool playing = session.status() == FLUID_PLAYER_PLAYING;
    // FluidSynth refuses a seek while an earlier one is pending, except on a stopped player.
    fluid_player_stop(session.player);
    fluid_player_seek(session.player, 0);
    session.ticks.holdAt(0);
    if (playing) {
        session.ticks.follow();
        fluid_player_play(session.player);
    } else {
        session.playRequested = false;
    }
}

int MidiPlayer::position() const
{
    if (!m_session)
        return 0;
    if (m_session->playedToEnd())
        return m_session->length;
    // FluidSynth's tick runs on past the last event while the last notes fade out.
    return std::min(m_session->ticks.tick(), m_session->length);
}

int MidiPlayer::length() const
{
    return m_session ? m_session->length : 0;
}

void MidiPlayer::close()
{
    m_session.reset();
}
