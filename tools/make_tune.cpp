// Writes the default background tune: "Sakura Sakura", the traditional song, arranged for
// koto with a shakuhachi drone and a low koto pulse; one pass at 56 beats a minute, a minute long.
// Usage: make_tune [output path]   (default: data/tema84.mid)

#include "lib/MidiFileWriter.h"
#include "platform/system/AppError.h"
#include "platform/files/AtomicFile.h"

#include <QString>

#include <cstdio>

namespace {

constexpr int Quarter = 480;
constexpr int Eighth = Quarter / 2;
constexpr int Half = Quarter * 2;
constexpr int Whole = Quarter * 4;
constexpr int Bar = Whole;
constexpr int BeatsPerMinute = 56;

// General MIDI programs, counted from 0.
constexpr int Koto = 107;
constexpr int Shakuhachi = 77;

enum Key { E2 = 40, A2 = 45, E3 = 52, A3 = 57, B3 = 59, C4 = 60, E4 = 64, F4 = 65, A4 = 69, B4 = 71, C5 = 72 };

struct Note
{
    int key;
    int duration;
};

// The melody, two bars a phrase.
const QList<QList<Note>> Phrases = {
    // さくら さくら
    {{A4, Quarter}, {A4, Quarter}, {B4, Half}, {A4, Quarter}, {A4, Quarter}, {B4, Half}},
    // やよいの空は
    {{A4, Quarter}, {B4, Quarter}, {C5, Quarter}, {B4, Quarter}, {A4, Quarter}, {B4, Eighth}, {A4, Eighth}, {F4, Half}},
    // 見わたす限り
    {{E4, Quarter}, {C4, Quarter}, {E4, Quarter}, {F4, Quarter}, {E4, Quarter}, {E4, Eighth}, {C4, Eighth}, {B3, Half}},
    // かすみか雲か
    {{A4, Quarter}, {B4, Quarter}, {C5, Quarter}, {B4, Quarter}, {A4, Quarter}, {B4, Eighth}, {A4, Eighth}, {F4, Half}},
    // 匂いぞ出ずる
    {{E4, Quarter}, {C4, Quarter}, {E4, Quarter}, {F4, Quarter}, {E4, Quarter}, {E4, Eighth}, {C4, Eighth}, {B3, Half}},
    // いざや いざや
    {{A4, Quarter}, {A4, Quarter}, {B4, Half}, {A4, Quarter}, {A4, Quarter}, {B4, Half}},
    // 見にゆかん
    {{E4, Quarter}, {F4, Quarter}, {B4, Eighth}, {A4, Eighth}, {F4, Quarter}, {E4, Whole}},
};

// The drone's note for each bar: A under the high phrases, E under the low ones.
const QList<int> DroneByBar = {A3, A3, A3, A3, E3, E3, A3, A3, E3, E3, A3, A3, E3, E3};

MidiFileWriter::Track conductor()
{
    MidiFileWriter::Track track;
    track.setTempo(0, 60'000'000 / BeatsPerMinute);
    return track;
}

// Returns the tick after the last note.
int writeMelody(MidiFileWriter::Track &track)
{
    track.programChange(0, 0, Koto);
    int tick = 0;
    for (const QList<Note> &phrase : Phrases) {
        for (const Note &note : phrase) {
            track.note(tick, note.duration, 0, note.key, 96);
            tick += note.duration;
        }
    }
    return tick;
}

void writeAccompaniment(MidiFileWriter::Track &track)
{
    track.programChange(0, 1, Shakuhachi);
    track.programChange(0, 2, Koto);
    for (int bar = 0; bar < DroneByBar.size(); ++bar) {
        const int start = bar * Bar;
        const int drone = DroneByBar[bar];
        track.note(start, Bar, 1, drone, 40);
        // A plucked low root on the first beat and its fifth on the third.
        const int root = drone == A3 ? A2 : E2;
        track.note(start, Half, 2, root, 64);
        track.note(start + Half, Half, 2, root + 7, 52);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    const QString path = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("data/tema84.mid");
    try {
        MidiFileWriter::Track melody;
        const int end = writeMelody(melody);
        MidiFileWriter::Track accompaniment;
        writeAccompaniment(accompaniment);
        accompaniment.setEnd(end);

        MidiFileWriter file(Quarter);
        file.addTrack(conductor());
        file.addTrack(melody);
        file.addTrack(accompaniment);

        writeFileAtomically(path, file.bytes());
        std::printf("%s: %d ticks, %.1f seconds\n", qPrintable(path), end,
                    end / double(Quarter) * 60.0 / BeatsPerMinute);
    } catch (const AppError &error) {
        std::fprintf(stderr, "make_tune: %s\n", error.what());
        return 1;
    }
    return 0;
}
