#include "platform/system/AppError.h"
#include "platform/pictures/JpegCodec.h"
#include "support/ErrorMessage.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

QImage colourfulImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 255 / width, y * 255 / height, (x + y) * 127 / (width + height) + 64));
    }
    return image;
}

double meanAbsError(const QImage &a, const QImage &b)
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

// Compresses raw samples with libjpeg directly, for the kinds of file the encoder never makes.
QByteArray compressRaw(const QByteArray &samples, int width, int height, int components, J_COLOR_SPACE input,
                       J_COLOR_SPACE stored, bool adobeMarker)
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(width);
    cinfo.image_height = JDIMENSION(height);
    cinfo.input_components = components;
    cinfo.in_color_space = input;
    jpeg_set_defaults(&cinfo);
    jpeg_set_colorspace(&cinfo, stored);
    cinfo.write_Adobe_marker = adobeMarker;
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(const_cast<char *>(samples.constData()))
                       + qsizetype(cinfo.next_scanline) * width * components;
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char *>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

// The picture's inks as C, M, Y, K bytes; Adobe's files hold them inverted (255 is no ink).
QByteArray cmykSamples(const QImage &image, bool inverted)
{
    QByteArray samples;
    samples.reserve(qsizetype(image.width()) * image.height() * 4);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const int most = std::max({qRed(p), qGreen(p), qBlue(p)});
            const int k = 255 - most;
            int inks[4] = {0, 0, 0, k};
            if (most > 0) {
                inks[0] = (most - qRed(p)) * 255 / most;
                inks[1] = (most - qGreen(p)) * 255 / most;
                inks[2] = (most - qBlue(p)) * 255 / most;
            }
            for (int ink : inks)
                samples += char(inverted ? 255 - ink : ink);
        }
    }
    return samples;
}

// The quantisation tables that jpeg_set_quality(90, TRUE) gives, as a table-only stream.
QByteArray quality90Tables()
{
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = 8;
    cinfo.image_height = 8;
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    jpeg_write_tables(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char *>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

struct Segment
{
    quint8 marker;
    QByteArray payload;
};

// The marker segments from the start of the file up to the first scan.
QList<Segment> headerSegments(const QByteArray &jpeg)
{
    QList<Segment> segments;
    qsizetype pos = 2;
    while (pos + 4 <= jpeg.size() && quint8(jpeg[pos]) == 0xFF) {
        const quint8 marker = quint8(jpeg[pos + 1]);
        if (marker == 0xD9)
            break;
        const int length = quint8(jpeg[pos + 2]) << 8 | quint8(jpeg[pos + 3]);
        segments.append({marker, jpeg.mid(pos + 4, length - 2)});
        if (marker == 0xDA)
            break;
        pos += 2 + length;
    }
    return segments;
}

QByteArray payloadsOf(const QByteArray &jpeg, quint8 marker)
{
    QByteArray all;
    for (const Segment &segment : headerSegments(jpeg)) {
        if (segment.marker == marker)
            all += segment.payload;
    }
    return all;
}

QByteArray withSize(QByteArray jpeg, int width, int height)
{
    const qsizetype sof = jpeg.indexOf("\xFF\xC0");
    jpeg[sof + 5] = char(height >> 8);
    jpeg[sof + 6] = char(height & 0xFF);
    jpeg[sof + 7] = char(width >> 8);
    jpeg[sof + 8] = char(width & 0xFF);
    return jpeg;
}

} // namespace

class TestJpegCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void roundTrip_data();
    void roundTrip();
    void writesBaselineRgb();
    void usesQuality90Tables();
    void dropsAlphaWithoutBlending();
    void refusesEmptyPicture();
    void decodesOtherColourSpaces_data();
    void decodesOtherColourSpaces();
    void cmykPictureKeepsItsColours_data();
    void cmykPictureKeepsItsColours();
    void refusesBadData_data();
    void refusesBadData();
    void refusesOversizedPicture_data();
    void refusesOversizedPicture();
    void fileRoundTrip();
    void reportsMissingFile_data();
    void reportsMissingFile();
    void failedFileWriteLeavesOldFile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestJpegCodec::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestJpegCodec::roundTrip_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("300x225") << QSize(300, 225);
    QTest::newRow("odd 17x9") << QSize(17, 9);
    QTest::newRow("one pixel") << QSize(1, 1);
    QTest::newRow("one row") << QSize(200, 1);
}

