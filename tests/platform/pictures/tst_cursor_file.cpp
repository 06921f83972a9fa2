#include "platform/pictures/CursorFile.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

// Reading .cur files: the shipped see-through cursor, every entry kind the reader knows,
// and files that are missing, cut short or not cursors at all.
class TestCursorFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void shippedCursorIsSeeThrough();
    void decodesEveryEntryKind_data();
    void decodesEveryEntryKind();
    void picksTheEntryNearest32();
    void hotSpotOutsideThePictureIsClamped();
    void truncatedFileIsRefused_data();
    void truncatedFileIsRefused();
    void malformedFileIsRefused_data();
    void malformedFileIsRefused();
    void missingOrEmptyFileGivesNothing();

private:
    QTemporaryDir m_dir;
    QByteArray m_shipped;

    static QString shippedPath();
    static QImage sample();
    static QByteArray bitmapEntry(const QImage &image, int bitCount, bool alphaChannel);
    static QByteArray cursorFile(const QList<QPair<QSize, QByteArray>> &entries, QPoint hotSpot);
    QString write(const QString &name, const QByteArray &bytes) const;
};

QString TestCursorFile::shippedPath()
{
    const QByteArray root = qgetenv("PETARA_SOURCE_DIR");
    const QString base = root.isEmpty() ? QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/../..")
                                        : QString::fromLocal8Bit(root);
    return base + QStringLiteral("/data/tomei.cur");
}

void TestCursorFile::init()
{
    QVERIFY(m_dir.isValid());
    QFile file(shippedPath());
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    m_shipped = file.readAll();
}

QString TestCursorFile::write(const QString &name, const QByteArray &bytes) const
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

// 4 × 2: red, green, blue, white / see-through, black, red, green.
QImage TestCursorFile::sample()
{
    QImage image(4, 2, QImage::Format_ARGB32);
    const QRgb pixels[2][4] = {{qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)},
                               {qRgba(0, 0, 0, 0), qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0)}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            image.setPixel(x, y, pixels[y][x]);
    return image;
}

// A BMP-style entry as Windows writes it: header, palette, colour rows and mask rows,
// both bottom-up. See-through pixels are black with the mask bit set.
QByteArray TestCursorFile::bitmapEntry(const QImage &image, int bitCount, bool alphaChannel)
{
    QByteArray out;
    QDataStream stream(&out, QIODevice::WriteOnly);
    stream.setByteOrder(QDataStream::LittleEndian);
    QList<QRgb> palette{qRgb(0, 0, 0)};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) && !palette.contains(image.pixel(x, y)))
                palette.append(image.pixel(x, y));
    if (bitCount > 8)
        palette.clear();
    const int w = image.width();
    const int h = image.height();
    const int colourStride = (w * bitCount + 31) / 32 * 4;
    const int maskStride = (w + 31) / 32 * 4;
    stream << quint32(40) << qint32(w) << qint32(2 * h) << quint16(1) << quint16(bitCount) << quint32(0)
           << quint32((colourStride + maskStride) * h) << quint32(0) << quint32(0) << quint32(palette.size())
           << quint32(0);
    for (const QRgb colour : palette)
        stream << quint8(qBlue(colour)) << quint8(qGreen(colour)) << quint8(qRed(colour)) << quint8(0);
    for (int row = h - 1; row >= 0; --row) {
        QByteArray line(colourStride, 0);
        for (int x = 0; x < w; ++x) {
            const QRgb pixel = image.pixel(x, row);
            const QRgb colour = qAlpha(pixel) || alphaChannel ? pixel : qRgba(0, 0, 0, 0);
            if (bitCount <= 8) {
                const int index = int(palette.indexOf(qAlpha(colour) ? colour : qRgb(0, 0, 0)));
                const int bit = x * bitCount;
                line[bit / 8] = char(line[bit / 8] | (index << (8 - bitCount - bit % 8)));
            } else {
                const int at = x * bitCount / 8;
                line[at] = char(qBlue(colour));
                line[at + 1] = char(qGreen(colour));
                line[at + 2] = char(qRed(colour));
                if (bitCount == 32)
                    line[at + 3] = char(alphaChannel ? qAlpha(colour) : 0);
            }
        }
        stream.writeRawData(line.constData(), int(line.size()));
    }
    for (int row = h - 1; row >= 0; --row) {
        QByteArray line(maskStride, 0);
        for (int x = 0; x < w; ++x)
            if (qAlpha(image.pixel(x, row)) == 0)
                line[x / 8] = char(line[x / 8] | (0x80 >> (x % 8)));
        stream.writeRawData(line.constData(), int(line.size()));
    }
    return out;
}

