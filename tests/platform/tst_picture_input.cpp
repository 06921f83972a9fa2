#include "platform/AppError.h"
#include "platform/JpegCodec.h"
#include "platform/PictureFile.h"
#include "platform/PictureLimits.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

using Loader = std::function<QImage(const QString &)>;

QImage sample()
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(qRgb(200, 40, 30));
    return image;
}

QByteArray asBitmap(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// A kilobyte line of /proc/self/status, such as "VmHWM:", or -1 where there is none.
qint64 statusKilobytes(const QByteArray &key)
{
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Sets the process's peak memory back to what it holds now, so that the next peak is the
// load's own; false where the kernel does not allow it.
bool resetPeakMemory()
{
    QFile clearRefs(u"/proc/self/clear_refs"_s);
    return clearRefs.open(QIODevice::WriteOnly) && clearRefs.write("5") == 1;
}

} // namespace

// The picture files are read as the decoders need them, and none over the cap is read at all.
class TestPictureInput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void readsOnlyWhatThePictureHolds_data();
    void readsOnlyWhatThePictureHolds();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestPictureInput::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestPictureInput::readsOnlyWhatThePictureHolds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("picture");
    QTest::addColumn<Loader>("load");
    QTest::addColumn<qint64>("fileSize");

    const QByteArray jpeg = JpegCodec::encode(sample());
    const QByteArray bitmap = asBitmap(sample());
    const Loader decoder = [](const QString &path) { return JpegCodec::decodeFile(path); };
    const Loader chosen = [](const QString &path) { return PictureFile::load(path); };
    for (const qint64 size : {maxPictureFileBytes, maxPictureFileBytes + 1}) {
        const char *over = size > maxPictureFileBytes ? ", one byte over the cap" : ", at the cap";
        QTest::addRow("JPEG decoder%s", over) << u"tail.jpg"_s << jpeg << decoder << size;
        QTest::addRow("chosen JPEG%s", over) << u"tail.JPG"_s << jpeg << chosen << size;
        QTest::addRow("chosen bitmap%s", over) << u"tail.bmp"_s << bitmap << chosen << size;
    }
}

// The picture is followed by a sparse tail of zeros that no decoder needs: up to the cap it loads
// without the tail ever coming into memory; one byte more and nothing of it is read.
void TestPictureInput::readsOnlyWhatThePictureHolds()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, picture);
    QFETCH(Loader, load);
    QFETCH(qint64, fileSize);

    const QString path = m_dir->filePath(name);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(picture), picture.size());
    QVERIFY2(file.resize(fileSize), "no room for a sparse file here");
    file.close();

    const bool measured = resetPeakMemory();
    const qint64 before = statusKilobytes("VmRSS:");
    if (fileSize > maxPictureFileBytes) {
        QString message;
        try {
            load(path);
        } catch (const AppError &error) {
            message = error.message();
        }
        QCOMPARE(message, u"「%1」はファイルが大きすぎるため読み込めません（512 MB まで）。"_s.arg(name));
    } else {
        const QImage image = load(path);
        QCOMPARE(image.size(), sample().size());
        QVERIFY(qAbs(qRed(image.pixel(32, 24)) - 200) <= 8);
    }
    // Reading the tail, even from a sparse file, would take half a gigabyte.
    if (!measured || before < 0)
        QSKIP("the kernel does not let this process measure its peak memory");
    const qint64 grown = statusKilobytes("VmHWM:") - before;
    QVERIFY2(grown < 64 * 1024, qPrintable(u"peak grew by %1 kB"_s.arg(grown)));
}

QTEST_GUILESS_MAIN(TestPictureInput)
#include "tst_picture_input.moc"