void TestJpegCodec::roundTrip()
{
    QFETCH(QSize, size);
    const QImage original = colourfulImage(size.width(), size.height());
    const QImage decoded = JpegCodec::decode(JpegCodec::encode(original), u"x.jpg"_s);
    QCOMPARE(decoded.size(), size);
    QCOMPARE(decoded.format(), QImage::Format_RGB32);
    QVERIFY2(meanAbsError(original, decoded) < 3.0, QByteArray::number(meanAbsError(original, decoded)));
    // RGB32 pixels must be opaque in memory too, not only through pixel().
    const QRgb raw = reinterpret_cast<const QRgb *>(decoded.constScanLine(0))[0];
    QCOMPARE(qAlpha(raw), 255);
}

void TestJpegCodec::writesBaselineRgb()
{
    const QByteArray jpeg = JpegCodec::encode(colourfulImage(40, 30));
    QVERIFY(jpeg.startsWith("\xFF\xD8"));
    QVERIFY(jpeg.endsWith("\xFF\xD9"));
    QList<quint8> markers;
    for (const Segment &segment : headerSegments(jpeg))
        markers.append(segment.marker);
    QVERIFY(markers.contains(0xE0)); // JFIF
    QVERIFY(markers.contains(0xC0));
    QVERIFY(!markers.contains(0xC2));
    QVERIFY(!markers.contains(0xC1));
    const QByteArray sof = payloadsOf(jpeg, 0xC0);
    QCOMPARE(int(quint8(sof[0])), 8);
    QCOMPARE(int(quint8(sof[1])) << 8 | quint8(sof[2]), 30);
    QCOMPARE(int(quint8(sof[3])) << 8 | quint8(sof[4]), 40);
    QCOMPARE(int(quint8(sof[5])), 3);
    // The library's default sampling: 2x2 luminance, 1x1 chrominance.
    QCOMPARE(int(quint8(sof[7])), 0x22);
    QCOMPARE(int(quint8(sof[10])), 0x11);
    QCOMPARE(int(quint8(sof[13])), 0x11);
}

void TestJpegCodec::usesQuality90Tables()
{
    const QByteArray tables = payloadsOf(JpegCodec::encode(colourfulImage(16, 16)), 0xDB);
    QCOMPARE(tables, payloadsOf(quality90Tables(), 0xDB));
    // Two 8-bit tables; their first zigzag entries are the standard ones scaled to quality 90.
    QCOMPARE(tables.size(), 2 * 65);
    QCOMPARE(tables.mid(0, 7), QByteArray::fromHex("00030202030202"));
    QCOMPARE(tables.mid(65, 7), QByteArray::fromHex("01030404050405"));
}

void TestJpegCodec::dropsAlphaWithoutBlending()
{
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(qRgba(255, 0, 0, 0));
    const QImage decoded = JpegCodec::decode(JpegCodec::encode(image), u"x.jpg"_s);
    const QRgb pixel = decoded.pixel(4, 4);
    QVERIFY2(qRed(pixel) > 240 && qGreen(pixel) < 15 && qBlue(pixel) < 15, qPrintable(QString::number(pixel, 16)));
}

void TestJpegCodec::refusesEmptyPicture()
{
    QVERIFY_THROWS_EXCEPTION(AppError, JpegCodec::encode(QImage()));
    QVERIFY_THROWS_EXCEPTION(AppError, JpegCodec::encode(QImage(0, 5, QImage::Format_RGB32)));
}

