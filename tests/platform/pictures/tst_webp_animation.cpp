#include "platform/pictures/WebpAnimation.h"
#include "support/ErrorMessage.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

QColor colourOf(int index)
{
    return QColor::fromHsv(index * 67 % 360, 230, 220);
}

QRect squareOf(QSize size, int index)
{
    const int side = std::max(8, std::min(size.width(), size.height()) / 2);
    const int span = std::max(1, size.width() - side);
    return QRect(index * 7 % span, (size.height() - side) / 2, side, side);
}

// Frame `index`: a soft gradient with a square of the frame's own colour at the frame's own
// place, so that no two frames look alike to the encoder.
QImage frameOf(QSize size, int index, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(120 + x * 40 / size.width(), 130, 110 + y * 40 / size.height()));
    }
    QPainter(&image).fillRect(squareOf(size, index), colourOf(index));
    return image.convertToFormat(format);
}

QByteArray animation(QSize size, const QList<int> &timestamps, int endMs, QImage::Format format = QImage::Format_RGB32)
{
    WebpAnimationWriter writer(size);
    for (int i = 0; i < timestamps.size(); ++i)
        writer.addFrame(frameOf(size, i, format), timestamps[i]);
    return writer.finish(endMs);
}

int channelError(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

double meanError(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
}

void putLittleEndian24(QByteArray &bytes, qsizetype pos, int value)
{
    for (int i = 0; i < 3; ++i)
        bytes[pos + i] = char(value >> (8 * i) & 0xFF);
}

// The same file claiming a canvas of width × height (in the extended header, after "RIFF....WEBP").
QByteArray withCanvas(QByteArray bytes, int width, int height)
{
    Q_ASSERT(bytes.mid(12, 4) == "VP8X");
    putLittleEndian24(bytes, 24, width - 1);
    putLittleEndian24(bytes, 27, height - 1);
    return bytes;
}

// An animation of `frames` copies of the one frame of a small file, after a chunk of odd length
// (padded, as the format wants) that no reader knows.
QByteArray repeatedFrames(int frames)
{
    const QByteArray one = animation(QSize(4, 4), {0}, 40);
    const qsizetype frameChunk = one.indexOf("ANMF");
    if (frameChunk < 0)
        qFatal("the writer made no animation frame");
    QByteArray bytes = one.left(frameChunk) + QByteArray("ODDS\x03\0\0\0abc\0", 12);
    const QByteArray chunk = one.mid(frameChunk);
    bytes.reserve(frameChunk + chunk.size() * frames);
    for (int i = 0; i < frames; ++i)
        bytes += chunk;
    const quint32 riffSize = quint32(bytes.size() - 8);
    for (int i = 0; i < 4; ++i)
        bytes[4 + i] = char(riffSize >> (8 * i) & 0xFF);
    return bytes;
}

} // namespace

class TestWebpAnimation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip_data();
    void roundTrip();
    void refusesFrameOfWrongSize_data();
    void refusesFrameOfWrongSize();
    void refusesHostileBytes_data();
    void refusesHostileBytes();
    void repeatedFramesKeepTheirTime_data();
    void repeatedFramesKeepTheirTime();
    void rewindPlaysFromTheFirstFrame_data();
    void rewindPlaysFromTheFirstFrame();
};

void TestWebpAnimation::roundTrip_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<int>>("timestamps");
    QTest::addColumn<int>("endMs");
    QTest::addColumn<int>("format");
    QTest::newRow("one frame") << QSize(40, 30) << QList<int>{0} << 500 << int(QImage::Format_RGB32);
    QTest::newRow("15 fps") << QSize(96, 64) << QList<int>{0, 66, 133, 200, 266, 333, 400, 466} << 533
                            << int(QImage::Format_RGB32);
    QTest::newRow("uneven timing, odd size")
        << QSize(37, 21) << QList<int>{0, 10, 250, 260, 1900} << 4000 << int(QImage::Format_RGB32);
    QTest::newRow("premultiplied frames")
        << QSize(64, 48) << QList<int>{0, 100, 200} << 300 << int(QImage::Format_ARGB32_Premultiplied);
    QTest::newRow("24-bit frames") << QSize(64, 48) << QList<int>{0, 100, 200} << 300 << int(QImage::Format_RGB888);
}

