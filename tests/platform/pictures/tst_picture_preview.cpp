#include "platform/pictures/ExifOrientation.h"
#include "platform/pictures/PictureFile.h"
#include "platform/pictures/PictureLimits.h"
#include "platform/pictures/PicturePreview.h"
#include "platform/widgets/QtDialogs.h"
#include "support/PhotoFiles.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLabel>
#include <QListView>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtEndian>

#include <optional>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

QByteArray bitmap(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return bytes;
}

// The colours at the middles of the four quadrants.
QList<QRgb> quadrantColours(const QImage &image)
{
    const int w = image.width(), h = image.height();
    return {image.pixel(w / 4, h / 4), image.pixel(3 * w / 4, h / 4), image.pixel(w / 4, 3 * h / 4),
            image.pixel(3 * w / 4, 3 * h / 4)};
}

// The row of the dialog's list that shows the file, once the dialog has read its folder.
QModelIndex itemNamed(const QListView *list, const QString &name)
{
    const QModelIndexList found = list->model()->match(list->model()->index(0, 0, list->rootIndex()), Qt::DisplayRole,
                                                       name, 1, Qt::MatchExactly);
    return found.value(0);
}

const QString unreadable = u"この画像は読み込めません。"_s;

} // namespace

// The photo dialog's preview of good, damaged, oversized and odd files.
class TestPicturePreview : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(m_dir.emplace().isValid()); }
    void preview_data();
    void preview();
    void standsUprightAsTheLoaderLoads_data();
    void standsUprightAsTheLoaderLoads();
    void damagedOrientationCountsAsUpright_data();
    void damagedOrientationCountsAsUpright();
    void neverReadsPipesDevicesOrHugeFiles_data();
    void neverReadsPipesDevicesOrHugeFiles();
    void photoDialogShowsThePreview();

private:
    QString store(const QString &name, const QByteArray &bytes) const;

    std::optional<QTemporaryDir> m_dir;
};

QString TestPicturePreview::store(const QString &name, const QByteArray &bytes) const
{
    QFile file(m_dir->filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return file.fileName();
}

void TestPicturePreview::preview_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("shown");
    QTest::addColumn<QString>("line");
    const QImage photo = PhotoFiles::quadrants(640, 480);
    const QByteArray jpeg = JpegCodec::encode(photo);
    const QString tooLarge = u"画像が大きすぎるため読み込めません（1億画素まで）。"_s;
    QByteArray hugeBitmap = bitmap(PhotoFiles::quadrants(8, 8));
    qToLittleEndian<qint32>(11000, hugeBitmap.data() + 18);
    qToLittleEndian<qint32>(10000, hugeBitmap.data() + 22);
    QTest::newRow("JPEG") << u"a.jpg"_s << jpeg << QSize(200, 150) << u"640 × 480 ピクセル"_s;
    QTest::newRow("bitmap") << u"a.BMP"_s << bitmap(photo) << QSize(200, 150) << u"640 × 480 ピクセル"_s;
    QTest::newRow("small, never enlarged")
        << u"s.jpeg"_s << JpegCodec::encode(PhotoFiles::quadrants(90, 60)) << QSize(90, 60) << u"90 × 60 ピクセル"_s;
    QTest::newRow("decoded at an eighth") << u"big.jpg"_s << JpegCodec::encode(PhotoFiles::quadrants(3200, 1600))
                                          << QSize(200, 100) << u"3200 × 1600 ピクセル"_s;
    QTest::newRow("truncated JPEG") << u"t.jpg"_s << jpeg.left(jpeg.size() / 2) << QSize() << unreadable;
    QTest::newRow("garbage bitmap") << u"g.bmp"_s << QByteArray("BMgarbage") << QSize() << unreadable;
    QTest::newRow("JPEG of 400 megapixels")
        << u"huge.jpg"_s << PhotoFiles::jpegClaiming(20000, 20000) << QSize() << tooLarge;
    QTest::newRow("bitmap of 110 megapixels") << u"huge.bmp"_s << hugeBitmap << QSize() << tooLarge;
    QTest::newRow("PNG") << u"p.png"_s << QByteArray("\x89PNG") << QSize()
                         << u"JPEG と BMP の画像だけを読み込めます。"_s;
}

void TestPicturePreview::preview()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, shown);
    QFETCH(QString, line);
    const PicturePreview preview = previewPicture(store(name, bytes), QSize(200, 200));
    QCOMPARE(preview.picture.isNull() ? QSize() : preview.picture.size(), shown);
    QCOMPARE(previewLine(preview), line);
}

void TestPicturePreview::standsUprightAsTheLoaderLoads_data()
{
    QTest::addColumn<int>("orientation");
    for (int o = 1; o <= 8; ++o)
        QTest::addRow("orientation %d", o) << o;
}

// In a box that is not square, a turned photo must be decoded for the box turned with it.
void TestPicturePreview::standsUprightAsTheLoaderLoads()
{
    QFETCH(int, orientation);
    const QImage upright = PhotoFiles::quadrants(640, 320);
    const QString path = store(
        u"phone.jpg"_s, PhotoFiles::jpegWithOrientation(PhotoFiles::storedFor(upright, orientation), orientation));
    const PicturePreview preview = previewPicture(path, QSize(200, 120));
    QCOMPARE(preview.fullSize, QSize(640, 320));
    QCOMPARE(preview.picture.size(), QSize(200, 100));
    const QList<QRgb> want = quadrantColours(upright);
    const QList<QRgb> loaded = quadrantColours(PictureFile::load(path));
    const QList<QRgb> shown = quadrantColours(preview.picture);
    for (int i = 0; i < 4; ++i) {
        for (const QRgb got : {loaded[i], shown[i]}) {
            QVERIFY2(qAbs(qRed(got) - qRed(want[i])) + qAbs(qGreen(got) - qGreen(want[i]))
                             + qAbs(qBlue(got) - qBlue(want[i]))
                         < 60,
                     qPrintable(u"quadrant %1: %2"_s.arg(i).arg(got, 0, 16)));
        }
    }
}

