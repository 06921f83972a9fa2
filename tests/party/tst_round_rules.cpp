#include "party/PartyRound.h"
#include "party/PlayersFile.h"
#include "support/FixedChance.h"
#include "support/TestProgramFolder.h"

#include <QTest>

#include <unistd.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(QList<RoundPlayer>)

// The rules of a party round without a window: who may play, the turns, and the players kept
// for the next round.
class TestRoundRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void playersProblem_data();
    void playersProblem();
    void turnsRunToTheRanking();
    void againKeepsEachPlayersPractice();
    void playersFileRoundTrip_data();
    void playersFileRoundTrip();
    void playersFileRefusesWhatItNeverWrites_data();
    void playersFileRefusesWhatItNeverWrites();
    void playersFileInTheProgramFolder();
};

namespace {

QList<RoundPlayer> named(const QStringList &names)
{
    QList<RoundPlayer> players;
    for (const QString &name : names)
        players.append({name, false});
    return players;
}

} // namespace

void TestRoundRules::playersProblem_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("problemStart"); // empty: the round may begin
    const QString count = u"遊ぶ人の名前を、2人から8人まで入力してください。"_s;
    QTest::newRow("two") << QStringList{u"たろう"_s, u"はなこ"_s} << u"おかめ"_s << QString();
    QTest::newRow("eight") << QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s} << u"おかめ"_s
                           << QString();
    QTest::newRow("nobody") << QStringList{} << u"おかめ"_s << count;
    QTest::newRow("one alone") << QStringList{u"たろう"_s} << u"おかめ"_s << count;
    QTest::newRow("nine") << QStringList{u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s, u"6"_s, u"7"_s, u"8"_s, u"9"_s}
                          << u"おかめ"_s << count;
    QTest::newRow("a name twice") << QStringList{u"たろう"_s, u"はなこ"_s, u"たろう"_s} << u"おかめ"_s
                                  << u"「たろう」さんが二人います。"_s;
    QTest::newRow("brackets would blur the work's name")
        << QStringList{u"たろう"_s, u"じろう（弟）"_s} << u"おかめ"_s << u"2人目の名前：「/」「（」「）」"_s;
    QTest::newRow("a long face leaves less room")
        << QStringList{u"たろう"_s, QString(40, u'あ')} << QString(40, u'お') << u"2人目の名前：名前が長すぎます。"_s;
    QTest::newRow("the same name fits a short face")
        << QStringList{u"たろう"_s, QString(40, u'あ')} << u"おかめ"_s << QString();
}

void TestRoundRules::playersProblem()
{
    QFETCH(QStringList, names);
    QFETCH(QString, face);
    QFETCH(QString, problemStart);
    const QString problem = RoundPlayers::problem(named(names), face);
    if (problemStart.isEmpty())
        QCOMPARE(problem, QString());
    else
        QVERIFY2(problem.startsWith(problemStart), qPrintable(problem));
}

void TestRoundRules::turnsRunToTheRanking()
{
    PartyRound round(named({u"A"_s, u"B"_s, u"C"_s}));
    QCOMPARE(round.player().name, u"A"_s);
    // A turn moves on only once scored, and scores once.
    round.nextTurn();
    QCOMPARE(round.turn(), 0);
    round.scoreTurn(120);
    round.scoreTurn(300);
    round.nextTurn();
    QCOMPARE(round.player().name, u"B"_s);
    QVERIFY(!round.isLastTurn());
    round.scoreTurn(250);
    round.nextTurn();
    QVERIFY(round.isLastTurn());
    QCOMPARE(round.ranking().size(), 2); // the turns played so far
    round.scoreTurn(250);
    round.nextTurn();
    QVERIFY(round.isOver());
    round.scoreTurn(10); // nobody's turn
    const QList<RankedTurn> ranking = round.ranking();
    QCOMPARE(ranking, (QList<RankedTurn>{{1, 1, u"B"_s, 250}, {1, 2, u"C"_s, 250}, {3, 0, u"A"_s, 120}}));
}

void TestRoundRules::againKeepsEachPlayersPractice()
{
    const QList<RoundPlayer> players = {{u"A"_s, true}, {u"B"_s, false}, {u"C"_s, true}, {u"D"_s, false}};
    PartyRound round(players);
    round.scoreTurn(100);
    round.nextTurn();
    FixedChance chance;
    for (int draws = 0; draws < 8; ++draws) {
        const PartyRound again = round.again(chance);
        QCOMPARE(again.turn(), 0);
        QVERIFY(again.ranking().isEmpty());
        QVERIFY(again.players() != players);
        QCOMPARE(again.players().size(), players.size());
        for (const RoundPlayer &player : again.players())
            QVERIFY(players.contains(player));
        chance.draws << draws % 4 << draws % 3 << draws % 2;
    }
}