void TestWebpAnimation::roundTrip()
{
    QFETCH(QSize, size);
    QFETCH(QList<int>, timestamps);
    QFETCH(int, endMs);
    QFETCH(int, format);

    WebpAnimationReader reader(animation(size, timestamps, endMs, QImage::Format(format)));
    QCOMPARE(reader.size(), size);
    QCOMPARE(reader.frameCount(), timestamps.size());
    QImage frame;
    int end = -1;
    for (int i = 0; i < timestamps.size(); ++i) {
        QVERIFY2(reader.next(frame, end), qPrintable(u"frame %1"_s.arg(i)));
        QCOMPARE(frame.format(), QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(frame.size(), size);
        QCOMPARE(end, i + 1 < timestamps.size() ? timestamps[i + 1] : endMs);
        // The square's middle keeps its colour, and the frame as a whole stays near the original.
        const QImage original = frameOf(size, i, QImage::Format(format));
        const QPoint middle = squareOf(size, i).center();
        QVERIFY2(channelError(frame.pixel(middle), original.pixel(middle)) <= 16,
                 qPrintable(u"frame %1: %2 against %3"_s.arg(i).arg(frame.pixelColor(middle).name(),
                                                                    original.pixelColor(middle).name())));
        QVERIFY2(meanError(frame, original) < 6, qPrintable(u"frame %1: %2"_s.arg(i).arg(meanError(frame, original))));
    }
    QVERIFY(!reader.next(frame, end));
}

void TestWebpAnimation::refusesFrameOfWrongSize_data()
{
    QTest::addColumn<QSize>("frameSize");
    QTest::newRow("wider") << QSize(41, 30);
    QTest::newRow("shorter") << QSize(40, 29);
    QTest::newRow("turned") << QSize(30, 40);
    QTest::newRow("null picture") << QSize();
}

void TestWebpAnimation::refusesFrameOfWrongSize()
{
    QFETCH(QSize, frameSize);
    WebpAnimationWriter writer(QSize(40, 30));
    writer.addFrame(frameOf(QSize(40, 30), 0), 0);
    const QImage wrong = frameSize.isValid() ? frameOf(frameSize, 1) : QImage();
    QCOMPARE(messageOf([&] { writer.addFrame(wrong, 100); }), u"リプレイのコマの大きさが画面の大きさと違います。"_s);
    // The frames before it still make a file.
    QCOMPARE(WebpAnimationReader(writer.finish(200)).frameCount(), 1);
}

void TestWebpAnimation::refusesHostileBytes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("frames");
    const QString unreadable = u"リプレイのファイルを読めません。"_s;
    const QString tooLarge = u"リプレイのファイルが大きすぎます。"_s;
    const QString canvasTooLarge = u"リプレイの画面が大きすぎます。"_s;
    const QByteArray good = animation(QSize(48, 32), {0, 100, 200}, 300);
    QByteArray random(4096, Qt::Uninitialized);
    QRandomGenerator generator(24);
    generator.fillRange(reinterpret_cast<quint32 *>(random.data()), random.size() / 4);

    QTest::newRow("empty") << QByteArray() << unreadable << 0;
    QTest::newRow("random bytes") << random << unreadable << 0;
    QTest::newRow("random bytes after the header") << good.left(12) + random << unreadable << 0;
    QTest::newRow("header only") << good.left(30) << unreadable << 0;
    QTest::newRow("cut in half") << good.left(good.size() / 2) << unreadable << 0;
    QTest::newRow("last byte missing") << good.chopped(1) << unreadable << 0;
    QTest::newRow("canvas one past the limit") << withCanvas(good, 4097, 32) << canvasTooLarge << 0;
    QTest::newRow("canvas at the format's limit") << withCanvas(good, 1 << 14, 1 << 14) << canvasTooLarge << 0;
    QTest::newRow("frames one past the limit") << repeatedFrames(20001) << u"リプレイのコマが多すぎます。"_s << 0;
    QTest::newRow("one byte past 64 MB") << good + QByteArray(64 * 1024 * 1024 + 1 - good.size(), '\0') << tooLarge
                                         << 0;
    // The limits themselves are still readable.
    QTest::newRow("canvas at the limit") << withCanvas(good, 4096, 32) << QString() << 3;
    QTest::newRow("frames at the limit") << repeatedFrames(20000) << QString() << 20000;
    QTest::newRow("64 MB") << good + QByteArray(64 * 1024 * 1024 - good.size(), '\0') << QString() << 3;
}

