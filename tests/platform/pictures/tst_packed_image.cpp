#include "platform/pictures/PackedImage.h"

#include <QResource>
#include <QSysInfo>
#include <QTest>

using namespace Qt::StringLiterals;

class TestPackedImage : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTripKeepsEveryPixel();
    void refusesWhatIsNotAPackedPicture_data();
    void refusesWhatIsNotAPackedPicture();
    void builtInPicturesMatchTheirSources_data();
    void builtInPicturesMatchTheirSources();
    void builtInPicturesAreReadInPlaceAndCopiedOnlyWhenPaintedOn();
};

namespace {

// Colours and alphas that differ in every channel, so a swapped or shifted byte shows.
QImage gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgba(x * 7 % 256, y * 13 % 256, (x + y) % 256, (x * y + 1) % 256));
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QByteArray header(quint32 width, quint32 height)
{
    QByteArray bytes("PKIM");
    for (quint32 value : {width, height}) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes += char((value >> shift) & 0xFF);
    }
    return bytes;
}

} // namespace

void TestPackedImage::roundTripKeepsEveryPixel()
{
    for (const QSize size : {QSize(1, 1), QSize(113, 313), QSize(351, 52)}) {
        const QImage original = gradient(size.width(), size.height());
        const QByteArray packed = PackedImage::pack(original);
        QCOMPARE(packed.size(), 12 + size.width() * size.height() * 4);
        QCOMPARE(PackedImage::unpack(packed), original);
    }
}

void TestPackedImage::refusesWhatIsNotAPackedPicture_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = PackedImage::pack(gradient(3, 2));
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("header cut short") << good.left(9);
    QTest::newRow("pixels cut short") << good.chopped(1);
    QTest::newRow("a byte too many") << good + '\0';
    QTest::newRow("other magic") << "PNG!" + good.mid(4);
    QTest::newRow("zero width") << header(0, 2);
    QTest::newRow("huge sides, no pixels") << header(0xFFFFFFFF, 0xFFFFFFFF);
    QTest::newRow("sides whose product wraps") << header(65536, 65536) + QByteArray(4, '\0');
}

void TestPackedImage::refusesWhatIsNotAPackedPicture()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(PackedImage::unpack(bytes).isNull());
}

void TestPackedImage::builtInPicturesMatchTheirSources_data()
{
    QTest::addColumn<QString>("name");
    for (const char *name : {"title", "banner", "icon"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestPackedImage::builtInPicturesMatchTheirSources()
{
    QFETCH(QString, name);
    Q_INIT_RESOURCE(resources);
    const QString source = qEnvironmentVariable("PETARA_SOURCE_DIR") + u"/resources/"_s + name + u".png"_s;
    const QImage expected(source);
    QVERIFY2(!expected.isNull(), qPrintable(source));
    QCOMPARE(PackedImage::load(u":/art/"_s + name), expected.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

void TestPackedImage::builtInPicturesAreReadInPlaceAndCopiedOnlyWhenPaintedOn()
{
    Q_INIT_RESOURCE(resources);
    const QResource resource(u":/art/icon"_s);
    QImage icon = PackedImage::load(u":/art/icon"_s);
    const QImage before = PackedImage::unpack(resource.uncompressedData());
    QVERIFY(!before.isNull());
    if (QSysInfo::ByteOrder == QSysInfo::LittleEndian)
        QCOMPARE(icon.constBits(), resource.data() + 12);
    // The built-in bytes are read-only: painting must work on a copy and leave them as they were.
    icon.fill(Qt::red);
    QVERIFY(icon.constBits() != resource.data() + 12);
    QCOMPARE(PackedImage::load(u":/art/icon"_s), before);
}

QTEST_GUILESS_MAIN(TestPackedImage)
#include "tst_packed_image.moc"