QByteArray TestCursorFile::cursorFile(const QList<QPair<QSize, QByteArray>> &entries, QPoint hotSpot)
{
    QByteArray out;
    QDataStream stream(&out, QIODevice::WriteOnly);
    stream.setByteOrder(QDataStream::LittleEndian);
    stream << quint16(0) << quint16(2) << quint16(entries.size());
    quint32 offset = 6 + 16 * entries.size();
    for (const auto &[size, data] : entries) {
        stream << quint8(size.width()) << quint8(size.height()) << quint8(0) << quint8(0) << quint16(hotSpot.x())
               << quint16(hotSpot.y()) << quint32(data.size()) << offset;
        offset += data.size();
    }
    for (const auto &entry : entries)
        stream.writeRawData(entry.second.constData(), int(entry.second.size()));
    return out;
}

void TestCursorFile::shippedCursorIsSeeThrough()
{
    QCOMPARE(m_shipped.size(), 326);
    const std::optional<QCursor> cursor = CursorFile::load(shippedPath());
    QVERIFY(cursor.has_value());
    const QImage image = cursor->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(32, 32));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            QCOMPARE(qAlpha(image.pixel(x, y)), 0);
    QCOMPARE(cursor->hotSpot(), QPoint(0, 0));
}

void TestCursorFile::decodesEveryEntryKind_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<bool>("monochrome");
    QImage blackAndWhite = sample();
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            if (qAlpha(blackAndWhite.pixel(x, y)))
                blackAndWhite.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
    QTest::newRow("1 bit") << bitmapEntry(blackAndWhite, 1, false) << true;
    QTest::newRow("4 bits") << bitmapEntry(sample(), 4, false) << false;
    QTest::newRow("8 bits") << bitmapEntry(sample(), 8, false) << false;
    QTest::newRow("24 bits") << bitmapEntry(sample(), 24, false) << false;
    QTest::newRow("32 bits, mask only") << bitmapEntry(sample(), 32, false) << false;
    QTest::newRow("32 bits, alpha channel") << bitmapEntry(sample(), 32, true) << false;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    sample().save(&buffer, "PNG");
    QTest::newRow("PNG") << png << false;
}

