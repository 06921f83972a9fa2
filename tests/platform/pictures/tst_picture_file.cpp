#include "platform/system/AppError.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/pictures/PictureFile.h"
#include "support/ErrorMessage.h"
#include "support/PhotoFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

QImage checkerboard()
{
    QImage image(48, 32, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, (x / 16 + y / 16) % 2 ? qRgb(200, 30, 40) : qRgb(10, 90, 250));
    }
    return image;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

// A 24-bit bitmap header that claims the given size and carries no pixels.
QByteArray bitmapHeader(qint32 width, qint32 height)
{
    QByteArray bytes(54, '\0');
    char *data = bytes.data();
    data[0] = 'B';
    data[1] = 'M';
    qToLittleEndian<quint32>(54 + 16, data + 2);
    qToLittleEndian<quint32>(54, data + 10);
    qToLittleEndian<quint32>(40, data + 14);
    qToLittleEndian<qint32>(width, data + 18);
    qToLittleEndian<qint32>(height, data + 22);
    qToLittleEndian<quint16>(1, data + 26);
    qToLittleEndian<quint16>(24, data + 28);
    return bytes + QByteArray(16, '\0');
}

// The same bitmap stored top row first, as some Windows programs write it: the rows in the
// opposite order and a negative height in the header.
QByteArray topRowFirst(const QByteArray &bitmap)
{
    const int offset = int(qFromLittleEndian<quint32>(bitmap.constData() + 10));
    const int width = qFromLittleEndian<qint32>(bitmap.constData() + 18);
    const int height = qFromLittleEndian<qint32>(bitmap.constData() + 22);
    const int bits = qFromLittleEndian<quint16>(bitmap.constData() + 28);
    const int stride = (width * bits + 31) / 32 * 4;
    QByteArray flipped = bitmap.left(offset);
    for (int row = height - 1; row >= 0; --row)
        flipped += bitmap.mid(offset + row * stride, stride);
    qToLittleEndian<qint32>(-height, flipped.data() + 22);
    return flipped;
}

} // namespace

class TestPictureFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void loadsByExtension_data();
    void loadsByExtension();
    void refusesBadFiles_data();
    void refusesBadFiles();
    void reportsMissingFile_data();
    void reportsMissingFile();
    void turnsPhotosUpright_data();
    void turnsPhotosUpright();
    void kindFollowsTheExtension_data();
    void kindFollowsTheExtension();

private:
    QString store(const QString &name, const QByteArray &bytes) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestPictureFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString TestPictureFile::store(const QString &name, const QByteArray &bytes) const
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

void TestPictureFile::loadsByExtension_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("tolerance");

    const QByteArray jpeg = JpegCodec::encode(checkerboard());
    const QByteArray bmp = encoded(checkerboard(), "BMP");
    QTest::newRow("jpg") << u"a.jpg"_s << jpeg << 12;
    QTest::newRow("JPG") << u"a.JPG"_s << jpeg << 12;
    QTest::newRow("jpeg") << u"a.jpeg"_s << jpeg << 12;
    QTest::newRow("Jpeg") << u"a.Jpeg"_s << jpeg << 12;
    QTest::newRow("bmp") << u"a.bmp"_s << bmp << 0;
    QTest::newRow("BMP") << u"写真.BMP"_s << bmp << 0;
    QTest::newRow("32-bit bmp") << u"b.bmp"_s << encoded(checkerboard().convertToFormat(QImage::Format_ARGB32), "BMP")
                                << 0;
    QTest::newRow("top row first") << u"t.bmp"_s << topRowFirst(bmp) << 0;
    QTest::newRow("32-bit, top row first")
        << u"t32.bmp"_s << topRowFirst(encoded(checkerboard().convertToFormat(QImage::Format_ARGB32), "BMP")) << 0;
}

void TestPictureFile::loadsByExtension()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(int, tolerance);
    const QImage image = PictureFile::load(store(name, bytes));
    QCOMPARE(image.format(), QImage::Format_RGB32);
    QCOMPARE(image.size(), QSize(48, 32));
    const QImage expected = checkerboard();
    // The middles of the squares, away from the edges that JPEG blurs.
    for (const QPoint point : {QPoint(8, 8), QPoint(24, 8), QPoint(40, 24), QPoint(8, 24), QPoint(0, 0)}) {
        const QRgb got = image.pixel(point);
        const QRgb want = expected.pixel(point);
        QVERIFY2(std::abs(qRed(got) - qRed(want)) <= tolerance && std::abs(qBlue(got) - qBlue(want)) <= tolerance,
                 qPrintable(QString::number(got, 16)));
    }
}

