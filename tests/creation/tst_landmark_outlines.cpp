#include "creation/LandmarkOutlines.h"
#include "support/MadeLandmarks.h"

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
    void noseStartsBelowTheInnerEyeCorners_data();
    void noseStartsBelowTheInnerEyeCorners();
};

namespace {

QVector<QPointF> madeFace(double scale = 40.0, QPointF centre = QPointF(150, 150))
{
    return madeLandmarks(scale, centre);
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
    // Wider than the nostrils by the wings on both sides, and reaching below them.
    QVERIFY(nose.width() >= nostrils * 1.3);
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

void TestLandmarkOutlines::noseStartsBelowTheInnerEyeCorners_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<double>("bridgeTop"); // where landmark 27 stands, in units of the scale
    QTest::newRow("bridge top between the brows") << 40.0 << -0.6;
    QTest::newRow("bridge top at the eyes") << 40.0 << -0.4;
    QTest::newRow("small face") << 10.0 << -0.6;
}

void TestLandmarkOutlines::noseStartsBelowTheInnerEyeCorners()
{
    QFETCH(double, scale);
    QFETCH(double, bridgeTop);
    QVector<QPointF> face = madeFace(scale);
    face[27] = QPointF(150, 150 + bridgeTop * scale);
    const QVector<QPoint> nose = outlinesFromLandmarks(face)[3];
    // The inner eye corners 39 and 42 lie on one row here.
    const double eyeLine = face[39].y();
    for (const QPoint &p : nose)
        QVERIFY2(p.y() > eyeLine, qPrintable(QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y())));
    const QPolygonF polygon = polygonOf(nose);
    QVERIFY(!polygon.containsPoint(face[39], Qt::OddEvenFill));
    QVERIFY(!polygon.containsPoint(face[42], Qt::OddEvenFill));
    for (int i = 30; i <= 35; ++i)
        QVERIFY(polygon.containsPoint(face[i], Qt::OddEvenFill));
}

QTEST_APPLESS_MAIN(TestLandmarkOutlines)
#include "tst_landmark_outlines.moc"
