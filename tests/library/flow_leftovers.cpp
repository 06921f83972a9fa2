#include "library/Leftovers.h"
#include "support/WindowHarness.h"
#include "support/TestProgramFolder.h"

#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

namespace {

// What writes killed midway leave: temporary files of atomic writes, and the pictures of a
// face whose registration never reached the index (the index counts faces 0 and 1).
const QStringList temporaries =
    u".petara-1a2b3c4d.tmp data/.petara-0.tmp data/.petara-ffffffff.tmp Library/.petara-deadbeef.tmp"_s.split(u' ');
const QStringList orphans = u"data/face2_0.jpg data/face2_5.jpg data/face17_3.jpg"_s.split(u' ');

// Files of names the game never makes, and face-like names outside data/.
const QStringList others =
    u"data/face02_1.jpg data/face2_6.jpg data/Face2_1.jpg data/face2_1.jpg.bak data/face-2_1.jpg "
    u"data/.petara-xyz.tmp data/.petara-123456789.tmp data/petara-1.tmp data/.petara-1A.tmp data/notes.txt "
    u"Library/face5_0.jpg Library/おかめ_20080305140709_245.jpg face3_0.jpg"_s.split(u' ');

} // namespace

// At start-up the game removes the leftovers of its own killed writes, and nothing else.
class FlowLeftovers : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void startUpRemovesOnlyTheGamesLeftovers();
    void withoutACountNoPictureIsAnOrphan();

private:
    void layOut();
    QStringList existing(const QStringList &files) const;

    std::unique_ptr<TestProgramFolder> m_folder;
};

void FlowLeftovers::init()
{
    m_folder = std::make_unique<TestProgramFolder>();
    m_folder->addFaces(2);
    layOut();
}

void FlowLeftovers::layOut()
{
    for (const QStringList &files : {temporaries, orphans, others}) {
        for (const QString &file : files)
            m_folder->writeFile(file, "x");
    }
    // A folder is never a leftover, whatever its name.
    QVERIFY(QDir(m_folder->appDir()).mkpath(u"data/.petara-1.tmp"_s));
}

QStringList FlowLeftovers::existing(const QStringList &files) const
{
    QStringList found;
    for (const QString &file : files) {
        if (QFileInfo::exists(m_folder->path(file)))
            found << file;
    }
    return found;
}

void FlowLeftovers::startUpRemovesOnlyTheGamesLeftovers()
{
    WindowHarness harness(m_folder->appDir());
    harness.open();
    QVERIFY(harness.dialogs.errors.isEmpty());
    QTRY_COMPARE(existing(temporaries + orphans), QStringList());
    QCOMPARE(existing(others), others);
    QVERIFY(QFileInfo(m_folder->path(u"data/.petara-1.tmp"_s)).isDir());
    QCOMPARE(harness.form().library().FaceCount, 2);
    QCOMPARE(existing({u"data/face0_0.jpg"_s, u"data/face1_5.jpg"_s}).size(), 2);
}

void FlowLeftovers::withoutACountNoPictureIsAnOrphan()
{
    removeLeftovers(m_folder->appDir(), -1);
    QCOMPARE(existing(temporaries), QStringList());
    QCOMPARE(existing(orphans), orphans);
    QCOMPARE(existing(others), others);
}

QTEST_MAIN(FlowLeftovers)
#include "flow_leftovers.moc"
