#include "platform/pictures/JpegCodec.h"
#include "platform/pictures/PictureMemory.h"

#include <QtTest>

// Pictures allocated for the decoder behave as any QImage, big or small.
class TestPictureMemory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sizesAndFormat_data();
    void sizesAndFormat();
    void copiesAreIndependent();
    void bigPhotoDecodesIntact();
};

void TestPictureMemory::sizesAndFormat_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("face picture") << QSize(300, 225);
    QTest::newRow("photo") << QSize(4000, 3000);
    QTest::newRow("odd width") << QSize(3001, 2003);
    QTest::newRow("one row") << QSize(9000, 1);
}

void TestPictureMemory::sizesAndFormat()
{
    QFETCH(QSize, size);
    QImage picture = allocatePicture(size.width(), size.height());
    QCOMPARE(picture.size(), size);
    QCOMPARE(picture.format(), QImage::Format_RGB32);
    QCOMPARE(picture.bytesPerLine(), qsizetype(size.width()) * 4);
    picture.fill(qRgb(1, 2, 3));
    QCOMPARE(picture.pixel(size.width() - 1, size.height() - 1), qRgb(1, 2, 3));
    QVERIFY(allocatePicture(0, 10).isNull());
}

void TestPictureMemory::copiesAreIndependent()
{
    QImage picture = allocatePicture(4000, 3000);
    picture.fill(qRgb(10, 20, 30));
    QImage copy = picture;
    copy.setPixel(5, 5, qRgb(200, 0, 0));
    QCOMPARE(picture.pixel(5, 5), qRgb(10, 20, 30));
    picture = QImage();
    QCOMPARE(copy.pixel(6, 5), qRgb(10, 20, 30));
}

void TestPictureMemory::bigPhotoDecodesIntact()
{
    QImage photo(3000, 2000, QImage::Format_RGB32);
    photo.fill(qRgb(40, 160, 90));
    for (int y = 1000; y < 2000; ++y)
        for (int x = 1500; x < 3000; ++x)
            photo.setPixel(x, y, qRgb(220, 60, 30));
    const QImage decoded = JpegCodec::decode(JpegCodec::encode(photo), QStringLiteral("photo.jpg"));
    QCOMPARE(decoded.size(), photo.size());
    QVERIFY(qAbs(qGreen(decoded.pixel(10, 10)) - 160) < 6);
    QVERIFY(qAbs(qRed(decoded.pixel(2990, 1990)) - 220) < 6);
}

QTEST_APPLESS_MAIN(TestPictureMemory)
#include "tst_picture_memory.moc"
