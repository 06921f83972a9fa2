#include "platform/system/AppError.h"
#include "platform/files/AtomicFile.h"
#include "platform/files/FileSystemCalls.h"
#include "support/SmallDisk.h"
#include "support/ErrorMessage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The real calls, with short writes, and one step made to fail or interrupted.
class FailingCalls : public FileSystemCalls
{
public:
    enum Step { Nothing, Write, Sync, Close };

    ssize_t write(int fd, const void *data, size_t size) override
    {
        ++writes;
        if (interruptedWrites.contains(writes)) {
            errno = EINTR;
            return -1;
        }
        if (failing == Write && writes == failAt) {
            errno = error;
            return -1;
        }
        return FileSystemCalls::write(fd, data, std::min(size, size_t(piece)));
    }
    int fsync(int fd) override
    {
        if (failing == Sync && ++syncs == 1) {
            errno = error;
            return -1;
        }
        return FileSystemCalls::fsync(fd);
    }
    int close(int fd) override
    {
        const int result = FileSystemCalls::close(fd);
        if (failing == Close && ++closes == 1) {
            errno = error;
            return -1;
        }
        return result;
    }

    Step failing = Nothing;
    int failAt = 0;
    int error = ENOSPC;
    int piece = 7;
    QList<int> interruptedWrites;
    int writes = 0;
    int syncs = 0;
    int closes = 0;
};

const QByteArray oldContent = "[faces]\r\ncount=2\r\n[0]\r\nName=old\r\n";
const QByteArray newContent = "[faces]\r\ncount=3\r\n[0]\r\nName=new\r\n[BGM]\r\nPlay=1\r\n";

} // namespace

class TestAtomicFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void failedStepLeavesTheTargetAsItWas_data();
    void failedStepLeavesTheTargetAsItWas();
    void shortAndInterruptedWritesStillWriteEverything();
    void writesAnEmptyFile();
    void reasonIsNamed_data();
    void reasonIsNamed();
    void keepsTheOldPermissions();
    void leavesAReadOnlyFileAlone();
    void replacesTheFileBehindALink();
    void refusesAFolderInTheWay();
    void fullDiskLeavesTheOldFile();

