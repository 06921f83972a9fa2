#include "game/BlindRecord.h"
#include "game/HintRules.h"
#include "game/PartReview.h"
#include "game/ReplayScript.h"
#include "support/MadeGames.h"

#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

using Places = std::array<QPoint, 4>;
using Costs = std::array<int, 4>;
Q_DECLARE_METATYPE(Places)
Q_DECLARE_METATYPE(Costs)
Q_DECLARE_METATYPE(ReplayScript::Pacing)

// The unveiling's review of a made game: each part's points, the best part, the hints' lies,
// and the record of the blind moves that a replay plays back.
class TestReviewRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void partCosts_data();
    void partCosts();
    void reviewLines_data();
    void reviewLines();
    void hintTruth_data();
    void hintTruth();
    void blindRecord();
    void aLongGameCostsLittleMemory();
    void replayMoments_data();
    void replayMoments();
};

using MadeGames::teasing;

void TestReviewRules::partCosts_data()
{
    QTest::addColumn<Places>("placed");
    QTest::addColumn<Costs>("costs");
    QTest::addColumn<int>("best");
    const Places right{QPoint(40, 60), QPoint(160, 60), QPoint(100, 120), QPoint(100, 200)};
    QTest::newRow("all on their places") << right << Costs{0, 0, 0, 0} << 1;
    QTest::newRow("each off both ways") << Places{QPoint(30, 65), QPoint(170, 40), QPoint(100, 121), QPoint(0, 300)}
                                        << Costs{15, 30, 1, 200} << 3;
    QTest::newRow("a tie goes to the first")
        << Places{QPoint(45, 60), QPoint(160, 55), QPoint(100, 129), QPoint(107, 200)} << Costs{5, 5, 9, 7} << 1;
    QTest::newRow("far off the window stays positive")
        << Places{QPoint(std::numeric_limits<int>::min(), 60), QPoint(160, 60), QPoint(100, 120), QPoint(100, 200)}
        << Costs{std::numeric_limits<int>::max(), 0, 0, 0} << 2;
}

void TestReviewRules::partCosts()
{
    QFETCH(Places, placed);
    QFETCH(Costs, costs);
    QFETCH(int, best);
    const Places right{QPoint(40, 60), QPoint(160, 60), QPoint(100, 120), QPoint(100, 200)};
    QCOMPARE(PartReview::costs(placed, right), costs);
    QCOMPARE(PartReview::bestPart(costs), best);
}

void TestReviewRules::reviewLines_data()
{
    QTest::addColumn<int>("part");
    QTest::addColumn<int>("cost");
    QTest::addColumn<bool>("best");
    QTest::addColumn<QString>("line");
    QTest::newRow("right eye") << 1 << 12 << false << u"右目　−12点"_s;
    QTest::newRow("left eye, best") << 2 << 3 << true << u"左目　−3点　◎"_s;
    QTest::newRow("nose on its place") << 3 << 0 << true << u"鼻　0点　◎"_s;
    QTest::newRow("mouth far off") << 4 << 1234 << false << u"口　−1234点"_s;
}

void TestReviewRules::reviewLines()
{
    QFETCH(int, part);
    QFETCH(int, cost);
    QFETCH(bool, best);
    QTEST(PartReview::line(part, cost, best), "line");
}

void TestReviewRules::hintTruth_data()
{
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QPoint>("target");
    QTest::addColumn<bool>("horizontalLie");
    QTest::addColumn<bool>("verticalLie");
    QTest::addColumn<QString>("unmasked");
    // A 60 × 40 part held at its centre; its right place is (100, 80).
    QTest::newRow("an honest game") << QPoint(200, 200) << QPoint(100, 80) << false << false
                                    << u"もっと左！もっと上！\rコンピューター、うそつかない！？"_s;
    QTest::newRow("between the place and the false spot")
        << QPoint(150, 120) << QPoint(150, 130) << true << true
        << u"もっと右！←うそもっと下！←うそ\rコンピューター、うそつかない！？"_s;
    QTest::newRow("only across is off") << QPoint(150, 20) << QPoint(150, 130) << true << false
                                        << u"もっと右！←うそもっと下！\rコンピューター、うそつかない！？"_s;
    QTest::newRow("beyond both: the lie tells the truth")
        << QPoint(300, 300) << QPoint(150, 130) << false << false
        << u"もっと左！もっと上！\rコンピューター、うそつかない！？"_s;
}

void TestReviewRules::hintTruth()
{
    QFETCH(QPoint, pointer);
    QFETCH(QPoint, target);
    const QSize part(60, 40);
    const QPoint right(100, 80);
    const HintRules::Truth truth = HintRules::truthOf(pointer, part, target, right);
    QTEST(truth.horizontalLie, "horizontalLie");
    QTEST(truth.verticalLie, "verticalLie");
    QTEST(HintRules::unmasked(HintRules::hint(pointer, part, target), truth), "unmasked");
}

