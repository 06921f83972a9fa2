#include "creation/PartCutout.h"
#include "creation/SourcePicture.h"

#include <QtTest>

// The bounding box of a curve, the rectangle cut out of the surface, the even-odd fill
// of the hole and the colour picked from the surface.
class TestPartCutout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void box_data();
    void box();
    void pieceIsThePlainBox();
    void pieceOutsideTheSurfaceIsWhite_data();
    void pieceOutsideTheSurfaceIsWhite();
    void overlappingPiecesNeverShowTheOtherFill();
    void fillCoversCurveAndInside();
    void selfCrossingCurveLeavesDoubleAreaUnfilled();
    void twoPointCurvePaintsOnlyALine();
    void tooFewPointsPaintNothing_data();
    void tooFewPointsPaintNothing();
    void defaultColourIsThePixelUnderTheFirstPoint();
    void colourPickedInsideAFillIsThatFill();
    void colourOutsideTheSurfaceIsWhite_data();
    void colourOutsideTheSurfaceIsWhite();

private:
    QImage m_surface; // red x, green y, blue (x + y) % 256, so no pixel is (1, 2, 200) by chance

    static QRgb gradient(int x, int y) { return qRgb(x % 256, y % 256, (x + y) % 256); }
    static int countPixels(const QImage &image, QRgb colour);
};

void TestPartCutout::init()
{
    m_surface = blankSurface();
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 300; ++x)
            m_surface.setPixel(x, y, gradient(x, y));
}

int TestPartCutout::countPixels(const QImage &image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
    return count;
}

void TestPartCutout::box_data()
{
    QTest::addColumn<QVector<QPoint>>("points");
    QTest::addColumn<QRect>("box");
    QTest::newRow("press and two moves") << QVector<QPoint>{{100, 120}, {140, 125}, {130, 150}}
                                         << QRect(100, 120, 40, 30);
    QTest::newRow("diagonal stroke") << QVector<QPoint>{{10, 10}, {11, 12}} << QRect(10, 10, 1, 2);
    QTest::newRow("outside the box keeps its values")
        << QVector<QPoint>{{-20, 5}, {310, 40}, {0, 320}} << QRect(-20, 5, 330, 315);
    QTest::newRow("click without move") << QVector<QPoint>{{50, 50}} << QRect(50, 50, 0, 0);
    QTest::newRow("along one row") << QVector<QPoint>{{50, 50}, {90, 50}, {60, 50}} << QRect(50, 50, 40, 0);
    QTest::newRow("no points") << QVector<QPoint>{} << QRect();
}

void TestPartCutout::box()
{
    QFETCH(QVector<QPoint>, points);
    QFETCH(QRect, box);
    QCOMPARE(outlineBox(points), box);
}

void TestPartCutout::pieceIsThePlainBox()
{
    const QImage piece = cutOutPart(m_surface, outlineBox({{100, 120}, {140, 125}, {130, 150}}));
    QCOMPARE(piece.size(), QSize(40, 30));
    // Pixels outside the curve but inside the box belong to the piece too.
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            QCOMPARE(piece.pixel(x, y), gradient(100 + x, 120 + y));
}

void TestPartCutout::pieceOutsideTheSurfaceIsWhite_data()
{
    QTest::addColumn<QRect>("box");
    QTest::newRow("past the right edge") << QRect(290, 10, 20, 5);
    QTest::newRow("past the bottom edge") << QRect(10, 295, 6, 10);
    QTest::newRow("before the top left") << QRect(-5, -3, 10, 10);
    QTest::newRow("wholly outside") << QRect(400, 400, 8, 8);
    QTest::newRow("larger than the surface") << QRect(-10, -10, 320, 320);
}

void TestPartCutout::pieceOutsideTheSurfaceIsWhite()
{
    QFETCH(QRect, box);
    const QImage piece = cutOutPart(m_surface, box);
    QCOMPARE(piece.size(), box.size());
    for (int y = 0; y < box.height(); ++y)
        for (int x = 0; x < box.width(); ++x) {
            const QPoint p = box.topLeft() + QPoint(x, y);
            const QRgb expected = m_surface.rect().contains(p) ? gradient(p.x(), p.y()) : qRgb(255, 255, 255);
            QCOMPARE(piece.pixel(x, y), expected);
        }
}

void TestPartCutout::overlappingPiecesNeverShowTheOtherFill()
{
    const QImage clean = m_surface;
    const QVector<QPoint> first{{50, 50}, {120, 50}, {120, 100}, {50, 100}};
    const QVector<QPoint> second{{90, 80}, {160, 80}, {160, 140}, {90, 140}};
    const QRect secondBox = outlineBox(second);

    // What the screen does: redraw clean, cut, then refill every outlined part.
    QImage surface = clean;
    fillPart(surface, first, Qt::magenta);
    surface = clean;
    const QImage piece = cutOutPart(surface, secondBox);
    fillPart(surface, first, Qt::magenta);
    fillPart(surface, second, Qt::cyan);

    QCOMPARE(countPixels(piece, qRgb(255, 0, 255)), 0);
    QCOMPARE(piece, clean.copy(secondBox));
    // The filled surface does carry both fills in the overlap region.
    QCOMPARE(surface.pixel(100, 90), QColor(Qt::cyan).rgb());
    QCOMPARE(surface.pixel(60, 60), QColor(Qt::magenta).rgb());
}

