#include "creation/LandmarkOutlines.h"

#include <QPolygonF>
#include <QTest>

#include <cmath>

// The rule from landmarks to outlines on made points: a face of 68 points laid out as a
// frontal face on the face box, without the landmark model.
class TestLandmarkOutlines : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void eyesMapToThePartsOnTheirSideOfThePicture();
    void everyLandmarkOfAPartLiesInsideItsOutline_data();
    void everyLandmarkOfAPartLiesInsideItsOutline();
    void outlineKeepsTheOrderOfTheLoop();
    void marginGrowsWithTheFaceAndHasAFloor_data();
    void marginGrowsWithTheFaceAndHasAFloor();
    void noseTakesInTheWings();
    void wrongNumberOfLandmarksGivesNoOutlines();
    void colourBesideIsTheSkinAroundThePart();
    void colourBesideReadsOnlyTheShownPicture();
};

namespace {

// A frontal face of about 2 × `scale` pixels between the outer eye corners, centred at (150, 150).
QVector<QPointF> madeFace(double scale = 40.0, QPointF centre = QPointF(150, 150))
{
    QVector<QPointF> p(LandmarkCount);
    for (int i = 0; i <= 16; ++i) // jaw, left of the picture to right
        p[i] = QPointF(-1.6 + 0.2 * i, 0.2 + (i <= 8 ? 0.12 * i : 0.12 * (16 - i)));
    for (int i = 17; i <= 26; ++i) // brows
        p[i] = QPointF(-1.2 + 0.25 * (i - 17), -0.5);
    for (int i = 27; i <= 30; ++i) // bridge down to the tip
        p[i] = QPointF(0, -0.3 + 0.2 * (i - 27));
    const double nostrils[5][2] = {{-0.3, 0.45}, {-0.15, 0.5}, {0, 0.52}, {0.15, 0.5}, {0.3, 0.45}};
    for (int i = 0; i < 5; ++i)
        p[31 + i] = QPointF(nostrils[i][0], nostrils[i][1]);
    const double eye[6][2] = {{-0.5, 0}, {-0.35, -0.1}, {-0.15, -0.1}, {0, 0}, {-0.15, 0.08}, {-0.35, 0.08}};
    for (int i = 0; i < 6; ++i) // the subject's right eye, outer corner 36 first
        p[36 + i] = QPointF(-0.5 + eye[i][0], -0.2 + eye[i][1]);
    // The left eye mirrors the right one: inner corner 42 first, outer corner 45.
    const int mirror[6] = {3, 2, 1, 0, 5, 4};
    for (int i = 0; i < 6; ++i)
        p[42 + i] = QPointF(-p[36 + mirror[i]].x(), p[36 + mirror[i]].y());
    for (int i = 0; i < 12; ++i) { // outer lip line, an ellipse from the right corner
        const double a = M_PI * i / 6.0;
        p[48 + i] = QPointF(-0.45 * std::cos(a), 0.9 - 0.18 * std::sin(a));
    }
    for (int i = 0; i < 8; ++i) { // inner lip line
        const double a = M_PI * i / 4.0;
        p[60 + i] = QPointF(-0.3 * std::cos(a), 0.9 - 0.06 * std::sin(a));
    }
    for (QPointF &point : p)
        point = centre + point * scale * 2.0;
    return p;
}

QPolygonF polygonOf(const QVector<QPoint> &outline)
{
    QPolygonF polygon;
    for (const QPoint &p : outline)
        polygon.append(QPointF(p));
    return polygon;
}

} // namespace

void TestLandmarkOutlines::eyesMapToThePartsOnTheirSideOfThePicture()
{
    const auto outlines = outlinesFromLandmarks(madeFace());
    const QRect right = QPolygon(outlines[1]).boundingRect();
    const QRect left = QPolygon(outlines[2]).boundingRect();
    // 右目 is the subject's right eye, on the picture's left.
    QVERIFY(right.right() < 150);
    QVERIFY(left.left() > 150);
    QVERIFY(QPolygon(outlines[3]).boundingRect().contains(150, 150));
    QVERIFY(QPolygon(outlines[4]).boundingRect().top() > QPolygon(outlines[3]).boundingRect().top());
    QVERIFY(outlines[0].isEmpty());
}

void TestLandmarkOutlines::everyLandmarkOfAPartLiesInsideItsOutline_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<QPointF>("centre");
    QTest::newRow("large face") << 50.0 << QPointF(150, 150);
    QTest::newRow("small face") << 12.0 << QPointF(80, 200);
    QTest::newRow("face at the edge") << 40.0 << QPointF(10, 20);
}

void TestLandmarkOutlines::everyLandmarkOfAPartLiesInsideItsOutline()
{
    QFETCH(double, scale);
    QFETCH(QPointF, centre);
    const QVector<QPointF> face = madeFace(scale, centre);
    const auto outlines = outlinesFromLandmarks(face);
    for (int k = 1; k <= 4; ++k) {
        const QPolygonF polygon = polygonOf(outlines[k]);
        for (const QPointF &p : partLandmarks(face, k))
            QVERIFY2(polygon.containsPoint(p, Qt::OddEvenFill), qPrintable(QStringLiteral("part %1").arg(k)));
        const QRect box = QPolygon(outlines[k]).boundingRect();
        QVERIFY(box.width() > 1 && box.height() > 1);
    }
}