void TestReviewRules::blindRecord()
{
    BlindRecord record;
    record.move(5, QPoint(1, 1)); // no drag runs: nothing to keep
    record.beginDrag(2, 100, QPoint(400, 50));
    record.move(116, QPoint(390, 60));
    record.move(132, QPoint(390, 60)); // the pointer rests
    record.hint(120, u"もっと左！"_s, true, false);
    record.hint(140, u"もっと左！"_s, true, false); // the same words again
    record.drop(150, QPoint(200, 90), QPoint(170, 70));
    record.beginDrag(3, 400, QPoint(380, 150));
    record.hint(420, u"もっと左！"_s, true, false); // the same words, but in a drag of their own
    record.abandon(480, QPoint(420, 160));
    record.move(500, QPoint(0, 0)); // after the drag: nothing

    QCOMPARE(record.drags.size(), 2);
    const BlindRecord::Drag &dropped = record.drags[0];
    QCOMPARE(dropped.part, 2);
    QVERIFY(dropped.dropped);
    QCOMPARE(dropped.droppedAt, QPoint(170, 70));
    QCOMPARE(dropped.path.size(), 3);
    QCOMPARE(dropped.path.last().ms, 150);
    QCOMPARE(dropped.path.last().at, QPoint(200, 90));
    const BlindRecord::Drag &abandoned = record.drags[1];
    QVERIFY(!abandoned.dropped);
    QCOMPARE(abandoned.path.size(), 2);
    QCOMPARE(record.hints.size(), 2);
    QVERIFY(record.hints[0].horizontalLie);
    QCOMPARE(record.hints[1].ms, 420);

    record.clear();
    QVERIFY(record.drags.isEmpty() && record.hints.isEmpty());
    record.move(600, QPoint(5, 5));
    QVERIFY(record.drags.isEmpty());
}

void TestReviewRules::aLongGameCostsLittleMemory()
{
    // Five minutes of blind play, the pointer moving at 60 reports a second, a hint at each.
    BlindRecord record;
    for (int part = 1; part <= 4; ++part) {
        record.beginDrag(part, part * 75000, QPoint(0, 0));
        for (int i = 1; i <= 60 * 75; ++i) {
            const qint64 ms = part * 75000 + i * 16;
            record.move(ms, QPoint(i % 300, i / 300));
            record.hint(ms, i % 2 ? u"もっと左！もっと下！"_s : u"もっと右！もっと下！"_s, i % 2, false);
        }
        record.drop(part * 75000 + 74000, QPoint(5, 5), QPoint(0, 0));
    }
    QCOMPARE(record.drags.size(), 4);
    QVERIFY2(record.bytes() < 4 * 1024 * 1024, qPrintable(QString::number(record.bytes())));
}

void TestReviewRules::replayMoments_data()
{
    QTest::addColumn<ReplayScript::Pacing>("pacing");
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<QPoint>("rightEye");
    QTest::addColumn<QPoint>("nose");
    QTest::addColumn<int>("moving");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<qint64>("length");

    // On the screen: the drags at their speed, the four seconds of thought cut to one.
    const ReplayScript::Pacing screen{1000, 0};
    const QPoint eyeTray(344, 32);
    const QPoint noseTray(336, 136);
    const QString lieLeft = u"もっと左！←うそもっと下！"_s + teasing;
    QTest::newRow("before the first drag") << screen << qint64(0) << eyeTray << noseTray << 0 << QString() << qint64(4400);
    QTest::newRow("the eye between two reports") << screen << qint64(1100) << QPoint(319, 32) << noseTray << 1
                                                 << QString() << qint64(4400);
    QTest::newRow("the eye as its lying hint shows") << screen << qint64(1350) << QPoint(269, 32) << noseTray << 1
                                                     << lieLeft << qint64(4400);
    QTest::newRow("the next hint, truthful") << screen << qint64(1900) << QPoint(164, 112) << noseTray << 1
                                             << u"もっと左！もっと上！"_s + teasing << qint64(4400);
    QTest::newRow("dropped: its last hint stays") << screen << qint64(2500) << QPoint(144, 132) << noseTray << 0
                                                  << u"もっと左！もっと上！"_s + teasing << qint64(4400);
    QTest::newRow("the nose, both words lie") << screen << qint64(3200) << QPoint(144, 132) << QPoint(316, 136) << 3
                                              << u"もっと右！←うそもっと上！←うそ"_s + teasing << qint64(4400);
    QTest::newRow("the nose back in the tray") << screen << qint64(3500) << QPoint(144, 132) << noseTray << 0
                                               << u"もっと右！←うそもっと上！←うそ"_s + teasing << qint64(4400);
    QTest::newRow("the nose starts: the eye's hint goes") << screen << qint64(3001) << QPoint(144, 132)
                                                          << QPoint(336 - 0, 136) << 3 << QString() << qint64(4400);

    // Kept as a picture: half-second pauses, and a drag longer than half a second played faster.
    const ReplayScript::Pacing brief{500, 500};
    QTest::newRow("brief: the eye at twice its speed") << brief << qint64(750) << QPoint(244, 32) << noseTray << 1
                                                       << lieLeft << qint64(2400);
    QTest::newRow("brief: the nose at its own speed") << brief << qint64(1700) << QPoint(144, 132) << QPoint(316, 136)
                                                      << 3 << u"もっと右！←うそもっと上！←うそ"_s + teasing
                                                      << qint64(2400);
}

void TestReviewRules::replayMoments()
{
    QFETCH(ReplayScript::Pacing, pacing);
    QFETCH(qint64, ms);
    const ReplayScript script(MadeGames::blindGame(), pacing);
    const ReplayScript::Frame frame = script.frameAt(ms);
    QTEST(frame.parts[0], "rightEye");
    QTEST(frame.parts[2], "nose");
    QTEST(frame.moving, "moving");
    QTEST(frame.hint, "hint");
    QTEST(script.length(), "length");
    // The parts never dragged wait in the tray throughout.
    QCOMPARE(frame.parts[1], QPoint(464, 32));
    QCOMPARE(frame.parts[3], QPoint(336, 224));
}

QTEST_APPLESS_MAIN(TestReviewRules)
#include "tst_review_rules.moc"