private:
    QString target() const { return m_dir->filePath(u"facedata.ini"_s); }
    QStringList entries() const { return QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden | QDir::System); }
    QByteArray stored() const;
    void store(const QByteArray &bytes) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestAtomicFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QByteArray TestAtomicFile::stored() const
{
    QFile file(target());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TestAtomicFile::store(const QByteArray &bytes) const
{
    QFile file(target());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

void TestAtomicFile::failedStepLeavesTheTargetAsItWas_data()
{
    QTest::addColumn<bool>("existing");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("failAt");

    const int writes = int((newContent.size() + 6) / 7);
    for (bool existing : {true, false}) {
        const char *target = existing ? "old file" : "no file";
        for (int n = 1; n <= writes; ++n)
            QTest::addRow("%s, write %d of %d", target, n, writes) << existing << int(FailingCalls::Write) << n;
        QTest::addRow("%s, sync", target) << existing << int(FailingCalls::Sync) << 1;
        QTest::addRow("%s, close", target) << existing << int(FailingCalls::Close) << 1;
    }
}

void TestAtomicFile::failedStepLeavesTheTargetAsItWas()
{
    QFETCH(bool, existing);
    QFETCH(int, step);
    QFETCH(int, failAt);
    if (existing)
        store(oldContent);
    const QStringList before = entries();

    FailingCalls calls;
    calls.failing = FailingCalls::Step(step);
    calls.failAt = failAt;
    const QString message = messageOf([&] { writeFileAtomically(target(), newContent, calls); });
    QCOMPARE(message, u"ファイル「%1」に書き込めませんでした。\rディスクの空き容量が足りません。"_s.arg(target()));
    QCOMPARE(QFile::exists(target()), existing);
    QCOMPARE(stored(), existing ? oldContent : QByteArray());
    QCOMPARE(entries(), before);
    // Nothing written after the failure.
    if (step == FailingCalls::Write)
        QCOMPARE(calls.writes, failAt);
}

void TestAtomicFile::shortAndInterruptedWritesStillWriteEverything()
{
    store(oldContent);
    FailingCalls calls;
    calls.interruptedWrites = {1, 3, 4};
    writeFileAtomically(target(), newContent, calls);
    QCOMPARE(stored(), newContent);
    QCOMPARE(calls.writes, int((newContent.size() + 6) / 7) + 3);
    QCOMPARE(entries(), QStringList{u"facedata.ini"_s});
}

void TestAtomicFile::writesAnEmptyFile()
{
    store(oldContent);
    writeFileAtomically(target(), QByteArray());
    QVERIFY(QFile::exists(target()));
    QCOMPARE(QFileInfo(target()).size(), 0);
    QCOMPARE(entries(), QStringList{u"facedata.ini"_s});
}

void TestAtomicFile::reasonIsNamed_data()
{
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no space") << ENOSPC << u"ディスクの空き容量が足りません。"_s;
    QTest::newRow("quota") << EDQUOT << u"ディスクの空き容量が足りません。"_s;
    QTest::newRow("access") << EACCES << u"書き込みが許可されていません。"_s;
    QTest::newRow("read-only") << EROFS << u"書き込みが許可されていません。"_s;
    QTest::newRow("device") << EIO << u"ディスクの読み書きに失敗しました。"_s;
    QTest::newRow("too big") << EFBIG << u"ファイルが大きすぎます。"_s;
}

void TestAtomicFile::reasonIsNamed()
{
    QFETCH(int, error);
    QFETCH(QString, reason);
    FailingCalls calls;
    calls.failing = FailingCalls::Write;
    calls.failAt = 1;
    calls.error = error;
    const QString message = messageOf([&] { writeFileAtomically(target(), newContent, calls); });
    QCOMPARE(message, u"ファイル「%1」に書き込めませんでした。\r%2"_s.arg(target(), reason));
}

void TestAtomicFile::keepsTheOldPermissions()
{
    store(oldContent);
    const QByteArray name = QFile::encodeName(target());
    QCOMPARE(::chmod(name.constData(), 0640), 0);
    writeFileAtomically(target(), newContent);
    QCOMPARE(stored(), newContent);
    struct stat status;
    QCOMPARE(::stat(name.constData(), &status), 0);
    QCOMPARE(status.st_mode & 07777, mode_t(0640));
}

void TestAtomicFile::leavesAReadOnlyFileAlone()
{
    if (::geteuid() == 0)
        QSKIP("root may write any file");
    store(oldContent);
    QCOMPARE(::chmod(QFile::encodeName(target()).constData(), 0444), 0);
    const QString message = messageOf([&] { writeFileAtomically(target(), newContent); });
    QVERIFY2(message.endsWith(u"書き込みが許可されていません。"_s), qPrintable(message));
    QCOMPARE(stored(), oldContent);
}

void TestAtomicFile::replacesTheFileBehindALink()
{
    QVERIFY(QDir(m_dir->path()).mkdir(u"real"_s));
    const QString real = m_dir->filePath(u"real/facedata.ini"_s);
    QFile file(real);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(oldContent);
    file.close();
    QVERIFY(QFile::link(real, target()));

    writeFileAtomically(target(), newContent);
    QVERIFY(QFileInfo(target()).isSymLink());
    QCOMPARE(stored(), newContent);
    QCOMPARE(QDir(m_dir->filePath(u"real"_s)).entryList(QDir::Files | QDir::Hidden), QStringList{u"facedata.ini"_s});
}

void TestAtomicFile::refusesAFolderInTheWay()
{
    QVERIFY(QDir(m_dir->path()).mkdir(u"facedata.ini"_s));
    const QString message = messageOf([&] { writeFileAtomically(target(), newContent); });
    QVERIFY2(message.endsWith(u"同じ名前のフォルダがあります。"_s), qPrintable(message));
    QVERIFY(QFileInfo(target()).isDir());
    QVERIFY(entries().isEmpty());
}

void TestAtomicFile::fullDiskLeavesTheOldFile()
{
    const SmallDisk disk(1);
    if (!disk.problem().isEmpty())
        QSKIP(qPrintable(disk.problem()));
    const QString path = disk.path() + u"/facedata.ini"_s;
    writeFileAtomically(path, oldContent);
    disk.fill();

    // A file this small once fitted in a buffer whose failed flush went unnoticed.
    const QString message = messageOf([&] { writeFileAtomically(path, newContent); });
    QVERIFY2(message.endsWith(u"ディスクの空き容量が足りません。"_s), qPrintable(message));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), oldContent);
    QCOMPARE(QDir(disk.path()).entryList(QDir::Files | QDir::Hidden), (QStringList{u"facedata.ini"_s, u"filler"_s}));
}

QTEST_APPLESS_MAIN(TestAtomicFile)
#include "tst_atomic_file.moc"
