#pragma once

#include <QString>
#include <future>
#include <memory>

// Plays one standard MIDI file at a time through FluidSynth. Positions and lengths are in
// ticks. Without a sound device the tune still runs in real time, silently, so the position
// keeps moving. With no tune open, play, stop and rewind do nothing and position and length are 0.
class MidiPlayer
{
public:
    static constexpr const char *SoundFontPath = "/usr/share/sounds/sf2/TimGM6mb.sf2";

    // Creates nothing heavy; the synthesizer comes with prepare() or the first open().
    MidiPlayer();
    ~MidiPlayer();
    MidiPlayer(const MidiPlayer &) = delete;
    MidiPlayer &operator=(const MidiPlayer &) = delete;

    // Starts making the synthesizer and loading the sound font on another thread, so that the
    // first open() finds them ready; any failure is reported by that open().
    void prepare();
    // Closes any open tune, then opens the tune at path, stopped at position 0. Throws AppError
    // with a message for the player when the file is missing or not a standard MIDI file, or
    // when the synthesizer cannot start; no tune is open then.
    void open(const QString &path);
    bool isOpen() const;
    // Plays from the current position; does nothing while playing or at the end of the tune.
    void play();
    // Stops and keeps the position.
    void stop();
    // Sets the position to 0; a playing tune goes on playing from there.
    void rewind();
    // The current tick, at most length(); once the tune has played to its end, exactly length().
    int position() const;
    // The tick of the tune's last event.
    int length() const;
    void close();

private:
    struct Engine;
    struct Session;

    static std::unique_ptr<Engine> makeEngine();
    Engine &engine();

    std::future<std::unique_ptr<Engine>> m_preparing; // from prepare() to the first open()
    std::unique_ptr<Engine> m_engine;                 // from the first open() to the end
    std::unique_ptr<Session> m_session;               // while a tune is open
};