void TestWebpAnimation::refusesHostileBytes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QFETCH(int, frames);
    int played = 0;
    QCOMPARE(messageOf([&] {
                 WebpAnimationReader reader(bytes);
                 QImage frame;
                 int end = 0;
                 while (reader.next(frame, end))
                     ++played;
             }),
             message);
    QCOMPARE(played, frames);
}

// The encoder folds a frame that repeats the one before into it; the time must stay.
void TestWebpAnimation::repeatedFramesKeepTheirTime_data()
{
    QTest::addColumn<QList<int>>("pictures");
    QTest::addColumn<QList<int>>("timestamps");
    QTest::addColumn<int>("endMs");
    QTest::addColumn<QList<int>>("ends");
    QTest::newRow("one picture throughout") << QList<int>{0, 0, 0} << QList<int>{0, 100, 200} << 300 << QList<int>{300};
    QTest::newRow("a pause in the middle")
        << QList<int>{0, 1, 1, 2} << QList<int>{0, 100, 200, 300} << 400 << QList<int>{100, 300, 400};
    QTest::newRow("a pause at the end") << QList<int>{0, 1, 1} << QList<int>{0, 100, 200} << 900
                                        << QList<int>{100, 900};
    QTest::newRow("starting late") << QList<int>{0, 1} << QList<int>{500, 600} << 900 << QList<int>{100, 400};
}

void TestWebpAnimation::repeatedFramesKeepTheirTime()
{
    QFETCH(QList<int>, pictures);
    QFETCH(QList<int>, timestamps);
    QFETCH(int, endMs);
    QFETCH(QList<int>, ends);
    const QSize size(48, 32);
    WebpAnimationWriter writer(size);
    for (int i = 0; i < pictures.size(); ++i)
        writer.addFrame(frameOf(size, pictures[i]), timestamps[i]);
    WebpAnimationReader reader(writer.finish(endMs));
    QCOMPARE(reader.frameCount(), ends.size());
    QList<int> played;
    QImage frame;
    int end = 0;
    while (reader.next(frame, end))
        played.append(end);
    QCOMPARE(played, ends);
}

void TestWebpAnimation::rewindPlaysFromTheFirstFrame_data()
{
    QTest::addColumn<int>("framesRead");
    QTest::newRow("after the first frame") << 1;
    QTest::newRow("in the middle") << 2;
    QTest::newRow("after the last frame") << 4;
    QTest::newRow("after the end") << 5;
}

void TestWebpAnimation::rewindPlaysFromTheFirstFrame()
{
    QFETCH(int, framesRead);
    WebpAnimationReader reader(animation(QSize(48, 32), {0, 100, 200, 300}, 400));
    QImage first;
    int firstEnd = 0;
    QVERIFY(reader.next(first, firstEnd));
    QImage frame;
    int end = 0;
    for (int i = 1; i < framesRead; ++i)
        reader.next(frame, end);
    reader.rewind();
    QVERIFY(reader.next(frame, end));
    QCOMPARE(end, firstEnd);
    QCOMPARE(frame, first);
    // And on to the second frame, not to where the reading stopped.
    QVERIFY(reader.next(frame, end));
    QCOMPARE(end, 200);
}

QTEST_APPLESS_MAIN(TestWebpAnimation)
#include "tst_webp_animation.moc"
