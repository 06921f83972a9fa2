// Writes the starting corpus of each fuzz target: a few small, well-formed files of every
// kind its reader knows, so the fuzzer begins inside the formats rather than at random bytes.
// Usage: make_fuzz_seeds <corpus folder>   (writes <folder>/<target>/seed-*)

#include "lib/MidiFileWriter.h"
#include "library/DeletionJournal.h"
#include "library/HallOfFameFile.h"
#include "party/PlayersFile.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/pictures/WebpAnimation.h"
#include "platform/files/TextCodec.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <webp/encode.h>

namespace {

bool writeSeed(const QDir &folder, const QString &name, const QByteArray &bytes)
{
    QFile file(folder.filePath(QStringLiteral("seed-") + name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A small picture with some structure for the coders to work on.
QImage picture(int width, int height, QImage::Format format)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.fillRect(0, 0, width / 2, height, QColor(200, 40, 30));
    p.fillRect(width / 2, height / 2, width - width / 2, height - height / 2, QColor(20, 90, 220, 128));
    p.end();
    return image.convertToFormat(format);
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A cursor entry in the BMP layout: header, palette, colour rows, then the 1-bit mask rows.
QByteArray cursorBitmap(int side, int bitCount)
{
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    const int paletteSize = bitCount <= 8 ? 1 << bitCount : 0;
    const int colourStride = (side * bitCount + 31) / 32 * 4;
    const int maskStride = (side + 31) / 32 * 4;
    s << quint32(40) << qint32(side) << qint32(2 * side) << quint16(1) << quint16(bitCount) << quint32(0)
      << quint32((colourStride + maskStride) * side) << quint32(0) << quint32(0) << quint32(0) << quint32(0);
    for (int i = 0; i < paletteSize; ++i)
        s << quint8(i * 37) << quint8(i * 91) << quint8(255 - i) << quint8(0);
    for (int i = 0; i < colourStride * side; ++i)
        s << quint8(i * 13 % 251);
    for (int i = 0; i < maskStride * side; ++i)
        s << quint8(i % 3 == 0 ? 0xf0 : 0x0f);
    return out;
}

QByteArray cursorFile(int side, const QByteArray &entry)
{
    QByteArray out;
    QDataStream s(&out, QIODevice::WriteOnly);
    s.setByteOrder(QDataStream::LittleEndian);
    s << quint16(0) << quint16(2) << quint16(1) << quint8(side) << quint8(side) << quint8(0) << quint8(0)
      << quint16(side / 2) << quint16(side / 3) << quint32(entry.size()) << quint32(22);
    out.append(entry);
    return out;
}

QByteArray cp932(const QString &text)
{
    return TextCodec::toCp932(text).value_or(QByteArray());
}

bool writeIndexSeeds(const QDir &folder)
{
    const QByteArray library = QByteArrayLiteral("[faces]\r\ncount=2\r\n\r\n[0]\r\nName=")
                               + cp932(QStringLiteral("おかめ"))
                               + QByteArrayLiteral("\r\nX1=100\r\nY1=150\r\nX2=180\r\nY2=150\r\nX3=140\r\nY3=190\r\n"
                                                   "X4=140\r\nY4=230\r\n\r\n[1]\r\nName=\"")
                               + cp932(QStringLiteral("髙橋～①ｶﾀｶﾅ"))
                               + QByteArrayLiteral("\"\r\nX1=-5\r\n\r\n[TitleFace]\r\nNO=1\r\n\r\n[BGM]\r\nPlay=1\r\n"
                                                   "FileName=data/tema84.mid\r\n");
    const QByteArray odd = QByteArrayLiteral("; comment\n  [ Faces ]  \rCOUNT = 1 \n[faces]\ncount=9\n[0]\nname=a=b\n"
                                             "=x\n[unclosed\nk=\x81\n");
    // Quotes, blanks and repeats at the edges of what a value and a key may be.
    const QByteArray quoted = QByteArrayLiteral("[0]\r\nName=\"\"\r\nX1=\" \"\r\nY1=\"\r\nX2 =\t\"7\" \r\nx2=8\r\n"
                                                "[ 0 ]\r\nY2=9\r\n[1]\r\n\tName\t=\t\"\"\"\r\n");
    return writeSeed(folder, QStringLiteral("library.ini"), library)
           && writeSeed(folder, QStringLiteral("odd.ini"), odd)
           && writeSeed(folder, QStringLiteral("quoted.ini"), quoted);
}

bool writeJpegSeeds(const QDir &folder)
{
    QImage grey = picture(16, 8, QImage::Format_Grayscale8);
    return writeSeed(folder, QStringLiteral("colour.jpg"), JpegCodec::encode(picture(16, 16, QImage::Format_RGB32)))
           && writeSeed(folder, QStringLiteral("odd-size.jpg"), JpegCodec::encode(picture(9, 5, QImage::Format_RGB32)))
           && writeSeed(folder, QStringLiteral("grey.jpg"), encoded(grey, "JPG"));
}

bool writeCursorSeeds(const QDir &folder)
{
    bool ok = true;
    for (const int bitCount : {1, 4, 8, 24, 32})
        ok = ok
             && writeSeed(folder, QStringLiteral("%1-bit.cur").arg(bitCount), cursorFile(8, cursorBitmap(8, bitCount)));
    return ok
           && writeSeed(folder, QStringLiteral("png.cur"),
                        cursorFile(8, encoded(picture(8, 8, QImage::Format_ARGB32), "PNG")));
}

bool writeBitmapSeeds(const QDir &folder)
{
    bool ok = true;
    const QList<QPair<QString, QImage::Format>> formats = {{QStringLiteral("mono"), QImage::Format_Mono},
                                                           {QStringLiteral("indexed"), QImage::Format_Indexed8},
                                                           {QStringLiteral("rgb"), QImage::Format_RGB32},
                                                           {QStringLiteral("argb"), QImage::Format_ARGB32}};
    for (const auto &[name, format] : formats)
        ok = ok && writeSeed(folder, name + QStringLiteral(".bmp"), encoded(picture(7, 5, format), "BMP"));
    return ok;
}

bool writeJournalSeeds(const QDir &folder)
{
    DeletionJournal started;
    started.faceCount = 4;
    started.deleted = 1;
    started.picturesBefore = std::vector<bool>(18, true);
    started.picturesBefore[7] = false;
    started.newIndex = QByteArrayLiteral("[faces]\r\ncount=3\r\n[0]\r\nName=a\r\n[1]\r\nName=c\r\n[2]\r\nName=d\r\n");
    DeletionJournal indexed = started;
    indexed.state = DeletionJournal::State::Indexed;
    DeletionJournal last;
    last.faceCount = 3;
    last.deleted = 2;
    last.picturesBefore = std::vector<bool>(6, true);
    return writeSeed(folder, QStringLiteral("started.journal"), started.toBytes())
           && writeSeed(folder, QStringLiteral("indexed.journal"), indexed.toBytes())
           && writeSeed(folder, QStringLiteral("last-face.journal"), last.toBytes());
}

bool writeHallSeeds(const QDir &folder)
{
    HallOfFame hall;
    const QDateTime played(QDate(2008, 3, 5), QTime(14, 7, 9));
    hall.enter(QStringLiteral("おかめ"), {QStringLiteral("花子"), 250, played});
    hall.enter(QStringLiteral("おかめ"), {QString(), 250, played.addDays(1)});
    hall.enter(QStringLiteral("ひょっとこ"), {QStringLiteral("太郎"), 300, played});
    HallOfFame full;
    for (int k = 0; k < HallOfFame::Places; ++k)
        full.enter(QStringLiteral("face"), {QStringLiteral("p%1").arg(k), 300 - k * 30, played.addSecs(k)});
    return writeSeed(folder, QStringLiteral("two-faces.txt"), HallOfFameFile::toBytes(hall))
           && writeSeed(folder, QStringLiteral("full.txt"), HallOfFameFile::toBytes(full));
}

bool writePlayersSeeds(const QDir &folder)
{
    const RememberedPlayers round{{{QStringLiteral("たろう"), true}, {QStringLiteral("はなこ"), false}},
                                  QStringLiteral("はなこ")};
    return writeSeed(folder, QStringLiteral("round.txt"), PlayersFile::toBytes(round))
           && writeSeed(folder, QStringLiteral("nobody.txt"), PlayersFile::toBytes({}));
}

// An EXIF block that holds only the orientation, in the byte order of Intel ("II") or
// Motorola ("MM") cameras, after a first tag that is not it.
QByteArray exifBlock(int orientation, bool bigEndian)
{
    QByteArray tiff(bigEndian ? "MM\0*\0\0\0\x08" : "II*\0\x08\0\0\0", 8);
    QByteArray directory;
    QDataStream s(&directory, QIODevice::WriteOnly);
    s.setByteOrder(bigEndian ? QDataStream::BigEndian : QDataStream::LittleEndian);
    // Entries: tag, type, count, value; the make (ASCII, 4 bytes) comes first.
    s << quint16(2) << quint16(0x010F) << quint16(2) << quint32(4) << quint32(0x41424300);
    s << quint16(0x0112) << quint16(3) << quint32(1) << quint16(orientation) << quint16(0);
    s << quint32(0); // no further directory
    return QByteArray("Exif\0\0", 6) + tiff + directory;
}

bool writeOrientationSeeds(const QDir &folder)
{
    bool ok = true;
    for (int orientation = 1; orientation <= 8; ++orientation) {
        ok = ok && writeSeed(folder, QStringLiteral("intel-%1.exif").arg(orientation), exifBlock(orientation, false))
             && writeSeed(folder, QStringLiteral("motorola-%1.exif").arg(orientation), exifBlock(orientation, true));
    }
    return ok;
}

bool writeMidiSeeds(const QDir &folder)
{
    MidiFileWriter::Track melody;
    melody.setTempo(0, 500000);
    melody.programChange(0, 0, 19);
    melody.controlChange(0, 0, 7, 100);
    for (int i = 0; i < 8; ++i)
        melody.note(i * 240, 200, 0, 60 + i, 90);
    MidiFileWriter single(96);
    single.addTrack(melody);
    MidiFileWriter::Track bass;
    bass.note(0, 960, 1, 36, 80);
    bass.setEnd(1920);
    MidiFileWriter tracks;
    tracks.addTrack(melody);
    tracks.addTrack(bass);
    // Running status, a text event and a system exclusive message, which the writer never makes.
    const QByteArray events = QByteArrayLiteral("\x00\xFF\x01\x04text\x00\xF0\x03\x7E\x7F\xF7"
                                                "\x00\x90\x3C\x40\x60\x3C\x00\x00\x3E\x40\x60\x3E\x00"
                                                "\x00\xFF\x2F\x00");
    QByteArray running = QByteArrayLiteral("MThd\0\0\0\x06\0\0\0\x01\0\x60MTrk");
    running += char(0);
    running += char(0);
    running += char(events.size() >> 8);
    running += char(events.size() & 0xFF);
    running += events;
    return writeSeed(folder, QStringLiteral("one-track.mid"), single.bytes())
           && writeSeed(folder, QStringLiteral("two-tracks.mid"), tracks.bytes())
           && writeSeed(folder, QStringLiteral("running-status.mid"), running);
}

// A still lossless picture, which the reader takes as one frame.
QByteArray losslessStill(const QImage &image)
{
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    uint8_t *output = nullptr;
    const size_t size = WebPEncodeLosslessRGBA(rgba.constBits(), rgba.width(), rgba.height(), int(rgba.bytesPerLine()),
                                               &output);
    const QByteArray bytes(reinterpret_cast<const char *>(output), qsizetype(size));
    WebPFree(output);
    return bytes;
}

// Animations as the game writes them, lossy, one with transparency, one of a single frame (which
// the writer lays out itself), and a still lossless picture.
bool writeWebpSeeds(const QDir &folder)
{
    WebpAnimationWriter moving(QSize(24, 16));
    for (int i = 0; i < 4; ++i) {
        QImage frame = picture(24, 16, QImage::Format_RGB32);
        QPainter(&frame).fillRect(i * 5, 4, 6, 6, QColor::fromHsv(i * 90, 200, 220));
        moving.addFrame(frame, i * 66);
    }
    WebpAnimationWriter alpha(QSize(9, 7));
    alpha.addFrame(picture(9, 7, QImage::Format_ARGB32), 0);
    alpha.addFrame(picture(9, 7, QImage::Format_ARGB32).mirrored(true, false), 500);
    WebpAnimationWriter single(QSize(8, 6));
    single.addFrame(picture(8, 6, QImage::Format_RGB32), 0);
    return writeSeed(folder, QStringLiteral("moving.webp"), moving.finish(300))
           && writeSeed(folder, QStringLiteral("one-frame.webp"), single.finish(2000))
           && writeSeed(folder, QStringLiteral("alpha.webp"), alpha.finish(1000))
           && writeSeed(folder, QStringLiteral("still.webp"), losslessStill(picture(12, 10, QImage::Format_ARGB32)));
}

} // namespace

int main(int argc, char *argv[])
{
    // Qt finds its image format plugins through the application.
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_fuzz_seeds <corpus folder>\n");
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    const QList<QPair<QString, bool (*)(const QDir &)>> targets = {
        {QStringLiteral("fuzz_index_text"), writeIndexSeeds},
        {QStringLiteral("fuzz_jpeg"), writeJpegSeeds},
        {QStringLiteral("fuzz_cursor"), writeCursorSeeds},
        {QStringLiteral("fuzz_bitmap"), writeBitmapSeeds},
        {QStringLiteral("fuzz_deletion_journal"), writeJournalSeeds},
        {QStringLiteral("fuzz_hall_of_fame"), writeHallSeeds},
        {QStringLiteral("fuzz_players"), writePlayersSeeds},
        {QStringLiteral("fuzz_exif_orientation"), writeOrientationSeeds},
        {QStringLiteral("fuzz_midi_file"), writeMidiSeeds},
        {QStringLiteral("fuzz_webp_animation"), writeWebpSeeds}};
    for (const auto &[name, write] : targets) {
        if (!root.mkpath(name) || !write(QDir(root.filePath(name)))) {
            std::fprintf(stderr, "cannot write the seeds of %s\n", qPrintable(name));
            return 1;
        }
    }
    return 0;
}