void TestRoundRules::playersFileRoundTrip_data()
{
    QTest::addColumn<RememberedPlayers>("remembered");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("nobody yet") << RememberedPlayers{} << QByteArray("petara3 players 1\n");
    QTest::newRow("a round and its last player")
        << RememberedPlayers{{{u"たろう"_s, true}, {u"はなこ"_s, false}}, u"はなこ"_s}
        << QByteArray("petara3 players 1\nplayer\tたろう\t1\nplayer\tはなこ\t0\nlast\tはなこ\n");
    QTest::newRow("spaces inside a name") << RememberedPlayers{{{u"お じい　ちゃん"_s, false}}, QString()}
                                          << QByteArray("petara3 players 1\nplayer\tお じい　ちゃん\t0\n");
}

void TestRoundRules::playersFileRoundTrip()
{
    QFETCH(RememberedPlayers, remembered);
    QFETCH(QByteArray, bytes);
    QCOMPARE(PlayersFile::toBytes(remembered), bytes);
    QCOMPARE(PlayersFile::parse(bytes), std::optional<RememberedPlayers>(remembered));
}

void TestRoundRules::playersFileRefusesWhatItNeverWrites_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray head = "petara3 players 1\n";
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("another heading") << QByteArray("petara3 players 2\n");
    QTest::newRow("no line end") << QByteArray("petara3 players 1");
    QTest::newRow("a line cut short") << head + "player\tたろう\n";
    QTest::newRow("practice neither 0 nor 1") << head + "player\tたろう\tyes\n";
    QTest::newRow("unknown line") << head + "score\t300\n";
    QTest::newRow("empty line") << head + "\n";
    QTest::newRow("CRLF") << QByteArray("petara3 players 1\r\n");
    QTest::newRow("two last players") << head + "last\tA\nlast\tB\n";
    QTest::newRow("a name with a bracket") << head + "last\tじろう（弟）\n";
    QTest::newRow("an empty name") << head + "player\t\t1\n";
    QTest::newRow("not UTF-8") << head + "player\t\xff\xfe\t1\n";
    QTest::newRow("nine players") << head + QByteArray("player\tA\t1\n").repeated(9);
    QTest::newRow("huge") << head + "last\t" + QByteArray(PlayersFile::MaxBytes, 'a') + "\n";
}

void TestRoundRules::playersFileRefusesWhatItNeverWrites()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(PlayersFile::parse(bytes), std::nullopt);
}

void TestRoundRules::playersFileInTheProgramFolder()
{
    TestProgramFolder folder;
    QDir().mkpath(folder.path(u"data"_s));
    // Missing: nobody.
    QCOMPARE(PlayersFile::load(folder.appDir()), RememberedPlayers());
    const RememberedPlayers remembered{{{u"たろう"_s, true}, {u"はなこ"_s, false}}, u"たろう"_s};
    PlayersFile::save(folder.appDir(), remembered);
    QCOMPARE(PlayersFile::load(folder.appDir()), remembered);
    // Damaged: nobody, and the next save writes it anew.
    folder.writeFile(u"data/players.txt"_s, "petara3 players 1\nplayer\n");
    QCOMPARE(PlayersFile::load(folder.appDir()), RememberedPlayers());
    PlayersFile::save(folder.appDir(), remembered);
    QCOMPARE(PlayersFile::load(folder.appDir()), remembered);
    // A folder or a pipe in its place is no file to read, and never blocks.
    folder.removeFile(u"data/players.txt"_s);
    QVERIFY(QDir().mkpath(folder.path(u"data/players.txt"_s)));
    QCOMPARE(PlayersFile::load(folder.appDir()), RememberedPlayers());
    QVERIFY(QDir().rmdir(folder.path(u"data/players.txt"_s)));
    QCOMPARE(::mkfifo(QFile::encodeName(folder.path(u"data/players.txt"_s)).constData(), 0600), 0);
    QCOMPARE(PlayersFile::load(folder.appDir()), RememberedPlayers());
}

QTEST_MAIN(TestRoundRules)
#include "tst_round_rules.moc"
