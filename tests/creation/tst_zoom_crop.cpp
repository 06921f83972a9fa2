#include "creation/CreationDrawing.h"
#include "creation/PartCutout.h"
#include "creation/SourcePicture.h"
#include "creation/ZoomCrop.h"

#include <QtTest>

// The zoom's crop and display size, and the dotted marks drawn while the player drags.
class TestZoomCrop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void crop_data();
    void crop();
    void cropPastThePictureIsWhite();
    void rectangleKeepsToItsCorners();
    void polylineIsDottedBlueAndOpen();
    void marksPastTheSurfaceAreClipped();
    void tooFewPointsDrawNothing();

private:
    static int countColour(const QImage &image, QRgb colour);
};

int TestZoomCrop::countColour(const QImage &image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
    return count;
}

void TestZoomCrop::crop_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("end");
    QTest::addColumn<QRect>("crop");
    QTest::addColumn<QSize>("display");
    QTest::newRow("dragged up-left on 640x480")
        << QSize(640, 480) << QPoint(240, 120) << QPoint(40, 20) << QRect(85, 42, 426, 213) << QSize(300, 150);
    QTest::newRow("same, dragged down-right")
        << QSize(640, 480) << QPoint(40, 20) << QPoint(240, 120) << QRect(85, 42, 426, 213) << QSize(300, 150);
    QTest::newRow("1x1 on 640x480") << QSize(640, 480) << QPoint(10, 10) << QPoint(11, 11) << QRect(21, 21, 2, 2)
                                    << QSize(300, 300);
    QTest::newRow("taller than wide") << QSize(640, 480) << QPoint(0, 0) << QPoint(100, 200) << QRect(0, 0, 213, 426)
                                      << QSize(150, 300);
    QTest::newRow("portrait factor from height")
        << QSize(480, 640) << QPoint(30, 60) << QPoint(90, 90) << QRect(64, 128, 128, 64) << QSize(300, 150);
    QTest::newRow("2592 wide, float factor")
        << QSize(2592, 1944) << QPoint(0, 0) << QPoint(300, 224) << QRect(0, 0, 2592, 1935) << QSize(300, 224);
    QTest::newRow("past the box, negative")
        << QSize(640, 480) << QPoint(-30, -15) << QPoint(330, 20) << QRect(-64, -32, 768, 74) << QSize(300, 29);
    QTest::newRow("small picture shrinks to nothing")
        << QSize(100, 50) << QPoint(10, 10) << QPoint(12, 12) << QRect(3, 3, 0, 0) << QSize(300, 300);
    QTest::newRow("small picture, 3 wide")
        << QSize(100, 50) << QPoint(0, 0) << QPoint(3, 30) << QRect(0, 0, 1, 10) << QSize(30, 300);
}

void TestZoomCrop::crop()
{
    QFETCH(QSize, picture);
    QFETCH(QPoint, start);
    QFETCH(QPoint, end);
    QFETCH(QRect, crop);
    QFETCH(QSize, display);
    const ZoomCrop zoom = zoomCrop(start, end, picture);
    QCOMPARE(zoom.crop.topLeft(), crop.topLeft());
    QCOMPARE(zoom.crop.size(), crop.size());
    QCOMPARE(zoom.display, display);
}

void TestZoomCrop::cropPastThePictureIsWhite()
{
    QImage picture(640, 480, QImage::Format_RGB32);
    picture.fill(qRgb(200, 40, 40));
    const ZoomCrop zoom = zoomCrop(QPoint(-30, -15), QPoint(330, 20), picture.size());
    const QImage cropped = cutOutPart(picture, zoom.crop);
    QCOMPARE(cropped.size(), QSize(768, 74));
    QCOMPARE(cropped.pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(cropped.pixel(63, 40), qRgb(255, 255, 255));
    QCOMPARE(cropped.pixel(64, 32), qRgb(200, 40, 40));
    QCOMPARE(cropped.pixel(64 + 639, 73), qRgb(200, 40, 40));
    QCOMPARE(cropped.pixel(64 + 640, 73), qRgb(255, 255, 255));
}

void TestZoomCrop::rectangleKeepsToItsCorners()
{
    QImage surface = blankSurface();
    drawDottedRectangle(surface, QPoint(240, 120), QPoint(40, 20));
    const QRgb blue = qRgb(0, 0, 255);
    QCOMPARE(surface.pixel(40, 20), blue);
    QCOMPARE(surface.pixel(240, 120), blue);
    int onEdges = 0;
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 300; ++x) {
            const bool edge = ((x == 40 || x == 240) && y >= 20 && y <= 120)
                              || ((y == 20 || y == 120) && x >= 40 && x <= 240);
            const QRgb pixel = surface.pixel(x, y) & 0xffffff;
            if (!edge)
                QVERIFY2(pixel == 0xffffff, qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
            else
                onEdges += pixel == (blue & 0xffffff);
        }
    }
    // Dotted: a good part of the outline shows, but not all of it.
    const int outline = 2 * 201 + 2 * 99;
    QVERIFY2(onEdges > outline / 4 && onEdges < outline, qPrintable(QString::number(onEdges)));
}

void TestZoomCrop::polylineIsDottedBlueAndOpen()
{
    QImage surface = blankSurface();
    surface.fill(qRgb(90, 90, 90));
    drawDottedPolyline(surface, {QPoint(10, 10), QPoint(110, 10), QPoint(110, 60)});
    const int blue = countColour(surface, qRgb(0, 0, 255));
    QVERIFY2(blue > 150 / 4 && blue < 151, qPrintable(QString::number(blue)));
    QCOMPARE(countColour(surface, qRgb(0, 0, 255)) + countColour(surface, qRgb(90, 90, 90)), 300 * 300);
    // Open: nothing is drawn on the way back from the last point to the first.
    for (int i = 1; i < 50; ++i)
        QCOMPARE(surface.pixel(10 + 2 * i, 10 + i), qRgb(90, 90, 90));
}

void TestZoomCrop::marksPastTheSurfaceAreClipped()
{
    QImage surface = blankSurface();
    drawDottedPolyline(surface, {QPoint(-500, 150), QPoint(900, 150), QPoint(150, -4000)});
    drawDottedRectangle(surface, QPoint(-20, -20), QPoint(5000, 100));
    QCOMPARE(surface.size(), QSize(300, 300));
    QVERIFY(countColour(surface, qRgb(0, 0, 255)) > 100);
    QCOMPARE(surface.pixel(150, 200), qRgb(255, 255, 255));
}

void TestZoomCrop::tooFewPointsDrawNothing()
{
    QImage surface = blankSurface();
    drawDottedPolyline(surface, {});
    drawDottedPolyline(surface, {QPoint(5, 5)});
    QCOMPARE(surface, blankSurface());
}

QTEST_MAIN(TestZoomCrop)
#include "tst_zoom_crop.moc"