void TestJpegCodec::decodesOtherColourSpaces_data()
{
    QTest::addColumn<QByteArray>("jpeg");
    QTest::addColumn<QRgb>("expected");

    const int side = 16;
    QByteArray grey;
    for (int i = 0; i < side * side; ++i)
        grey += char(0x60);
    QTest::newRow("greyscale") << compressRaw(grey, side, side, 1, JCS_GRAYSCALE, JCS_GRAYSCALE, false)
                               << qRgb(0x60, 0x60, 0x60);

    // Orange: inks C 0, M 127, Y 255, K 0; Adobe's files hold them inverted.
    QByteArray inverted, plain;
    for (int i = 0; i < side * side; ++i) {
        inverted += QByteArray::fromHex("ff8000ff");
        plain += QByteArray::fromHex("007fff00");
    }
    QTest::newRow("Adobe CMYK") << compressRaw(inverted, side, side, 4, JCS_CMYK, JCS_CMYK, true) << qRgb(255, 128, 0);
    QTest::newRow("Adobe YCCK") << compressRaw(inverted, side, side, 4, JCS_CMYK, JCS_YCCK, true) << qRgb(255, 128, 0);
    QTest::newRow("plain CMYK") << compressRaw(plain, side, side, 4, JCS_CMYK, JCS_CMYK, false) << qRgb(255, 128, 0);
}

void TestJpegCodec::decodesOtherColourSpaces()
{
    QFETCH(QByteArray, jpeg);
    QFETCH(QRgb, expected);
    const QImage decoded = JpegCodec::decode(jpeg, u"x.jpg"_s);
    QCOMPARE(decoded.size(), QSize(16, 16));
    QCOMPARE(decoded.format(), QImage::Format_RGB32);
    const QRgb pixel = decoded.pixel(8, 8);
    QVERIFY2(std::abs(qRed(pixel) - qRed(expected)) <= 4 && std::abs(qGreen(pixel) - qGreen(expected)) <= 4
                 && std::abs(qBlue(pixel) - qBlue(expected)) <= 4,
             qPrintable(QString::number(pixel, 16)));
}

void TestJpegCodec::cmykPictureKeepsItsColours_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("adobe");
    QTest::newRow("Adobe CMYK, inverted") << int(JCS_CMYK) << true;
    QTest::newRow("Adobe YCCK, inverted") << int(JCS_YCCK) << true;
    QTest::newRow("plain CMYK") << int(JCS_CMYK) << false;
}

void TestJpegCodec::cmykPictureKeepsItsColours()
{
    QFETCH(int, stored);
    QFETCH(bool, adobe);
    const QImage source = colourfulImage(64, 48);
    const QByteArray jpeg = compressRaw(cmykSamples(source, adobe), source.width(), source.height(), 4, JCS_CMYK,
                                        J_COLOR_SPACE(stored), adobe);
    // What libjpeg's own RGB path loses at the same quality is the tolerance.
    const QByteArray rgb = compressRaw(
        QByteArray(reinterpret_cast<const char *>(source.convertToFormat(QImage::Format_RGB888).constBits()),
                   qsizetype(source.width()) * source.height() * 3),
        source.width(), source.height(), 3, JCS_RGB, JCS_YCbCr, false);
    const double tolerance = meanAbsError(source, JpegCodec::decode(rgb, u"x.jpg"_s)) + 1.5;
    const QImage decoded = JpegCodec::decode(jpeg, u"x.jpg"_s);
    QCOMPARE(decoded.size(), source.size());
    const double error = meanAbsError(source, decoded);
    QVERIFY2(error < tolerance, qPrintable(u"%1 against %2"_s.arg(error).arg(tolerance)));
}

