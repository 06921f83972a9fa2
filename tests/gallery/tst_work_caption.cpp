#include "gallery/WorkCaption.h"
#include "game/WorkNaming.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestWorkCaption : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fields_data();
    void fields();
    void namesTheGameMakes_data();
    void namesTheGameMakes();
};

void TestWorkCaption::fields_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("text");
    QTest::newRow("a game") << u"おかめ_20250102030405_250.jpg"_s << u"おかめ　250点　2025/01/02 03:04"_s;
    QTest::newRow("underscores and digits in the face name")
        << u"a_1_2_20251231235959_0.jpg"_s << u"a_1_2　0点　2025/12/31 23:59"_s;
    QTest::newRow("a negative score") << u"ひょっとこ_20250102030405_-3.JPG"_s << u"ひょっとこ　-3点　2025/01/02 03:04"_s;
    QTest::newRow("a party round") << u"おかめ（たろう）_20250607080910_88.jpg"_s
                                   << u"おかめ　たろうさん　88点　2025/06/07 08:09"_s;
    QTest::newRow("brackets inside the face name, a round")
        << u"顔（旧）_x（はな）_20250607080910_5.jpg"_s << u"顔（旧）_x　はなさん　5点　2025/06/07 08:09"_s;
    QTest::newRow("a montage") << u"ふく_20241231235959_M.jpg"_s << u"ふく　モンタージュ　2024/12/31 23:59"_s;
    QTest::newRow("a montage named like a round, not a round's")
        << u"（あ）_20241231235959_M.jpg"_s << u"（あ）　モンタージュ　2024/12/31 23:59"_s;
    QTest::newRow("no stamp") << u"写真.jpg"_s << u"写真.jpg"_s;
    QTest::newRow("13 digits") << u"a_2025010203040_5.jpg"_s << u"a_2025010203040_5.jpg"_s;
    QTest::newRow("no score") << u"a_20250102030405.jpg"_s << u"a_20250102030405.jpg"_s;
    QTest::newRow("stamp only, no name") << u"_20250102030405_5.jpg"_s << u"5点　2025/01/02 03:04"_s;
}

void TestWorkCaption::fields()
{
    QFETCH(QString, fileName);
    QTEST(workCaptionOf(fileName).text(), "text");
}

// Whatever the game names a work, the caption gives back the face, the player and the score.
void TestWorkCaption::namesTheGameMakes_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("player");
    QTest::addColumn<QString>("score");
    const QDateTime time(QDate(2026, 3, 4), QTime(5, 6, 7));
    QTest::newRow("game") << WorkNaming::gameWork(u"お_か_め"_s, time, 120) << u"お_か_め"_s << QString() << u"120点"_s;
    QTest::newRow("round") << WorkNaming::roundWork(u"お_か（め）"_s, u"じろう_2"_s, time, 7) << u"お_か（め）"_s
                           << u"じろう_2"_s << u"7点"_s;
    QTest::newRow("montage") << WorkNaming::montageWork(u"ぼく_1"_s, time) << u"ぼく_1"_s << QString()
                             << u"モンタージュ"_s;
}

void TestWorkCaption::namesTheGameMakes()
{
    QFETCH(QString, fileName);
    const WorkCaption caption = workCaptionOf(fileName);
    QTEST(caption.name, "name");
    QTEST(caption.player, "player");
    QTEST(caption.score, "score");
    QCOMPARE(caption.date, u"2026/03/04 05:06"_s);
}

QTEST_APPLESS_MAIN(TestWorkCaption)
#include "tst_work_caption.moc"