void TestPictureFile::refusesBadFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");

    const QByteArray bmp = encoded(checkerboard(), "BMP");
    const QString notBitmap = u"「%1」はビットマップ画像として読み込めません。"_s;
    const QString tooLarge = u"「%1」は画像が大きすぎるため読み込めません（1億画素まで）。"_s;
    const QString wrongKind = u"「%1」は読み込める画像の種類ではありません（JPEG と BMP だけです）。"_s;
    QTest::newRow("empty bmp") << u"e.bmp"_s << QByteArray() << notBitmap;
    QTest::newRow("garbage bmp") << u"g.bmp"_s << QByteArray("BMgarbage that is no bitmap") << notBitmap;
    QTest::newRow("JPEG named bmp") << u"j.bmp"_s << JpegCodec::encode(checkerboard()) << notBitmap;
    QTest::newRow("header only") << u"h.bmp"_s << bmp.left(54) << notBitmap;
    QTest::newRow("zero width") << u"z.bmp"_s << bitmapHeader(0, 10) << notBitmap;
    QTest::newRow("20000x20000") << u"huge.bmp"_s << bitmapHeader(20000, 20000) << tooLarge;
    QTest::newRow("top-down 20000x20000") << u"down.bmp"_s << bitmapHeader(20000, -20000) << tooLarge;
    QTest::newRow("bitmap named png") << u"a.png"_s << bmp << wrongKind;
    QTest::newRow("PNG") << u"p.png"_s << encoded(checkerboard(), "PNG") << wrongKind;
    QTest::newRow("no extension") << u"bmp"_s << bmp << wrongKind;
    QTest::newRow("bad JPEG") << u"c.jpg"_s << QByteArray("\xFF\xD8 broken")
                              << u"「%1」はJPEG画像として読み込めません。"_s;
}

void TestPictureFile::refusesBadFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QCOMPARE(messageOf([&] { PictureFile::load(store(name, bytes)); }), message.arg(name));
}

void TestPictureFile::reportsMissingFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("bmp") << u"missing.bmp"_s;
    QTest::newRow("jpg") << u"missing.JPG"_s;
}

void TestPictureFile::reportsMissingFile()
{
    QFETCH(QString, name);
    const QString path = m_dir->filePath(name);
    QCOMPARE(messageOf([&] { PictureFile::load(path); }),
             u"ファイル「%1」が見つからないか、読み込めません。"_s.arg(QDir::toNativeSeparators(path)));
}

void TestPictureFile::turnsPhotosUpright_data()
{
    QTest::addColumn<int>("orientation"); // how the pixels are stored
    QTest::addColumn<int>("tag");         // what the EXIF block says
    QTest::addColumn<bool>("motorola");
    const char *names[] = {"as stored",  "mirrored",     "turned half", "flipped",
                           "transposed", "turned right", "transversed", "turned left"};
    for (int o = 1; o <= 8; ++o) {
        QTest::newRow(names[o - 1]) << o << o << false;
        QTest::addRow("%s, Motorola order", names[o - 1]) << o << o << true;
    }
    QTest::newRow("no such orientation") << 1 << 9 << false;
    QTest::newRow("orientation 0") << 1 << 0 << true;
}

void TestPictureFile::turnsPhotosUpright()
{
    QFETCH(int, orientation);
    QFETCH(int, tag);
    QFETCH(bool, motorola);
    const QImage upright = PhotoFiles::quadrants(64, 32);
    const QImage image = PictureFile::load(store(
        u"phone.JPG"_s, PhotoFiles::jpegWithOrientation(PhotoFiles::storedFor(upright, orientation), tag, motorola)));
    QCOMPARE(image.format(), QImage::Format_RGB32);
    QCOMPARE(image.size(), upright.size());
    for (const QPoint point : {QPoint(8, 4), QPoint(56, 4), QPoint(8, 28), QPoint(56, 28)}) {
        const QRgb got = image.pixel(point);
        const QRgb want = upright.pixel(point);
        QVERIFY2(std::abs(qRed(got) - qRed(want)) <= 24 && std::abs(qGreen(got) - qGreen(want)) <= 24
                     && std::abs(qBlue(got) - qBlue(want)) <= 24,
                 qPrintable(QStringLiteral("(%1, %2): %3").arg(point.x()).arg(point.y()).arg(got, 0, 16)));
    }
}

void TestPictureFile::kindFollowsTheExtension_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("kind");
    const int none = int(PictureFile::Kind::None);
    const int bitmap = int(PictureFile::Kind::Bitmap);
    const int jpeg = int(PictureFile::Kind::Jpeg);
    QTest::newRow("jpg") << u"/p/a.jpg"_s << jpeg;
    QTest::newRow("JPG") << u"/p/IMG_0001.JPG"_s << jpeg;
    QTest::newRow("Jpeg") << u"/p/a.Jpeg"_s << jpeg;
    QTest::newRow("BMP") << u"/p/a.BMP"_s << bitmap;
    QTest::newRow("last dot counts") << u"/p/a.bmp.png"_s << none;
    QTest::newRow("dot in folder") << u"/p.jpg/readme"_s << none;
    QTest::newRow("jpe") << u"/p/a.jpe"_s << none;
    QTest::newRow("trailing dot") << u"/p/a.jpg."_s << none;
}

void TestPictureFile::kindFollowsTheExtension()
{
    QFETCH(QString, path);
    QFETCH(int, kind);
    QCOMPARE(int(PictureFile::kindOf(path)), kind);
}

QTEST_GUILESS_MAIN(TestPictureFile)
#include "tst_picture_file.moc"
