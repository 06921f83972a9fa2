#include "library/FaceLibrary.h"
#include "library/OpeningFace.h"
#include "platform/system/AppError.h"
#include "support/FixedChance.h"

#include <QTest>

class TestOpeningFace : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void choice_data();
    void choice();
    void emptyLibraryIsRefused_data();
    void emptyLibraryIsRefused();
};

static FaceLibrary libraryOf(int faceCount, int titleFace)
{
    FaceLibrary library;
    library.AppDir = QStringLiteral("/games/petara/");
    library.Faces.resize(faceCount);
    library.FaceCount = faceCount;
    library.TitleFaceIndex = titleFace;
    return library;
}

void TestOpeningFace::choice_data()
{
    QTest::addColumn<int>("faceCount");
    QTest::addColumn<int>("titleFace");
    QTest::addColumn<int>("draw");
    QTest::addColumn<int>("opening");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("chosen face opens") << 4 << 2 << 3 << 2 << false;
    QTest::newRow("chosen first face") << 4 << 0 << 3 << 0 << false;
    QTest::newRow("chosen last face") << 4 << 3 << 0 << 3 << false;
    QTest::newRow("none chosen: drawn") << 4 << -1 << 3 << 3 << true;
    QTest::newRow("none chosen: first drawn") << 4 << -1 << 0 << 0 << true;
    QTest::newRow("single face") << 1 << -1 << 0 << 0 << true;
    // Only a hand-edited index holds these; the game then opens as if none were chosen.
    QTest::newRow("chosen beyond the library") << 3 << 7 << 1 << 1 << true;
    QTest::newRow("chosen below -1") << 3 << -5 << 2 << 2 << true;
}

void TestOpeningFace::choice()
{
    QFETCH(int, faceCount);
    QFETCH(int, titleFace);
    QFETCH(int, draw);
    QFETCH(int, opening);
    QFETCH(bool, drawn);

    FixedChance chance;
    chance.draws << draw;
    QCOMPARE(openingFace(libraryOf(faceCount, titleFace), chance), opening);
    QCOMPARE(chance.reseeds, drawn ? 1 : 0);
    QCOMPARE(chance.limits, drawn ? QList<int>{faceCount} : QList<int>{});
}

void TestOpeningFace::emptyLibraryIsRefused_data()
{
    QTest::addColumn<int>("titleFace");
    QTest::newRow("none chosen") << -1;
    QTest::newRow("a stale choice") << 0;
}

void TestOpeningFace::emptyLibraryIsRefused()
{
    QFETCH(int, titleFace);
    FixedChance chance;
    try {
        openingFace(libraryOf(0, titleFace), chance);
        QFAIL("an empty library opened a face");
    } catch (const AppError &error) {
        QVERIFY(error.message().contains(QStringLiteral("/games/petara/data/facedata.ini")));
    }
    QVERIFY(chance.limits.isEmpty());
}

QTEST_GUILESS_MAIN(TestOpeningFace)
#include "tst_opening_face.moc"
