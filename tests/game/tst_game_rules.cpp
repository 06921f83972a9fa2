#include "game/HintRules.h"
#include "game/ScoreRules.h"
#include "game/WorkNaming.h"

#include <QTest>

using Places = std::array<QPoint, 4>;
Q_DECLARE_METATYPE(Places)

class TestGameRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void hintWords_data();
    void hintWords();
    void lyingTargetsStayInTheirRange();
    void verdicts();
    void score_data();
    void score();
    void workNames();
};

void TestGameRules::hintWords_data()
{
    QTest::addColumn<QPoint>("pointer");
    QTest::addColumn<QSize>("part");
    QTest::addColumn<QPoint>("target");
    QTest::addColumn<QString>("words");
    const QSize wide(60, 40);
    QTest::newRow("held centre on target: right")
        << QPoint(130, 100) << wide << QPoint(100, 80) << "もっと右！もっと下！";
    QTest::newRow("one past: left") << QPoint(131, 100) << wide << QPoint(100, 80) << "もっと左！もっと下！";
    QTest::newRow("one below: up") << QPoint(130, 101) << wide << QPoint(100, 80) << "もっと右！もっと上！";
    QTest::newRow("far up left") << QPoint(0, 0) << wide << QPoint(100, 80) << "もっと右！もっと下！";
    QTest::newRow("far down right") << QPoint(290, 290) << wide << QPoint(100, 80) << "もっと左！もっと上！";
    // 57 wide is held 28 from its left edge, 41 high 20 from its top.
    QTest::newRow("odd width 28") << QPoint(128, 100) << QSize(57, 41) << QPoint(100, 80) << "もっと右！もっと下！";
    QTest::newRow("odd width 29") << QPoint(129, 101) << QSize(57, 41) << QPoint(100, 80) << "もっと左！もっと上！";
    QTest::newRow("negative pointer truncates")
        << QPoint(-1, -1) << QSize(3, 3) << QPoint(-2, -2) << "もっと右！もっと下！";
}

void TestGameRules::hintWords()
{
    QFETCH(QPoint, pointer);
    QFETCH(QSize, part);
    QFETCH(QPoint, target);
    QFETCH(QString, words);
    QCOMPARE(HintRules::hint(pointer, part, target), words + QStringLiteral("\rコンピューター、うそつかない！？"));
}

void TestGameRules::lyingTargetsStayInTheirRange()
{
    const QPoint right(100, 80);
    QCOMPARE(HintRules::target(right, false, 79, 79), right);
    QCOMPARE(HintRules::target(right, true, 0, 0), QPoint(120, 100));
    QCOMPARE(HintRules::target(right, true, 79, 79), QPoint(199, 179));
    QCOMPARE(HintRules::target(right, true, 5, 70), QPoint(125, 170));
    // A part held at its centre exactly over the right place is sent right and down.
    const QPoint lie = HintRules::target(right, true, 0, 0);
    QCOMPARE(HintRules::hint(QPoint(130, 100), QSize(60, 40), lie).left(10), QStringLiteral("もっと右！もっと下！"));
}

void TestGameRules::verdicts()
{
    QCOMPARE(HintRules::verdict(true), QStringLiteral("先ほどの御案内は、うそでした。"));
    QCOMPARE(HintRules::verdict(false), QStringLiteral("先ほどの御案内は、正しいものでした。"));
}

void TestGameRules::score_data()
{
    QTest::addColumn<Places>("placed");
    QTest::addColumn<int>("score");
    QTest::newRow("perfect") << Places{QPoint(10, 20), QPoint(30, 40), QPoint(50, 60), QPoint(70, 80)} << 300;
    QTest::newRow("10 right 5 down") << Places{QPoint(20, 25), QPoint(40, 45), QPoint(60, 65), QPoint(80, 85)} << 240;
    QTest::newRow("left and up count the same")
        << Places{QPoint(0, 15), QPoint(20, 35), QPoint(40, 55), QPoint(60, 75)} << 240;
    QTest::newRow("exactly 300 off") << Places{QPoint(310, 20), QPoint(30, 40), QPoint(50, 60), QPoint(70, 80)} << 0;
    QTest::newRow("299 off") << Places{QPoint(309, 20), QPoint(30, 40), QPoint(50, 60), QPoint(70, 80)} << 1;
    QTest::newRow("far beyond never negative")
        << Places{QPoint(-5000, 9000), QPoint(30, 40), QPoint(50, 60), QPoint(70, 80)} << 0;
    QTest::newRow("extreme values do not overflow")
        << Places{QPoint(INT_MIN, INT_MAX), QPoint(INT_MAX, INT_MIN), QPoint(50, 60), QPoint(70, 80)} << 0;
}

void TestGameRules::score()
{
    QFETCH(Places, placed);
    QFETCH(int, score);
    const Places right{QPoint(10, 20), QPoint(30, 40), QPoint(50, 60), QPoint(70, 80)};
    QCOMPARE(scoreFor(placed, right), score);
}

void TestGameRules::workNames()
{
    const QDateTime time(QDate(2008, 3, 5), QTime(14, 7, 9));
    QCOMPARE(WorkNaming::timeStamp(time), QStringLiteral("20080305140709"));
    QCOMPARE(WorkNaming::gameWork(QStringLiteral("おかめ"), time, 245),
             QStringLiteral("おかめ_20080305140709_245.jpg"));
    QCOMPARE(WorkNaming::gameWork(QStringLiteral("A"), time, 0), QStringLiteral("A_20080305140709_0.jpg"));
    QCOMPARE(WorkNaming::montageWork(QStringLiteral("おかめ"), time), QStringLiteral("おかめ_20080305140709_M.jpg"));
    const QDateTime lateNight(QDate(1999, 12, 31), QTime(23, 59, 59));
    QCOMPARE(WorkNaming::timeStamp(lateNight), QStringLiteral("19991231235959"));
}

QTEST_APPLESS_MAIN(TestGameRules)
#include "tst_game_rules.moc"
