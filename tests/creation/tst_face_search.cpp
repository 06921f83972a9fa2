#include "creation/FaceSearch.h"
#include "creation/GreyCopy.h"

#include <QTest>

using FaceSearch::Pass;

Q_DECLARE_METATYPE(QVector<Pass>)

// What the detector is shown: the sizes of its copies of a picture, coarse to fine, and the
// grey copy itself.
class TestFaceSearch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void passesGoFromCoarseToClose_data();
    void passesGoFromCoarseToClose();
    void greyCopyAveragesTheBlocksItShrinks();
    void greyCopyIsWhitePastThePicture();
};

void TestFaceSearch::passesGoFromCoarseToClose_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QVector<Pass>>("passes");
    QTest::newRow("24 megapixels") << QSize(6000, 4000) << QVector<Pass>{{512, 0}, {1024, 0}, {1600, 0.2}};
    QTest::newRow("phone portrait") << QSize(3000, 4000) << QVector<Pass>{{512, 0}, {1024, 0}, {1600, 0.2}};
    // Never larger than the picture, but for the last search.
    QTest::newRow("640 × 480") << QSize(640, 480) << QVector<Pass>{{512, 0}, {640, 0}, {1280, 0.2}};
    QTest::newRow("the display's 300") << QSize(300, 299) << QVector<Pass>{{300, 0}, {600, 0.2}};
    QTest::newRow("a thumbnail") << QSize(60, 80) << QVector<Pass>{{80, 0}, {160, 0.2}};
    QTest::newRow("just over the quick side") << QSize(1100, 700) << QVector<Pass>{{512, 0}, {1024, 0}, {1600, 0.2}};
    QTest::newRow("no picture") << QSize(0, 0) << QVector<Pass>{};
}

void TestFaceSearch::passesGoFromCoarseToClose()
{
    QFETCH(QSize, picture);
    QFETCH(QVector<Pass>, passes);
    QCOMPARE(FaceSearch::detectionPasses(picture), passes);
}

void TestFaceSearch::greyCopyAveragesTheBlocksItShrinks()
{
    QImage picture(4, 3, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 0));
    // The top-left block of 2 × 2: two white pixels and two black, so mid-grey.
    picture.setPixel(0, 0, qRgb(255, 255, 255));
    picture.setPixel(1, 1, qRgb(255, 255, 255));
    // Pure red, green and blue weigh as the eye sees them.
    picture.setPixel(2, 2, qRgb(255, 0, 0));
    picture.setPixel(3, 2, qRgb(0, 255, 0));
    const QImage copy = greyCopy(picture, picture.rect(), 2.0);
    QCOMPARE(copy.format(), QImage::Format_Grayscale8);
    QCOMPARE(copy.size(), QSize(2, 2));
    QCOMPARE(qGray(copy.pixel(0, 0)), 128);
    QCOMPARE(qGray(copy.pixel(1, 0)), 0);
    // The bottom row of blocks holds one row of the picture only.
    QCOMPARE(qGray(copy.pixel(1, 1)), 113); // (77 + 150) / 256 of 255, halved, rounded
    QCOMPARE(greyCopy(picture, picture.rect()).size(), picture.size());
}

void TestFaceSearch::greyCopyIsWhitePastThePicture()
{
    QImage picture(10, 10, QImage::Format_RGB32);
    picture.fill(qRgb(0, 0, 0));
    const QImage copy = greyCopy(picture, QRect(-4, 6, 10, 10), 2.0);
    QCOMPARE(copy.size(), QSize(5, 5));
    QCOMPARE(qGray(copy.pixel(0, 0)), 255); // left of the picture
    QCOMPARE(qGray(copy.pixel(3, 0)), 0);   // on it
    QCOMPARE(qGray(copy.pixel(3, 4)), 255); // below it
    QCOMPARE(qGray(copy.pixel(2, 1)), 0);
}

QTEST_APPLESS_MAIN(TestFaceSearch)
#include "tst_face_search.moc"
