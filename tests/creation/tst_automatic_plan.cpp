#include "creation/AutomaticPlan.h"
#include "creation/LandmarkOutlines.h"
#include "creation/PictureFit.h"
#include "support/MadeLandmarks.h"

#include <QPolygon>
#include <QTest>

// Where the automatic outlines of one face go, on made landmark points: kept to the picture,
// framed when the face is small, and never a box outside the picture.
class TestAutomaticPlan : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void outlinesStayOnThePicture_data();
    void outlinesStayOnThePicture();
};

void TestAutomaticPlan::outlinesStayOnThePicture_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QPointF>("centre");
    QTest::addColumn<bool>("framed");
    QTest::addColumn<QVector<int>>("leftOut");

    QTest::newRow("normal face") << QSize(300, 300) << 40.0 << QPointF(150, 140) << false << QVector<int>();
    // The mouth's lips stand at 192 .. 221 on a picture 178 high: cut under the nose.
    QTest::newRow("mouth below the picture")
        << QSize(300, 178) << 40.0 << QPointF(150, 130) << false << QVector<int>{4};
    // The right eye's outer corner at x -40.
    QTest::newRow("eye at negative x") << QSize(300, 300) << 40.0 << QPointF(40, 140) << false << QVector<int>{1};
    // The right eye's outer corner at x 1: its landmarks on the picture, its margin not.
    QTest::newRow("eye touching the left edge")
        << QSize(300, 300) << 40.0 << QPointF(81, 140) << false << QVector<int>();
    QTest::newRow("eye touching the right edge")
        << QSize(300, 300) << 40.0 << QPointF(218, 140) << false << QVector<int>();
    // Outer eye corners 160 pixels apart on a 4000-pixel photo: 12 on the face box.
    QTest::newRow("small face in a big photo")
        << QSize(4000, 3000) << 40.0 << QPointF(1800, 900) << true << QVector<int>();
    QTest::newRow("small face at the photo's left edge")
        << QSize(4000, 3000) << 40.0 << QPointF(260, 1500) << true << QVector<int>();
    // 79.6 pixels apart on the face box: just under the threshold of 80.
    QTest::newRow("face just small enough") << QSize(300, 300) << 19.9 << QPointF(150, 150) << true << QVector<int>();
    QTest::newRow("face just large enough") << QSize(300, 300) << 20.0 << QPointF(150, 150) << false << QVector<int>();
    // A head turned aside: a large face, but one eye narrow; its piece takes in the skin beside it.
    QTest::newRow("one eye narrow") << QSize(300, 300) << 30.0 << QPointF(150, 150) << false << QVector<int>();
}

void TestAutomaticPlan::outlinesStayOnThePicture()
{
    QFETCH(QSize, picture);
    QFETCH(double, scale);
    QFETCH(QPointF, centre);
    QFETCH(bool, framed);
    QFETCH(QVector<int>, leftOut);

    QVector<QPointF> landmarks = madeLandmarks(scale, centre);
    if (QByteArray(QTest::currentDataTag()) == "one eye narrow") {
        // The subject's right eye squeezed to a third of its width towards its inner corner.
        for (int i = 36; i <= 41; ++i)
            landmarks[i].setX(landmarks[39].x() + (landmarks[i].x() - landmarks[39].x()) / 3.0);
    }
    const AutomaticPlan plan = planOutlines(landmarks, picture, fitIntoFaceBox(picture));
    QCOMPARE(plan.frame.has_value(), framed);
    QCOMPARE(plan.outlines.leftOut, leftOut);
    const QSize display = plan.display;
    QVERIFY(display.width() <= 300 && display.height() <= 300);
    for (int k = 1; k <= 4; ++k) {
        const QVector<QPoint> &outline = plan.outlines.outlines[k];
        QCOMPARE(outline.isEmpty(), leftOut.contains(k));
        if (outline.isEmpty())
            continue;
        // The piece is the box from the smallest to the largest x and y, the largest just outside.
        const QRect box = QPolygon(outline).boundingRect();
        QVERIFY2(box.left() >= 0 && box.top() >= 0, qPrintable(QStringLiteral("part %1").arg(k)));
        QVERIFY2(box.right() < display.width() && box.bottom() < display.height(),
                 qPrintable(QStringLiteral("part %1").arg(k)));
        QVERIFY(box.width() > 2 && box.height() > 2);
        // What lies on the picture of every landmark of the part is still inside its outline.
        for (const QPointF &p : partLandmarks(plan.landmarks, k)) {
            if (QRectF(QPointF(0, 0), QSizeF(display)).contains(p))
                QVERIFY(QPolygon(outline).containsPoint(p.toPoint(), Qt::OddEvenFill) || box.contains(p.toPoint()));
        }
    }
    if (framed) {
        // The frame is a zoom the player could drag: inside the picture as shown, and square
        // unless the picture is too narrow for it.
        const QRect frame = *plan.frame;
        QVERIFY(QRect(QPoint(0, 0), fitIntoFaceBox(picture)).contains(frame));
        QVERIFY(qAbs(frame.width() - frame.height()) <= 1);
        // Hair and chin on the framed picture, eye pieces big enough to drag.
        for (const QPointF &p : plan.landmarks)
            QVERIFY(QRectF(QPointF(0, 0), QSizeF(display)).contains(p));
        QVERIFY(plan.landmarks[19].y() > 0.15 * display.height());
        QVERIFY(plan.landmarks[8].y() < display.height() - 10);
    } else {
        QCOMPARE(display, fitIntoFaceBox(picture));
    }
    // Framed or not, the eye pieces are big enough to drag.
    for (int k = 1; k <= 2; ++k) {
        if (!leftOut.contains(k))
            QVERIFY2(QPolygon(plan.outlines.outlines[k]).boundingRect().width() - 1 >= 20,
                     qPrintable(QStringLiteral("eye %1").arg(k)));
    }
}

QTEST_APPLESS_MAIN(TestAutomaticPlan)
#include "tst_automatic_plan.moc"