void TestLandmarkOutlines::outlineKeepsTheOrderOfTheLoop()
{
    const QVector<QPointF> loop = {{10, 10}, {30, 10}, {30, 20}, {10, 20}};
    const QVector<QPoint> grown = grownOutline(loop, 5.0);
    QCOMPARE(grown.size(), 4);
    // Each corner moves 5 pixels away from the centre (20, 15), along its own diagonal.
    const double d = 5.0 / std::hypot(10.0, 5.0);
    QCOMPARE(grown[0], QPoint(int(std::lround(10 - 10 * d)), int(std::lround(10 - 5 * d))));
    QCOMPARE(grown[1], QPoint(int(std::lround(30 + 10 * d)), int(std::lround(10 - 5 * d))));
    QCOMPARE(grown[2], QPoint(int(std::lround(30 + 10 * d)), int(std::lround(20 + 5 * d))));
    QCOMPARE(grown[3], QPoint(int(std::lround(10 - 10 * d)), int(std::lround(20 + 5 * d))));
    QCOMPARE(partLoop(madeFace(), 1), madeFace().mid(36, 6));
    QCOMPARE(partLoop(madeFace(), 2), madeFace().mid(42, 6));
    QCOMPARE(partLoop(madeFace(), 4), madeFace().mid(48, 12));
}

void TestLandmarkOutlines::marginGrowsWithTheFaceAndHasAFloor_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<double>("margin");
    // The outer eye corners stand 4 × scale apart; the margin is a fiftieth of that.
    QTest::newRow("face box filled") << 50.0 << 4.0;
    QTest::newRow("ordinary") << 37.5 << 3.0;
    QTest::newRow("small face keeps a pixel and a half") << 12.0 << 1.5;
}

void TestLandmarkOutlines::marginGrowsWithTheFaceAndHasAFloor()
{
    QFETCH(double, scale);
    QFETCH(double, margin);
    QCOMPARE(outlineMargin(madeFace(scale)), margin);
    // The eye's outline stands off its corners by the margin.
    const QVector<QPointF> face = madeFace(scale);
    const QRect box = QPolygon(outlinesFromLandmarks(face)[1]).boundingRect();
    QVERIFY(qAbs(box.left() - (face[36].x() - margin)) <= 1);
    QVERIFY(qAbs(box.right() - (face[39].x() + margin)) <= 1);
}

void TestLandmarkOutlines::noseTakesInTheWings()
{
    const QVector<QPointF> face = madeFace(40.0);
    const QRect nose = QPolygon(outlinesFromLandmarks(face)[3]).boundingRect();
    const double nostrils = face[35].x() - face[31].x();
    // Wider than the nostrils by the wings on both sides, and from the bridge's top to below them.
    QVERIFY(nose.width() >= nostrils * 1.3);
    QVERIFY(nose.top() < face[27].y());
    QVERIFY(nose.bottom() > face[33].y());
    // But no wider than the wings and the margin.
    QVERIFY(nose.width() <= nostrils * 1.3 + 2 * outlineMargin(face) + 2);
}

void TestLandmarkOutlines::wrongNumberOfLandmarksGivesNoOutlines()
{
    QVector<QPointF> face = madeFace();
    face.removeLast();
    const auto outlines = outlinesFromLandmarks(face);
    for (int k = 1; k <= 4; ++k)
        QVERIFY(outlines[k].isEmpty());
    QVERIFY(partLoop(face, 1).isEmpty());
}

void TestLandmarkOutlines::colourBesideIsTheSkinAroundThePart()
{
    QImage picture(100, 100, QImage::Format_RGB32);
    picture.fill(QColor(230, 190, 160));
    // A dark part and, on one side only, a dark brow close above it.
    for (int y = 40; y < 60; ++y)
        for (int x = 30; x < 70; ++x)
            picture.setPixel(x, y, qRgb(20, 20, 40));
    for (int y = 30; y < 35; ++y)
        for (int x = 30; x < 70; ++x)
            picture.setPixel(x, y, qRgb(60, 30, 20));
    const QVector<QPoint> outline = {{28, 38}, {72, 38}, {72, 62}, {28, 62}};
    QCOMPARE(colourBeside(picture, outline, picture.rect()), QColor(230, 190, 160));
}

void TestLandmarkOutlines::colourBesideReadsOnlyTheShownPicture()
{
    QImage picture(300, 300, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            picture.setPixel(x, y, qRgb(200, 150, 120));
    // An outline reaching into the blank band below a 300 × 200 picture.
    const QVector<QPoint> outline = {{100, 180}, {140, 180}, {140, 220}, {100, 220}};
    QCOMPARE(colourBeside(picture, outline, QRect(0, 0, 300, 200)), QColor(200, 150, 120));
    QCOMPARE(colourBeside(picture, outline, QRect(0, 250, 10, 10)), QColor(Qt::black));
}

QTEST_APPLESS_MAIN(TestLandmarkOutlines)
#include "tst_landmark_outlines.moc"
