#include "creation/PictureFit.h"
#include "creation/SourcePicture.h"

#include <QtTest>

// The fit of a picture into the face box and its nearest-neighbour drawing there.
class TestPictureFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fit_data();
    void fit();
    void blankSurfaceIsWhite();
    void drawScalesByNearestNeighbour_data();
    void drawScalesByNearestNeighbour();
    void drawLeavesTheRestOfTheSurface();
    void drawOfNothingChangesNothing();

private:
    static QImage quadrants(int w, int h);
};

void TestPictureFit::fit_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("landscape 640x480") << QSize(640, 480) << QSize(300, 225);
    QTest::newRow("portrait 480x640") << QSize(480, 640) << QSize(225, 300);
    QTest::newRow("small is enlarged") << QSize(150, 100) << QSize(300, 200);
    QTest::newRow("float ratio just below") << QSize(2592, 1944) << QSize(300, 224);
    QTest::newRow("square 27 loses a row") << QSize(27, 27) << QSize(300, 299);
    QTest::newRow("square 300 unchanged") << QSize(300, 300) << QSize(300, 300);
    QTest::newRow("square 512") << QSize(512, 512) << QSize(300, 300);
    QTest::newRow("cat 451x300") << QSize(451, 300) << QSize(300, 199);
    QTest::newRow("portrait 320x360") << QSize(320, 360) << QSize(266, 300);
    QTest::newRow("one pixel wide") << QSize(1, 1000) << QSize(0, 300);
    QTest::newRow("one pixel") << QSize(1, 1) << QSize(300, 300);
    QTest::newRow("empty") << QSize(0, 0) << QSize(0, 0);
    QTest::newRow("no height") << QSize(640, 0) << QSize(0, 0);
}

void TestPictureFit::fit()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, shown);
    QCOMPARE(fitIntoFaceBox(picture), shown);
}

void TestPictureFit::blankSurfaceIsWhite()
{
    const QImage surface = blankSurface();
    QCOMPARE(surface.size(), QSize(300, 300));
    QCOMPARE(surface.format(), QImage::Format_RGB32);
    for (const QPoint p : {QPoint(0, 0), QPoint(299, 0), QPoint(150, 150), QPoint(299, 299)})
        QCOMPARE(surface.pixel(p), qRgb(255, 255, 255));
}

// Four flat quadrants: red, green / blue, yellow.
QImage TestPictureFit::quadrants(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const bool right = x >= w / 2;
            const bool lower = y >= h / 2;
            image.setPixel(x, y,
                           lower ? (right ? qRgb(255, 255, 0) : qRgb(0, 0, 255))
                                 : (right ? qRgb(0, 255, 0) : qRgb(255, 0, 0)));
        }
    return image;
}

void TestPictureFit::drawScalesByNearestNeighbour_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QSize>("display");
    QTest::newRow("2x2 enlarged") << QSize(2, 2) << QSize(300, 300);
    QTest::newRow("4x2 enlarged wide") << QSize(4, 2) << QSize(300, 150);
    QTest::newRow("640x480 reduced") << QSize(640, 480) << QSize(300, 225);
    QTest::newRow("portrait reduced") << QSize(480, 640) << QSize(225, 300);
}

void TestPictureFit::drawScalesByNearestNeighbour()
{
    QFETCH(QSize, source);
    QFETCH(QSize, display);
    QImage surface = blankSurface();
    drawSourcePicture(surface, quadrants(source.width(), source.height()), display);

    // Flat colours survive nearest-neighbour sampling exactly; blending would mix them.
    const int w = display.width();
    const int h = display.height();
    QCOMPARE(surface.pixel(0, 0), qRgb(255, 0, 0));
    QCOMPARE(surface.pixel(w / 2 - 1, h / 2 - 1), qRgb(255, 0, 0));
    QCOMPARE(surface.pixel(w / 2 + 1, 0), qRgb(0, 255, 0));
    QCOMPARE(surface.pixel(w - 1, 0), qRgb(0, 255, 0));
    QCOMPARE(surface.pixel(0, h - 1), qRgb(0, 0, 255));
    QCOMPARE(surface.pixel(w - 1, h - 1), qRgb(255, 255, 0));
    QSet<QRgb> colours;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            colours.insert(surface.pixel(x, y));
    QCOMPARE(colours.size(), 4);
}

void TestPictureFit::drawLeavesTheRestOfTheSurface()
{
    QImage surface = blankSurface();
    surface.fill(qRgb(10, 20, 30));
    QImage source(150, 100, QImage::Format_RGB32);
    source.fill(qRgb(200, 100, 50));
    drawSourcePicture(surface, source, QSize(300, 200));

    QCOMPARE(surface.pixel(0, 0), qRgb(200, 100, 50));
    QCOMPARE(surface.pixel(299, 199), qRgb(200, 100, 50));
    QCOMPARE(surface.pixel(0, 200), qRgb(10, 20, 30));
    QCOMPARE(surface.pixel(299, 299), qRgb(10, 20, 30));
}

void TestPictureFit::drawOfNothingChangesNothing()
{
    QImage surface = blankSurface();
    surface.setPixel(5, 5, qRgb(1, 2, 3));
    const QImage before = surface;
    drawSourcePicture(surface, QImage(), QSize(300, 300));
    QCOMPARE(surface, before);
    QImage source(10, 10, QImage::Format_RGB32);
    source.fill(Qt::black);
    drawSourcePicture(surface, source, QSize(0, 0));
    QCOMPARE(surface, before);
}

QTEST_APPLESS_MAIN(TestPictureFit)
#include "tst_picture_fit.moc"
