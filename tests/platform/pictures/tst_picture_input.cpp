#include "platform/system/AppError.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/pictures/PictureFile.h"
#include "platform/pictures/PictureLimits.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;
using Loader = std::function<QImage(const QString &)>;

namespace {

// A kilobyte line of /proc/self/status, such as "VmHWM:", or -1 where there is none.
qint64 statusKilobytes(const QByteArray &key)
{
    QFile status(u"/proc/self/status"_s);
    const QList<QByteArray> lines = status.open(QIODevice::ReadOnly) ? status.readAll().split('\n')
                                                                     : QList<QByteArray>();
    for (const QByteArray &line : lines) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Sets the peak memory back to what the process holds now; false where the kernel refuses.
bool resetPeakMemory()
{
    QFile clearRefs(u"/proc/self/clear_refs"_s);
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

} // namespace

// Picture files are read as the decoders need them, and one over the cap not at all.
class TestPictureInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsOnlyWhatThePictureHolds_data();
    void readsOnlyWhatThePictureHolds();
};

void TestPictureInput::readsOnlyWhatThePictureHolds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Loader>("load");
    QTest::addColumn<qint64>("fileSize");
    const Loader decoder = [](const QString &path) { return JpegCodec::decodeFile(path); };
    const Loader chosen = [](const QString &path) { return PictureFile::load(path); };
    for (const qint64 size : {maxPictureFileBytes, maxPictureFileBytes + 1}) {
        const char *at = size > maxPictureFileBytes ? "one byte over the cap" : "at the cap";
        QTest::addRow("JPEG decoder, %s", at) << u"tail.jpg"_s << decoder << size;
        QTest::addRow("chosen JPEG, %s", at) << u"tail.JPG"_s << chosen << size;
        QTest::addRow("chosen bitmap, %s", at) << u"tail.bmp"_s << chosen << size;
    }
}

// A picture followed by a sparse tail of zeros that no decoder needs: up to the cap it loads
// without the tail coming into memory; one byte more and nothing of the file is read.
void TestPictureInput::readsOnlyWhatThePictureHolds()
{
    QFETCH(QString, name);
    QFETCH(Loader, load);
    QFETCH(qint64, fileSize);
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(qRgb(200, 40, 30));
    QTemporaryDir dir;
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QVERIFY(picture.save(&file, name.endsWith(u".bmp"_s) ? "BMP" : "JPG"));
    QVERIFY2(file.resize(fileSize), "no room for a sparse file here");
    file.close();

    const bool measured = resetPeakMemory();
    const qint64 before = statusKilobytes("VmRSS:");
    QString refusal;
    try {
        const QImage image = load(file.fileName());
        QCOMPARE(image.size(), picture.size());
        QVERIFY(qAbs(qRed(image.pixel(32, 24)) - 200) <= 8);
    } catch (const AppError &error) {
        refusal = error.message();
    }
    const QString tooLarge = u"「%1」はファイルが大きすぎるため読み込めません（512 MB まで）。"_s.arg(name);
    QCOMPARE(refusal, fileSize > maxPictureFileBytes ? tooLarge : QString());
    // Reading the tail, even of a sparse file, would take half a gigabyte.
    if (!measured || before < 0)
        QSKIP("the kernel does not let this process measure its peak memory");
    const qint64 grown = statusKilobytes("VmHWM:") - before;
    QVERIFY2(grown < 64 * 1024, qPrintable(u"peak grew by %1 kB"_s.arg(grown)));
}

QTEST_GUILESS_MAIN(TestPictureInput)
#include "tst_picture_input.moc"