void TestPicturePreview::damagedOrientationCountsAsUpright_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("orientation");
    QTest::newRow("Motorola order") << PhotoFiles::exifWithOrientation(8, true) << 8;
    QTest::newRow("cut inside the entry") << PhotoFiles::exifWithOrientation(6).left(20) << 1;
    QTest::newRow("directory past the end") << PhotoFiles::exifWithOrientation(6).replace(10, 1, "\xFF") << 1;
    QTest::newRow("a long, not a short") << PhotoFiles::exifWithOrientation(6).replace(18, 1, "\x04") << 1;
    QTest::newRow("9") << PhotoFiles::exifWithOrientation(9) << 1;
}

void TestPicturePreview::damagedOrientationCountsAsUpright()
{
    QFETCH(QByteArray, payload);
    QFETCH(int, orientation);
    QCOMPARE(ExifOrientation::fromApp1(payload), orientation);
}

void TestPicturePreview::neverReadsPipesDevicesOrHugeFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("line");
    QTest::newRow("pipe") << u"pipe"_s << u"画像のファイルではありません。"_s;
    QTest::newRow("device") << u"device"_s << u"画像のファイルではありません。"_s;
    QTest::newRow("file past the size cap") << u"sparse"_s << u"ファイルが大きすぎるため読み込めません。"_s;
    QTest::newRow("missing") << u"missing"_s << u"ファイルを開けません。"_s;
    QTest::newRow("folder") << u"folder"_s << QString();
}

// Each would block, or read for long, if it were opened and read: the answer comes at once.
void TestPicturePreview::neverReadsPipesDevicesOrHugeFiles()
{
    QFETCH(QString, kind);
    QFETCH(QString, line);
    const QString path = m_dir->filePath(u"photo.jpg"_s);
    if (kind == u"pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == u"device")
        QVERIFY(QFile::link(u"/dev/zero"_s, path));
    else if (kind == u"sparse")
        QVERIFY(QFile(store(u"photo.jpg"_s, "\xFF\xD8")).resize(maxPictureFileBytes + 1));
    else if (kind == u"folder")
        QVERIFY(QDir().mkdir(path));
    QElapsedTimer timer;
    timer.start();
    const PicturePreview preview = previewPicture(path, QSize(200, 200));
    QVERIFY2(timer.elapsed() < 1000, "the preview read the file");
    QVERIFY(preview.picture.isNull());
    QCOMPARE(previewLine(preview), line);
}

// The real dialog, Qt's own rather than the desktop's: the title and filters it always had, and
// beside the list a preview that follows the player's clicks.
void TestPicturePreview::photoDialogShowsThePreview()
{
    const QString photo = store(u"photo.jpg"_s, JpegCodec::encode(PhotoFiles::quadrants(640, 480)));
    store(u"broken.jpg"_s, "\xFF\xD8 broken");
    QString title;
    QStringList filters, lines;
    QList<QSize> pictures;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll.stop();
        // Opens the last file clicked; a check that failed before leaves it to cancel.
        const auto closeDialog = qScopeGuard([dialog] {
            QMetaObject::invokeMethod(dialog, "accept");
            if (dialog->isVisible())
                dialog->reject();
        });
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        auto *line = dialog->findChild<QLabel *>(u"previewLine"_s);
        auto *picture = dialog->findChild<QLabel *>(u"previewPicture"_s);
        auto *list = dialog->findChild<QListView *>(u"listView"_s);
        QVERIFY(line && picture && list && line->isVisible());
        dialog->setDirectory(m_dir->path());
        for (const QString &name : {u"broken.jpg"_s, u"photo.jpg"_s}) {
            QModelIndex item;
            QTRY_VERIFY((item = itemNamed(list, name)).isValid());
            const QString before = line->text();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(item).center());
            QTRY_VERIFY(!line->text().isEmpty() && line->text() != before);
            lines << line->text();
            pictures << picture->pixmap().size();
        }
    });
    poll.start(10);
    QtDialogs dialogs;
    const QString filter = u"グラフィックファイル (*.jpg;*.jpeg;*.bmp)|*.jpg;*.jpeg;*.bmp|"
                           u"JPEG イメージファイル (*.jpg)|*.jpg|ビットマップ (*.bmp)|*.bmp"_s;
    QCOMPARE(dialogs.openPicture(u"顔の読み込み"_s, filter), photo);
    QCOMPARE(title, u"顔の読み込み"_s);
    QCOMPARE(filters, toQtFileFilter(filter).split(u";;"_s));
    QCOMPARE(lines, (QStringList{unreadable, u"640 × 480 ピクセル"_s}));
    QCOMPARE(pictures, (QList<QSize>{QSize(0, 0), QSize(200, 150)}));
}

QTEST_MAIN(TestPicturePreview)
#include "tst_picture_preview.moc"