void TestJpegCodec::refusesBadData_data()
{
    QTest::addColumn<QByteArray>("bytes");

    const QByteArray good = JpegCodec::encode(colourfulImage(256, 256));
    const qsizetype scan = good.indexOf("\xFF\xDA");
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    colourfulImage(8, 8).save(&buffer, "PNG");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("text") << QByteArray("this is not a picture");
    QTest::newRow("PNG") << png;
    QTest::newRow("start marker only") << QByteArray("\xFF\xD8");
    QTest::newRow("cut in the header") << good.left(scan / 2);
    QTest::newRow("cut after the scan header") << good.left(scan + 20);
    QTest::newRow("cut in half") << good.left(good.size() / 2);
    QTest::newRow("end marker missing") << good.left(good.size() - 2);

    QByteArray earlyEnd = good;
    earlyEnd.replace(scan + 40, 2, "\xFF\xD9");
    QTest::newRow("end marker inside the scan") << earlyEnd;

    QByteArray badCodes = good;
    for (qsizetype i = scan + 30; i < scan + 230; i += 2)
        badCodes.replace(i, 2, QByteArray("\xFF\x00", 2));
    QTest::newRow("bad Huffman codes") << badCodes;

    QByteArray precision = good;
    precision[good.indexOf("\xFF\xC0") + 4] = char(12);
    QTest::newRow("12-bit precision") << precision;

    QByteArray lossless = good;
    lossless[good.indexOf("\xFF\xC0") + 1] = char(0xC3);
    QTest::newRow("lossless frame") << lossless;

    QTest::newRow("zero width") << withSize(good, 0, 64);
    QTest::newRow("zero height") << withSize(good, 64, 0);
}

void TestJpegCodec::refusesBadData()
{
    QFETCH(QByteArray, bytes);
    const QString message = messageOf([&] { JpegCodec::decode(bytes, u"face3_1.jpg"_s); });
    QCOMPARE(message, u"「face3_1.jpg」はJPEG画像として読み込めません。"_s);
}

void TestJpegCodec::refusesOversizedPicture_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("20000x20000") << 20000 << 20000;
    QTest::newRow("10001x10000") << 10001 << 10000;
    QTest::newRow("65500x1600") << 65500 << 1600;
}

void TestJpegCodec::refusesOversizedPicture()
{
    QFETCH(int, width);
    QFETCH(int, height);
    const QByteArray huge = withSize(JpegCodec::encode(colourfulImage(16, 16)), width, height);
    const QString message = messageOf([&] { JpegCodec::decode(huge, u"huge.jpg"_s); });
    QVERIFY2(message.startsWith(u"「huge.jpg」は画像が大きすぎる"_s), qPrintable(message));
}

void TestJpegCodec::fileRoundTrip()
{
    const QString path = m_dir->filePath(u"face0_0.jpg"_s);
    const QImage original = colourfulImage(50, 40);
    JpegCodec::encodeFile(original, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), JpegCodec::encode(original));
    const QImage decoded = JpegCodec::decodeFile(path);
    QCOMPARE(decoded.size(), original.size());
    QVERIFY(meanAbsError(original, decoded) < 3.0);

    // Writing again replaces the file.
    JpegCodec::encodeFile(colourfulImage(10, 10), path);
    QCOMPARE(JpegCodec::decodeFile(path).size(), QSize(10, 10));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"face0_0.jpg"_s});
}

void TestJpegCodec::reportsMissingFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing file") << u"nothing.jpg"_s;
    QTest::newRow("folder") << u"folder.jpg"_s;
}

void TestJpegCodec::reportsMissingFile()
{
    QFETCH(QString, name);
    QVERIFY(QDir(m_dir->path()).mkdir(u"folder.jpg"_s));
    const QString path = m_dir->filePath(name);
    const QString message = messageOf([&] { JpegCodec::decodeFile(path); });
    QCOMPARE(message, u"ファイル「%1」が見つからないか、読み込めません。"_s.arg(QDir::toNativeSeparators(path)));
}

void TestJpegCodec::failedFileWriteLeavesOldFile()
{
    const QString missingFolder = m_dir->filePath(u"missing/work.jpg"_s);
    const QString message = messageOf([&] { JpegCodec::encodeFile(colourfulImage(8, 8), missingFolder); });
    QVERIFY2(message.contains(u"work.jpg"_s) && message.contains(u"書き込めません"_s), qPrintable(message));
    QVERIFY(!QFile::exists(missingFolder));

    // An empty picture fails before the old file is touched.
    const QString path = m_dir->filePath(u"old.jpg"_s);
    JpegCodec::encodeFile(colourfulImage(8, 8), path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    QVERIFY_THROWS_EXCEPTION(AppError, JpegCodec::encodeFile(QImage(), path));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), before);
}

QTEST_APPLESS_MAIN(TestJpegCodec)
#include "tst_jpeg_codec.moc"
