#include "platform/system/AppError.h"
#include "platform/files/ShippedFiles.h"
#include "support/SmallDisk.h"
#include "support/TestFiles.h"
#include "support/ErrorMessage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

using TestFiles::readFile;
using TestFiles::writeFile;

const QString Index = u"data/facedata.ini"_s;

} // namespace

class TestShippedFiles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void copiesEveryFileWithTheIndexLast();
    void neverOverwritesAPlayersFile_data();
    void neverOverwritesAPlayersFile();
    void interruptedCopyCompletes();
    void fullDiskLeavesWholeFilesAndCompletesLater();
    void readOnlyFolderIsRefusedClearly();
    void missingShippedFolderIsNamed();

private:
    QString shipped(const QString &relative = QString()) const { return m_shipped->filePath(relative); }
    QString home(const QString &relative = QString()) const { return m_home->filePath(relative); }

    std::unique_ptr<QTemporaryDir> m_shipped;
    std::unique_ptr<QTemporaryDir> m_home;
    QStringList m_files;
};

void TestShippedFiles::init()
{
    m_shipped = std::make_unique<QTemporaryDir>();
    m_home = std::make_unique<QTemporaryDir>();
    m_files = {Index, u"data/face0_0.jpg"_s, u"data/tema84.mid"_s, u"data/tomei.cur"_s, u"作品について.txt"_s};
    for (const QString &relative : std::as_const(m_files))
        writeFile(shipped(relative), "shipped " + relative.toUtf8());
}

void TestShippedFiles::copiesEveryFileWithTheIndexLast()
{
    const QString target = home(u"petara3"_s);
    const QStringList copied = ShippedFiles::copyMissing(shipped(), target, Index);
    QCOMPARE(copied.size(), m_files.size());
    QCOMPARE(copied.last(), Index);
    for (const QString &relative : std::as_const(m_files))
        QCOMPARE(readFile(target + u'/' + relative), readFile(shipped(relative)));
    QCOMPARE(ShippedFiles::copyMissing(shipped(), target, Index), QStringList());
}

void TestShippedFiles::neverOverwritesAPlayersFile_data()
{
    QTest::addColumn<QString>("relative");
    QTest::newRow("the index") << Index;
    QTest::newRow("a face picture") << u"data/face0_0.jpg"_s;
    QTest::newRow("the help text") << u"作品について.txt"_s;
}

void TestShippedFiles::neverOverwritesAPlayersFile()
{
    QFETCH(QString, relative);
    writeFile(home(relative), "the player's own");
    const QStringList copied = ShippedFiles::copyMissing(shipped(), home(), Index);
    QVERIFY(!copied.contains(relative));
    QCOMPARE(copied.size(), m_files.size() - 1);
    QCOMPARE(readFile(home(relative)), QByteArray("the player's own"));
}

void TestShippedFiles::interruptedCopyCompletes()
{
    // What a kill half-way leaves: some whole files, no index, a temporary file of the write it stopped.
    writeFile(home(u"data/face0_0.jpg"_s), readFile(shipped(u"data/face0_0.jpg"_s)));
    writeFile(home(u"data/.petara-1f2e.tmp"_s), "shipp");
    const QStringList copied = ShippedFiles::copyMissing(shipped(), home(), Index);
    QCOMPARE(copied, (QStringList{u"data/tema84.mid"_s, u"data/tomei.cur"_s, u"作品について.txt"_s, Index}));
    for (const QString &relative : std::as_const(m_files))
        QCOMPARE(readFile(home(relative)), readFile(shipped(relative)));
}

void TestShippedFiles::fullDiskLeavesWholeFilesAndCompletesLater()
{
    const SmallDisk disk(2);
    if (!disk.problem().isEmpty())
        QSKIP(qPrintable(disk.problem()));
    // Other files take all but about half a megabyte; the pictures need more, so the copy stops half-way.
    const QString ballast = disk.path() + u"/ballast"_s;
    writeFile(ballast, QByteArray(1536 * 1024, 'b'));
    for (int face = 1; face <= 3; ++face)
        writeFile(shipped(u"data/face%1_0.jpg"_s.arg(face)), QByteArray(200 * 1024, char('0' + face)));
    const QString target = disk.path() + u"/petara3"_s;

    const QString message = messageOf([&] { ShippedFiles::copyMissing(shipped(), target, Index); });
    QVERIFY2(message.contains(u"ディスクの空き容量が足りません。"_s), qPrintable(message));
    QVERIFY(!QFile::exists(target + u'/' + Index));
    const QStringList left = ShippedFiles::list(target);
    QVERIFY(!left.isEmpty());
    for (const QString &relative : left)
        QCOMPARE(readFile(target + u'/' + relative), readFile(shipped(relative)));

    // The player frees room; the next start finishes the copy.
    QVERIFY(QFile::remove(ballast));
    QCOMPARE(messageOf([&] { ShippedFiles::copyMissing(shipped(), target, Index); }), QString());
    QCOMPARE(ShippedFiles::list(target), ShippedFiles::list(shipped()));
    for (const QString &relative : ShippedFiles::list(shipped()))
        QCOMPARE(readFile(target + u'/' + relative), readFile(shipped(relative)));
}

void TestShippedFiles::readOnlyFolderIsRefusedClearly()
{
    const SmallDisk disk(1);
    if (!disk.problem().isEmpty())
        QSKIP(qPrintable(disk.problem()));
    QVERIFY(disk.makeReadOnly());
    const QString message = messageOf(
        [&] { ShippedFiles::copyMissing(shipped(), disk.path() + u"/petara3"_s, Index); });
    QVERIFY2(message.contains(u"書き込みが許可されていません。"_s), qPrintable(message));
}

void TestShippedFiles::missingShippedFolderIsNamed()
{
    const QString missing = home(u"share/petara3"_s);
    const QString message = messageOf([&] { ShippedFiles::copyMissing(missing, home(u"petara3"_s), Index); });
    QVERIFY2(message.contains(missing) && message.contains(u"見つかりません"_s), qPrintable(message));
    QVERIFY(!QFile::exists(home(u"petara3"_s)));
}

QTEST_GUILESS_MAIN(TestShippedFiles)
#include "tst_shipped_files.moc"