void TestPartCutout::fillCoversCurveAndInside()
{
    const QVector<QPoint> square{{40, 40}, {80, 40}, {80, 70}, {40, 70}};
    fillPart(m_surface, square, QColor(1, 2, 200));
    for (const QPoint p : {QPoint(40, 40), QPoint(80, 40), QPoint(80, 70), QPoint(40, 70), QPoint(60, 40),
                           QPoint(80, 55), QPoint(60, 55)})
        QCOMPARE(m_surface.pixel(p), qRgb(1, 2, 200));
    for (const QPoint p : {QPoint(39, 55), QPoint(81, 55), QPoint(60, 39), QPoint(60, 71)})
        QCOMPARE(m_surface.pixel(p), gradient(p.x(), p.y()));
    // Aliased: no blended pixel anywhere along the edges.
    QCOMPARE(countPixels(m_surface, qRgb(1, 2, 200)), 41 * 31);
}

void TestPartCutout::selfCrossingCurveLeavesDoubleAreaUnfilled()
{
    // A five-pointed star drawn in one stroke encloses its centre twice.
    const QVector<QPoint> star{{150, 50}, {209, 231}, {55, 119}, {245, 119}, {91, 231}};
    fillPart(m_surface, star, Qt::black);
    QCOMPARE(m_surface.pixel(150, 150), gradient(150, 150));
    QCOMPARE(m_surface.pixel(150, 80), qRgb(0, 0, 0)); // upper tip, enclosed once
    QCOMPARE(m_surface.pixel(80, 122), qRgb(0, 0, 0)); // left tip
    QCOMPARE(m_surface.pixel(150, 40), gradient(150, 40));
}

void TestPartCutout::twoPointCurvePaintsOnlyALine()
{
    const QImage piece = cutOutPart(m_surface, QRect(100, 100, 40, 20));
    fillPart(m_surface, {{100, 100}, {140, 120}}, Qt::red);

    QCOMPARE(piece.size(), QSize(40, 20));
    QCOMPARE(piece.pixel(39, 0), gradient(139, 100));
    const int painted = countPixels(m_surface, qRgb(255, 0, 0));
    QVERIFY2(painted >= 41 && painted <= 45, qPrintable(QString::number(painted)));
    QCOMPARE(m_surface.pixel(100, 100), qRgb(255, 0, 0));
    QCOMPARE(m_surface.pixel(140, 120), qRgb(255, 0, 0));
    QCOMPARE(m_surface.pixel(130, 105), gradient(130, 105));
}

void TestPartCutout::tooFewPointsPaintNothing_data()
{
    QTest::addColumn<QVector<QPoint>>("points");
    QTest::newRow("none") << QVector<QPoint>{};
    QTest::newRow("one") << QVector<QPoint>{{20, 20}};
}

void TestPartCutout::tooFewPointsPaintNothing()
{
    QFETCH(QVector<QPoint>, points);
    const QImage before = m_surface;
    fillPart(m_surface, points, Qt::red);
    QCOMPARE(m_surface, before);
}

void TestPartCutout::defaultColourIsThePixelUnderTheFirstPoint()
{
    const QVector<QPoint> curve{{30, 200}, {70, 210}, {50, 240}};
    const QColor colour = colourAt(m_surface, curve.first());
    QCOMPARE(colour.rgb(), gradient(30, 200));
    fillPart(m_surface, curve, colour);
    QCOMPARE(m_surface.pixel(50, 215), gradient(30, 200));
}

void TestPartCutout::colourPickedInsideAFillIsThatFill()
{
    const QVector<QPoint> eye{{100, 100}, {140, 100}, {140, 130}, {100, 130}};
    fillPart(m_surface, eye, QColor(222, 180, 150));
    QCOMPARE(colourAt(m_surface, {120, 115}), QColor(222, 180, 150));
    QCOMPARE(colourAt(m_surface, {150, 115}), QColor(gradient(150, 115)));
}

void TestPartCutout::colourOutsideTheSurfaceIsWhite_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::newRow("left") << QPoint(-1, 10);
    QTest::newRow("above") << QPoint(10, -1);
    QTest::newRow("right") << QPoint(300, 10);
    QTest::newRow("below") << QPoint(10, 300);
}

void TestPartCutout::colourOutsideTheSurfaceIsWhite()
{
    QFETCH(QPoint, point);
    QCOMPARE(colourAt(m_surface, point), QColor(Qt::white));
}

QTEST_APPLESS_MAIN(TestPartCutout)
#include "tst_part_cutout.moc"
