#include "lib/FacePictures.h"

#include <QtTest>

// The whole pipeline from a source picture and four curves to the six face pictures.
class TestFacePictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void sizesFollowTheFit_data();
    void sizesFollowTheFit();
    void wholeIsTheCleanPicture();
    void piecesAndPositionsComeFromTheBoxes();
    void outlineHasEveryHoleFilledWithItsStartColour();
    void pieceNeverShowsAnEarlierFill();
    void laterPartStartingInAnEarlierFillTakesThatColour();
    void fillPastThePictureIsCroppedAway();

private:
    QImage m_source; // 600 x 400 stripes, shown at 300 x 200
    std::array<QVector<QPoint>, 4> m_outlines;

    static QRgb stripe(int sx) { return sx < 300 ? qRgb(240, 200, 170) : qRgb(90, 60, 40); }
    static QVector<QPoint> rectangle(int left, int top, int right, int bottom)
    {
        return {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    }
};

void TestFacePictures::init()
{
    // Left half skin, right half dark, one blue pixel row per 20 source rows so that
    // positions inside the pieces can be checked.
    m_source = QImage(600, 400, QImage::Format_RGB32);
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 600; ++x)
            m_source.setPixel(x, y, y % 40 < 2 ? qRgb(0, 0, 255) : stripe(x));
    m_outlines = {rectangle(20, 30, 60, 50), rectangle(200, 30, 240, 50), rectangle(120, 80, 160, 130),
                  rectangle(100, 150, 200, 180)};
}

void TestFacePictures::sizesFollowTheFit_data()
{
    QTest::addColumn<QSize>("source");
    QTest::addColumn<QSize>("display");
    QTest::newRow("landscape") << QSize(600, 400) << QSize(300, 200);
    QTest::newRow("portrait") << QSize(320, 360) << QSize(266, 300);
    QTest::newRow("square") << QSize(512, 512) << QSize(300, 300);
}

void TestFacePictures::sizesFollowTheFit()
{
    QFETCH(QSize, source);
    QFETCH(QSize, display);
    QImage picture(source, QImage::Format_RGB32);
    picture.fill(Qt::gray);
    const FacePictures face = makeFacePictures(picture, m_outlines);
    QCOMPARE(face.whole.size(), display);
    QCOMPARE(face.outline.size(), display);
    QCOMPARE(face.parts[0].size(), QSize(40, 20));
    QCOMPARE(face.parts[1].size(), QSize(40, 20));
    QCOMPARE(face.parts[2].size(), QSize(40, 50));
    QCOMPARE(face.parts[3].size(), QSize(100, 30));
}

void TestFacePictures::wholeIsTheCleanPicture()
{
    const FacePictures face = makeFacePictures(m_source, m_outlines);
    for (int y = 0; y < 200; y += 7)
        for (int x = 0; x < 300; x += 7)
            QCOMPARE(face.whole.pixel(x, y), m_source.pixel(2 * x, 2 * y));
}

void TestFacePictures::piecesAndPositionsComeFromTheBoxes()
{
    const FacePictures face = makeFacePictures(m_source, m_outlines);
    const QPoint expected[4] = {{20, 30}, {200, 30}, {120, 80}, {100, 150}};
    for (int k = 0; k < 4; ++k) {
        QCOMPARE(face.partTopLeft[k], expected[k]);
        const QImage &piece = face.parts[k];
        for (int y = 0; y < piece.height(); ++y)
            for (int x = 0; x < piece.width(); ++x)
                QCOMPARE(piece.pixel(x, y), face.whole.pixel(expected[k] + QPoint(x, y)));
    }
}

void TestFacePictures::outlineHasEveryHoleFilledWithItsStartColour()
{
    const FacePictures face = makeFacePictures(m_source, m_outlines);
    QCOMPARE(face.outline.pixel(40, 40), stripe(0));    // right eye on the skin side
    QCOMPARE(face.outline.pixel(220, 40), stripe(599)); // left eye on the dark side
    // The nose starts on a blue row; its whole hole, stripes and all, takes that blue.
    QCOMPARE(face.outline.pixel(140, 85), qRgb(0, 0, 255));
    QCOMPARE(face.outline.pixel(150, 125), qRgb(0, 0, 255));
    QCOMPARE(face.outline.pixel(190, 170), stripe(0)); // mouth starts on the skin side
    // Outside the holes the outline is the picture.
    QCOMPARE(face.outline.pixel(10, 10), face.whole.pixel(10, 10));
    QCOMPARE(face.outline.pixel(250, 100), face.whole.pixel(250, 100));
}

void TestFacePictures::pieceNeverShowsAnEarlierFill()
{
    // The nose box overlaps the filled right eye; its piece must still be clean.
    m_outlines[0] = rectangle(100, 60, 180, 100);
    m_outlines[0].first() = QPoint(100, 80); // a blue row: the eye is filled blue
    m_outlines[2] = {{170, 90}, {130, 70}, {130, 120}};
    const FacePictures face = makeFacePictures(m_source, m_outlines);
    QCOMPARE(face.partTopLeft[2], QPoint(130, 70));
    QCOMPARE(face.parts[2], face.whole.copy(QRect(130, 70, 40, 50)));
    QCOMPARE(face.parts[0], face.whole.copy(QRect(100, 60, 80, 40)));
}

void TestFacePictures::laterPartStartingInAnEarlierFillTakesThatColour()
{
    // The mouth begins inside the right eye's hole, which is filled with skin.
    m_outlines[0] = rectangle(140, 140, 200, 170);
    m_outlines[0].first() = QPoint(140, 145);
    m_outlines[3] = {{160, 150}, {290, 160}, {290, 190}, {160, 190}};
    const FacePictures face = makeFacePictures(m_source, m_outlines);
    QCOMPARE(face.outline.pixel(280, 185), stripe(0));
    QVERIFY(face.whole.pixel(280, 185) != stripe(0));
}

void TestFacePictures::fillPastThePictureIsCroppedAway()
{
    m_outlines[3] = rectangle(100, 180, 200, 260); // reaches below the 200 rows shown
    const FacePictures face = makeFacePictures(m_source, m_outlines);
    QCOMPARE(face.outline.size(), QSize(300, 200));
    QCOMPARE(face.parts[3].size(), QSize(100, 80));
    QCOMPARE(face.parts[3].pixel(50, 70), qRgb(255, 255, 255));
    QCOMPARE(face.parts[3].pixel(50, 10), face.whole.pixel(150, 190));
}

QTEST_APPLESS_MAIN(TestFacePictures)
#include "tst_face_pictures.moc"
