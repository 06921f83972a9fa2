#include "library/DeletionJournal.h"
#include "library/DeletionPlan.h"
#include "library/FacePaths.h"
#include "library/LibraryIndex.h"
#include "platform/files/ProfileFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The renumbering of a deletion and the journal that carries it over a kill.
class TestDeletionRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void currentFace_data();
    void currentFace();
    void openingFace_data();
    void openingFace();
    void indexAfterDeletingFaceOneOfFive();
    void movesDone_data();
    void movesDone();
    void journalRoundTrip();
    void brokenJournalsAreRefused_data();
    void brokenJournalsAreRefused();
};

void TestDeletionRules::currentFace_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("deleted");
    QTest::addColumn<int>("faceCount");
    QTest::addColumn<int>("after");
    QTest::newRow("current is the last face and is deleted") << 4 << 4 << 5 << 0;
    QTest::newRow("current 3, face 1 deleted") << 3 << 1 << 5 << 2;
    QTest::newRow("current face deleted, not the last") << 2 << 2 << 5 << 2;
    QTest::newRow("a later face deleted") << 1 << 3 << 5 << 1;
    QTest::newRow("the last face deleted, current earlier") << 0 << 2 << 3 << 0;
    QTest::newRow("current last, an earlier face deleted") << 2 << 0 << 3 << 1;
}

void TestDeletionRules::currentFace()
{
    QFETCH(int, current);
    QFETCH(int, deleted);
    QFETCH(int, faceCount);
    QFETCH(int, after);
    QCOMPARE(DeletionPlan::currentFaceAfter(current, deleted, faceCount), after);
}

void TestDeletionRules::openingFace_data()
{
    QTest::addColumn<int>("title");
    QTest::addColumn<int>("deleted");
    QTest::addColumn<int>("after");
    QTest::newRow("none") << -1 << 0 << -1;
    QTest::newRow("the opening face itself") << 2 << 2 << -1;
    QTest::newRow("a face before it") << 2 << 0 << 1;
    QTest::newRow("a face after it") << 2 << 3 << 2;
}

void TestDeletionRules::openingFace()
{
    QFETCH(int, title);
    QFETCH(int, deleted);
    QFETCH(int, after);
    QCOMPARE(DeletionPlan::titleFaceAfter(title, deleted), after);
}

void TestDeletionRules::indexAfterDeletingFaceOneOfFive()
{
    QTemporaryDir dir;
    const QString appDir = dir.path() + u'/';
    QDir(dir.path()).mkpath(u"data"_s);
    QByteArray text = "[faces]\r\ncount=5\r\n";
    for (int n = 0; n < 5; ++n)
        text += "[" + QByteArray::number(n) + "]\r\nName=f" + QByteArray::number(n)
                + "\r\nY4=" + QByteArray::number(101 + n) + "\r\n";
    text += "[TitleFace]\r\nNO=3\r\n";
    QFile file(FacePaths::indexFile(appDir));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();

    // At 120 pixels per inch the places go through screen pixels and back unchanged.
    const QVector<TFaceData> after = DeletionPlan::facesAfter(loadLibraryIndex(appDir, 12500).Faces, 1);
    const QByteArray written = ProfileText::withEdits(text, DeletionPlan::indexEdits(after, 1, 3, 2, 12500));
    QVERIFY(written.startsWith("[faces]\r\ncount=4\r\n[0]\r\nName=f0\r\nY4=101\r\n[1]\r\nName=f2\r\nY4=103\r\n"
                               "X1=0\r\nX2=0\r\nX3=0\r\nX4=0\r\nY1=0\r\nY2=0\r\nY3=0\r\n[2]\r\nName=f3\r\nY4=104\r\n"));
    QVERIFY(written.contains("[3]\r\nName=f4\r\nY4=105\r\n"));
    QVERIFY(written.contains("[TitleFace]\r\nNO=2\r\n"));
    QVERIFY(!written.contains("[4]"));
}