void TestCursorFile::decodesEveryEntryKind()
{
    QFETCH(QByteArray, entry);
    QFETCH(bool, monochrome);
    const auto picture = CursorFile::decode(cursorFile({{QSize(4, 2), entry}}, QPoint(2, 1)));
    QVERIFY(picture.has_value());
    QCOMPARE(picture->image.size(), QSize(4, 2));
    QCOMPARE(picture->hotSpot, QPoint(2, 1));
    QCOMPARE(qAlpha(picture->image.pixel(0, 1)), 0);
    if (monochrome) {
        QCOMPARE(picture->image.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(picture->image.pixel(1, 0), qRgb(255, 255, 255));
        QCOMPARE(picture->image.pixel(1, 1), qRgb(0, 0, 0));
        QCOMPARE(picture->image.pixel(3, 1), qRgb(0, 0, 0));
        return;
    }
    const QImage expected = sample();
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            if (qAlpha(expected.pixel(x, y)))
                QCOMPARE(picture->image.pixel(x, y), expected.pixel(x, y));
}

void TestCursorFile::picksTheEntryNearest32()
{
    QImage small(16, 16, QImage::Format_ARGB32);
    small.fill(Qt::red);
    QImage usual(32, 32, QImage::Format_ARGB32);
    usual.fill(Qt::green);
    QImage large(48, 48, QImage::Format_ARGB32);
    large.fill(Qt::blue);
    const QByteArray bytes = cursorFile({{QSize(16, 16), bitmapEntry(small, 24, false)},
                                         {QSize(32, 32), bitmapEntry(usual, 24, false)},
                                         {QSize(48, 48), bitmapEntry(large, 24, false)}},
                                        QPoint(5, 6));
    const auto picture = CursorFile::decode(bytes);
    QVERIFY(picture.has_value());
    QCOMPARE(picture->image.size(), QSize(32, 32));
    QCOMPARE(picture->image.pixel(31, 31), qRgb(0, 255, 0));
    QCOMPARE(picture->hotSpot, QPoint(5, 6));
}

void TestCursorFile::hotSpotOutsideThePictureIsClamped()
{
    const auto picture = CursorFile::decode(cursorFile({{QSize(4, 2), bitmapEntry(sample(), 24, false)}}, {40, 40}));
    QVERIFY(picture.has_value());
    QCOMPARE(picture->hotSpot, QPoint(3, 1));
}

void TestCursorFile::truncatedFileIsRefused_data()
{
    QTest::addColumn<int>("length");
    for (const int length : {0, 1, 5, 6, 21, 22, 40, 61, 62, 69, 200, 325})
        QTest::addRow("%d bytes", length) << length;
}

void TestCursorFile::truncatedFileIsRefused()
{
    QFETCH(int, length);
    const QByteArray cut = m_shipped.left(length);
    QVERIFY(!CursorFile::decode(cut).has_value());
    QVERIFY(!CursorFile::load(write(QStringLiteral("cut.cur"), cut)).has_value());
}

void TestCursorFile::malformedFileIsRefused_data()
{
    QTest::addColumn<int>("at");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("reserved not 0") << 0 << QByteArray("\x01\x00", 2);
    QTest::newRow("an icon, not a cursor") << 2 << QByteArray("\x01\x00", 2);
    QTest::newRow("a bitmap file") << 0 << QByteArray("BM", 2);
    QTest::newRow("no entries") << 4 << QByteArray("\x00\x00", 2);
    QTest::newRow("more entries than written") << 4 << QByteArray("\x09\x00", 2);
    QTest::newRow("image past the end") << 18 << QByteArray("\x00\x10\x00\x00", 4);
    QTest::newRow("image size past the end") << 14 << QByteArray("\xff\xff\xff\x7f", 4);
    QTest::newRow("core header") << 22 << QByteArray("\x0c\x00\x00\x00", 4);
    QTest::newRow("header larger than image") << 22 << QByteArray("\x00\x02\x00\x00", 4);
    QTest::newRow("zero width") << 26 << QByteArray("\x00\x00\x00\x00", 4);
    QTest::newRow("negative width") << 26 << QByteArray("\xe0\xff\xff\xff", 4);
    QTest::newRow("huge width") << 26 << QByteArray("\x00\x00\x01\x00", 4);
    QTest::newRow("odd height") << 30 << QByteArray("\x3f\x00\x00\x00", 4);
    QTest::newRow("huge height") << 30 << QByteArray("\x00\x00\x00\x10", 4);
    QTest::newRow("no planes") << 34 << QByteArray("\x00\x00", 2);
    QTest::newRow("16 bits") << 36 << QByteArray("\x10\x00", 2);
    QTest::newRow("run-length coded") << 38 << QByteArray("\x01\x00\x00\x00", 4);
    QTest::newRow("too many palette entries") << 54 << QByteArray("\x03\x00\x00\x00", 4);
    QTest::newRow("PNG signature on garbage") << 62 - 40 << QByteArray("\x89PNG\r\n\x1a\n", 8);
}

void TestCursorFile::malformedFileIsRefused()
{
    QFETCH(int, at);
    QFETCH(QByteArray, bytes);
    QByteArray broken = m_shipped;
    broken.replace(at, bytes.size(), bytes);
    QVERIFY(CursorFile::decode(m_shipped).has_value());
    QVERIFY(!CursorFile::decode(broken).has_value());
    QVERIFY(!CursorFile::load(write(QStringLiteral("broken.cur"), broken)).has_value());
}

void TestCursorFile::missingOrEmptyFileGivesNothing()
{
    QVERIFY(!CursorFile::load(m_dir.filePath(QStringLiteral("none.cur"))).has_value());
    QVERIFY(!CursorFile::load(write(QStringLiteral("empty.cur"), QByteArray())).has_value());
    QVERIFY(!CursorFile::load(m_dir.path()).has_value());
    QByteArray garbage(4096, 0);
    QRandomGenerator random(84);
    for (char &byte : garbage)
        byte = char(random.bounded(256));
    QVERIFY(!CursorFile::load(write(QStringLiteral("garbage.cur"), garbage)).has_value());
    QVERIFY(!CursorFile::decode(QByteArray("\x00\x00\x02\x00\x01\x00", 6)).has_value());
}

QTEST_MAIN(TestCursorFile)
#include "tst_cursor_file.moc"
