#include "party/Ranking.h"
#include "support/FixedChance.h"

#include <QSet>
#include <QTest>

#include <algorithm>

using namespace Qt::StringLiterals;

// The turns of a round take the players' names A, B, C … in order.
class TestRanking : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void ranking_data();
    void ranking();
    void newOrderIsAnotherOrder_data();
    void newOrderIsAnotherOrder();
};

void TestRanking::ranking_data()
{
    QTest::addColumn<QList<int>>("scores");
    QTest::addColumn<QString>("ranked"); // the players in the ranking's order
    QTest::addColumn<QList<int>>("places");
    QTest::addColumn<QStringList>("winners");
    QTest::newRow("shared second place") << QList{300, 250, 250, 100} << "ABCD" << QList{1, 2, 2, 4}
                                         << QStringList{u"A"_s};
    QTest::newRow("best played last") << QList{100, 250, 250, 300} << "DBCA" << QList{1, 2, 2, 4}
                                      << QStringList{u"D"_s};
    QTest::newRow("two winners") << QList{200, 300, 0, 300} << "BDAC" << QList{1, 1, 3, 4}
                                 << QStringList{u"B"_s, u"D"_s};
    QTest::newRow("all equal") << QList{0, 0, 0} << "ABC" << QList{1, 1, 1} << QStringList{u"A"_s, u"B"_s, u"C"_s};
    QTest::newRow("eight players") << QList{10, 300, 20, 299, 20, 0, 299, 10} << "BDGCEAHF"
                                   << QList{1, 2, 2, 4, 4, 6, 6, 8} << QStringList{u"B"_s};
    QTest::newRow("alone") << QList{150} << "A" << QList{1} << QStringList{u"A"_s};
    QTest::newRow("no turns") << QList<int>() << "" << QList<int>() << QStringList();
}

void TestRanking::ranking()
{
    QFETCH(QList<int>, scores);
    QFETCH(QString, ranked);
    QFETCH(QList<int>, places);
    QFETCH(QStringList, winners);
    QList<PartyTurn> turns;
    for (int i = 0; i < scores.size(); ++i)
        turns.append({QString(QChar(u'A' + i)), scores[i]});
    const QList<RankedTurn> ranking = rankingOf(turns);
    QCOMPARE(ranking.size(), scores.size());
    for (int i = 0; i < ranking.size(); ++i) {
        QCOMPARE(ranking[i].player, QString(ranked[i]));
        QCOMPARE(ranking[i].turn, ranked[i].unicode() - u'A');
        QCOMPARE(ranking[i].score, scores[ranking[i].turn]);
        QCOMPARE(ranking[i].place, places[i]);
    }
    QCOMPARE(winnersOf(ranking), winners);
}

void TestRanking::newOrderIsAnotherOrder_data()
{
    QTest::addColumn<int>("players");
    for (int players = 0; players <= 5; ++players)
        QTest::addRow("%d players", players) << players;
}

// Every sequence of draws the source can give: each order comes out but the one the players had.
void TestRanking::newOrderIsAnotherOrder()
{
    QFETCH(int, players);
    QStringList names;
    for (int i = 0; i < players; ++i)
        names << QStringLiteral("プレイヤー%1").arg(i + 1);
    int sequences = 1;
    for (int n = 2; n <= players; ++n)
        sequences *= n;
    QSet<QStringList> orders;
    for (int sequence = 0; sequence < sequences; ++sequence) {
        FixedChance chance;
        // Draw k (below k + 1) takes the next digit of the sequence in a mixed radix.
        for (int n = players, rest = sequence; n >= 2; rest /= n--)
            chance.draws.enqueue(rest % n);
        const QStringList order = newOrder(names, chance);
        QVERIFY(chance.draws.isEmpty());
        QStringList sorted = order;
        std::sort(sorted.begin(), sorted.end());
        QCOMPARE(sorted, names);
        orders.insert(order);
    }
    QCOMPARE(orders.contains(names), players < 2);
    QCOMPARE(orders.size(), players < 2 ? 1 : sequences - 1);
}

QTEST_APPLESS_MAIN(TestRanking)
#include "tst_ranking.moc"