void TestDeletionRules::movesDone_data()
{
    // Slots as "1" (a picture) and "0" (none): before the first move, and now.
    QTest::addColumn<QString>("had");
    QTest::addColumn<QString>("has");
    QTest::addColumn<int>("done");
    QTest::newRow("nothing done") << u"1111"_s << u"1111"_s << 0;
    QTest::newRow("the deleted face's picture removed") << u"1111"_s << u"0111"_s << 1;
    QTest::newRow("two faces moved down") << u"1111"_s << u"1101"_s << 3;
    QTest::newRow("all done") << u"1111"_s << u"1110"_s << 4;
    QTest::newRow("the deleted face had none") << u"0111"_s << u"0111"_s << 0;
    QTest::newRow("a later face had none, moved past") << u"1101"_s << u"1010"_s << 4;
    QTest::newRow("a later face had none, not reached") << u"1101"_s << u"0101"_s << 1;
    QTest::newRow("one face only, removed") << u"1"_s << u"0"_s << 1;
    QTest::newRow("two empty numbers in a row") << u"1111"_s << u"1001"_s << -1;
    QTest::newRow("a picture that was never there") << u"1101"_s << u"1111"_s << -1;
    QTest::newRow("sizes differ") << u"111"_s << u"11"_s << -1;
}

void TestDeletionRules::movesDone()
{
    QFETCH(QString, had);
    QFETCH(QString, has);
    QFETCH(int, done);
    auto bits = [](const QString &text) {
        std::vector<bool> result;
        for (QChar c : text)
            result.push_back(c == u'1');
        return result;
    };
    QCOMPARE(DeletionPlan::movesDone(bits(had), bits(has)), done);
}

void TestDeletionRules::journalRoundTrip()
{
    DeletionJournal journal;
    journal.state = DeletionJournal::State::Indexed;
    journal.faceCount = 1000;
    journal.deleted = 7;
    for (int i = 0; i < 993 * 6; ++i)
        journal.picturesBefore.push_back(i % 5 != 3);
    journal.newIndex = QByteArray("[faces]\r\ncount=999\r\n\n\0binary\xff", 28);
    const std::optional<DeletionJournal> read = DeletionJournal::parse(journal.toBytes());
    QVERIFY(read);
    QCOMPARE(read->state, DeletionJournal::State::Indexed);
    QCOMPARE(read->picturesBefore, journal.picturesBefore);
    QCOMPARE(read->faceCount, 1000);
    QCOMPARE(read->deleted, 7);
    QCOMPARE(read->newIndex, journal.newIndex);
}

void TestDeletionRules::brokenJournalsAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    DeletionJournal journal;
    journal.faceCount = 3;
    journal.deleted = 1;
    journal.picturesBefore.assign(12, true);
    journal.newIndex = "[faces]\r\ncount=2\r\n";
    const QByteArray whole = journal.toBytes();
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("cut short") << whole.chopped(1);
    QTest::newRow("one byte too many") << whole + "x";
    QTest::newRow("cut inside the fields") << whole.left(30);
    QTest::newRow("unknown state") << QByteArray(whole).replace("started", "stopped");
    QTest::newRow("pictures for another count") << QByteArray(whole).replace("count=3", "count=4");
    QTest::newRow("pictures not in bits") << QByteArray(whole).replace("111111111111", "11111111111x");
    QTest::newRow("face beyond the count") << QByteArray(whole).replace("face=1", "face=3");
    QTest::newRow("negative face") << QByteArray(whole).replace("face=1", "face=-1");
    QTest::newRow("another heading") << QByteArray(whole).replace("petara3", "petara2");
}

void TestDeletionRules::brokenJournalsAreRefused()
{
    QFETCH(QByteArray, bytes);
    QVERIFY(!DeletionJournal::parse(bytes));
}

QTEST_APPLESS_MAIN(TestDeletionRules)
#include "tst_deletion_rules.moc"
