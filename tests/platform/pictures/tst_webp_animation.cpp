#include "platform/pictures/WebpAnimation.h"
#include "support/ErrorMessage.h"

#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

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
    QPainter(&image).fillRect(squareOf(size, index), QColor::fromHsv(index * 67 % 360, 230, 220));
    return image.convertToFormat(format);
}

QByteArray animation(QSize size, const QList<int> &timestamps, int endMs)
{
    WebpAnimationWriter writer(size);
    for (int i = 0; i < timestamps.size(); ++i)
        writer.addFrame(frameOf(size, i), timestamps[i]);
    return writer.finish(endMs);
}

int channelError(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}

double meanError(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            sum += channelError(a.pixel(x, y), b.pixel(x, y));
    }
    return sum / (3.0 * a.width() * a.height());
}

void putLittleEndian(QByteArray &bytes, qsizetype pos, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes[pos + i] = char(value >> (8 * i) & 0xFF);
}

// The same file claiming a canvas of width × height (in the extended header, after "RIFF....WEBP").
QByteArray withCanvas(QByteArray bytes, int width, int height)
{
    putLittleEndian(bytes, 24, width - 1, 3);
    putLittleEndian(bytes, 27, height - 1, 3);
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
    for (int i = 0; i < frames; ++i)
        bytes += chunk;
    putLittleEndian(bytes, 4, quint32(bytes.size() - 8), 4);
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
    void rewindPlaysFromTheFirstFrame_data();
    void rewindPlaysFromTheFirstFrame();
};

// Frames that repeat the one before are folded into it by the encoder: their time must stay.
void TestWebpAnimation::roundTrip_data()
{
    using L = QList<int>;
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("format");
    QTest::addColumn<L>("pictures");
    QTest::addColumn<L>("timestamps");
    QTest::addColumn<int>("endMs");
    QTest::addColumn<L>("ends");
    const int rgb = QImage::Format_RGB32;
    QTest::newRow("one frame") << QSize(40, 30) << rgb << L{0} << L{0} << 500 << L{500};
    QTest::newRow("15 fps") << QSize(96, 64) << rgb << L{0, 1, 2, 3, 4} << L{0, 66, 133, 200, 266} << 333
                            << L{66, 133, 200, 266, 333};
    QTest::newRow("uneven timing, odd size")
        << QSize(37, 21) << rgb << L{0, 1, 2, 3} << L{0, 10, 250, 1900} << 4000 << L{10, 250, 1900, 4000};
    QTest::newRow("premultiplied frames") << QSize(64, 48) << int(QImage::Format_ARGB32_Premultiplied) << L{0, 1, 2}
                                          << L{0, 100, 200} << 300 << L{100, 200, 300};
    QTest::newRow("one picture throughout") << QSize(48, 32) << rgb << L{0, 0, 0} << L{0, 100, 200} << 300 << L{300};
    QTest::newRow("a pause in the middle")
        << QSize(48, 32) << rgb << L{0, 1, 1, 2} << L{0, 100, 200, 300} << 400 << L{100, 300, 400};
    QTest::newRow("a pause at the end") << QSize(48, 32) << rgb << L{0, 1, 1} << L{0, 100, 200} << 900 << L{100, 900};
    QTest::newRow("starting late") << QSize(48, 32) << rgb << L{0, 1} << L{500, 600} << 900 << L{100, 400};
}

void TestWebpAnimation::roundTrip()
{
    QFETCH(QSize, size);
    QFETCH(int, format);
    QFETCH(QList<int>, pictures);
    QFETCH(QList<int>, timestamps);
    QFETCH(int, endMs);
    QFETCH(QList<int>, ends);

    WebpAnimationWriter writer(size);
    QList<int> shown; // the picture of each frame played: the first of each run of equal ones
    for (int i = 0; i < pictures.size(); ++i) {
        writer.addFrame(frameOf(size, pictures[i], QImage::Format(format)), timestamps[i]);
        if (i == 0 || pictures[i] != pictures[i - 1])
            shown.append(pictures[i]);
    }
    WebpAnimationReader reader(writer.finish(endMs));
    QCOMPARE(reader.size(), size);
    QCOMPARE(reader.frameCount(), ends.size());
    QImage frame;
    int end = -1;
    for (int i = 0; i < ends.size(); ++i) {
        QVERIFY2(reader.next(frame, end), qPrintable(u"frame %1"_s.arg(i)));
        QCOMPARE(frame.format(), QImage::Format_ARGB32_Premultiplied);
        QCOMPARE(frame.size(), size);
        QCOMPARE(end, ends[i]);
        // The square's middle keeps its colour, and the frame as a whole stays near the original.
        const QImage original = frameOf(size, shown[i], QImage::Format(format));
        const QPoint middle = squareOf(size, shown[i]).center();
        QCOMPARE_LE(channelError(frame.pixel(middle), original.pixel(middle)), 24);
        QCOMPARE_LT(meanError(frame, original), 6);
    }
    QVERIFY(!reader.next(frame, end));
}

void TestWebpAnimation::refusesFrameOfWrongSize_data()
{
    QTest::addColumn<QSize>("frameSize");
    QTest::newRow("wider") << QSize(41, 30);
    QTest::newRow("turned") << QSize(30, 40);
}

void TestWebpAnimation::refusesFrameOfWrongSize()
{
    QFETCH(QSize, frameSize);
    WebpAnimationWriter writer(QSize(40, 30));
    writer.addFrame(frameOf(QSize(40, 30), 0), 0);
    QCOMPARE(messageOf([&] { writer.addFrame(frameOf(frameSize, 1), 100); }),
             u"リプレイのコマの大きさが画面の大きさと違います。"_s);
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

void TestWebpAnimation::rewindPlaysFromTheFirstFrame_data()
{
    QTest::addColumn<int>("framesRead");
    QTest::newRow("after the first frame") << 1;
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
