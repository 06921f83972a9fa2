#pragma once

#include <QByteArray>
#include <QList>

// Builds the bytes of a standard MIDI file from tracks of timed events.
class MidiFileWriter
{
public:
    // The events of one track, placed at absolute ticks in any order; chunk() sorts them.
    // Every setter checks its ranges (channel 0-15, data 0-127, ticks >= 0) and throws AppError.
    class Track
    {
    public:
        void setTempo(int tick, int microsecondsPerQuarter);
        void programChange(int tick, int channel, int program);
        void controlChange(int tick, int channel, int controller, int value);
        // A note on at tick and its note off duration ticks later.
        void note(int tick, int duration, int channel, int key, int velocity);
        // The track ends no earlier than tick, even if its last event comes sooner.
        void setEnd(int tick);

        // "MTrk", the length and the events with their delta times, closed by an end of track.
        QByteArray chunk() const;

    private:
        struct Event
        {
            int tick;
            int rank; // at one tick: settings first, then note offs, then note ons
            QByteArray bytes;
        };
        void add(int tick, int rank, const QByteArray &bytes);

        QList<Event> m_events;
        int m_end = 0;
    };

    explicit MidiFileWriter(int ticksPerQuarter = 480);

    void addTrack(const Track &track);
    // The header chunk, format 0 for a single track and 1 otherwise, then every track.
    QByteArray bytes() const;

    // A variable-length quantity: 7 bits a byte, the high bit set on all but the last.
    // Values above 0x0FFFFFFF, the most that four bytes hold, throw AppError.
    static QByteArray variableLength(quint32 value);

private:
    int m_ticksPerQuarter;
    QList<Track> m_tracks;
};
