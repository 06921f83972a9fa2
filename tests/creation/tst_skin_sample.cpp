#include "creation/FaceTurn.h"
#include "creation/SkinSample.h"

#include <QPainter>
#include <QTest>

// The fill colour taken from the ring around a part, and the order in which "自動" takes the
// faces of a picture.
class TestSkinSample : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void skinIsTakenPastWhatBordersThePart_data();
    void skinIsTakenPastWhatBordersThePart();
    void onlyTheShownPictureIsRead();
    void facesAreTakenLargestFirstThenRoundAgain();
};

namespace {

const QColor Skin(230, 190, 160);
// An eye's outline: the box 40..70 × 40..60.
const QVector<QPoint> EyeOutline = {{40, 40}, {70, 40}, {70, 60}, {40, 60}};

} // namespace

void TestSkinSample::skinIsTakenPastWhatBordersThePart_data()
{
    QTest::addColumn<QRect>("border");
    QTest::addColumn<QColor>("colour");
    // Each border covers part of the ring 2 to 6 pixels outside the outline.
    QTest::newRow("brow along the top") << QRect(30, 33, 50, 4) << QColor(60, 30, 20);
    QTest::newRow("glasses frame round the eye") << QRect(34, 34, 43, 33) << QColor(20, 20, 20);
    QTest::newRow("shadow down one side") << QRect(72, 30, 6, 40) << QColor(120, 90, 70);
    QTest::newRow("highlight along the bottom") << QRect(30, 63, 50, 4) << QColor(255, 255, 255);
}

void TestSkinSample::skinIsTakenPastWhatBordersThePart()
{
    QFETCH(QRect, border);
    QFETCH(QColor, colour);
    QImage picture(120, 100, QImage::Format_RGB32);
    picture.fill(Skin);
    QPainter painter(&picture);
    // The glasses' frame is a ring 2 pixels wide; the other borders are filled bars.
    if (border.width() > 40 && border.height() > 30) {
        painter.setPen(QPen(colour, 2));
        painter.drawRect(border);
    } else {
        painter.fillRect(border, colour);
    }
    painter.fillRect(QRect(41, 41, 29, 19), QColor(30, 30, 60)); // the eye itself
    painter.end();
    QCOMPARE(skinAround(picture, EyeOutline, picture.rect()), Skin);
}

void TestSkinSample::onlyTheShownPictureIsRead()
{
    QImage surface(300, 300, QImage::Format_RGB32);
    surface.fill(Qt::white);
    QPainter(&surface).fillRect(0, 0, 300, 200, Skin);
    // A mouth whose ring reaches into the blank band below a 300 × 200 picture.
    const QVector<QPoint> mouth = {{100, 180}, {140, 180}, {140, 198}, {100, 198}};
    QCOMPARE(skinAround(surface, mouth, QRect(0, 0, 300, 200)), Skin);
    QCOMPARE(skinAround(surface, mouth, QRect(0, 280, 10, 10)), QColor(Qt::black));
    QCOMPARE(skinAround(surface, {}, surface.rect()), QColor(Qt::black));
}

void TestSkinSample::facesAreTakenLargestFirstThenRoundAgain()
{
    const QRectF small(500, 10, 40, 40);
    const QRectF largeRight(300, 10, 90, 90);
    const QRectF largeLeft(20, 50, 90, 90);
    FaceTurn turn{largestFirst({small, largeRight, largeLeft}), -1};
    QCOMPARE(turn.faces, (QVector<QRectF>{largeLeft, largeRight, small}));
    QVector<int> taken;
    for (int press = 0; press < 4; ++press) {
        turn.taken = turn.next();
        taken << turn.taken;
    }
    QCOMPARE(taken, (QVector<int>{0, 1, 2, 0}));
    QCOMPARE(FaceTurn().next(), -1);
}

QTEST_APPLESS_MAIN(TestSkinSample)
#include "tst_skin_sample.moc"
