#include "platform/ExifOrientation.h"
#include "platform/PictureFile.h"
#include "platform/PictureLimits.h"
#include "platform/PicturePreview.h"
#include "platform/QtDialogs.h"
#include "support/PhotoFiles.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListView>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

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

bool near(QRgb got, QRgb want)
{
    return std::abs(qRed(got) - qRed(want)) <= 40 && std::abs(qGreen(got) - qGreen(want)) <= 40
           && std::abs(qBlue(got) - qBlue(want)) <= 40;
}

// The colours at the middles of the four quadrants.
QList<QRgb> quadrantColours(const QImage &image)
{
    const int w = image.width(), h = image.height();
    return {image.pixel(w / 4, h / 4), image.pixel(3 * w / 4, h / 4), image.pixel(w / 4, 3 * h / 4),
            image.pixel(3 * w / 4, 3 * h / 4)};
}

// The row of the list that shows the file name, once the dialog has read its folder.
QModelIndex itemNamed(const QListView *list, const QString &name)
{
    const QAbstractItemModel *model = list->model();
    for (int row = 0; row < model->rowCount(list->rootIndex()); ++row) {
        const QModelIndex item = model->index(row, 0, list->rootIndex());
        if (item.data().toString() == name)
            return item;
    }
    return QModelIndex();
}

const QString unreadable = u"この画像は読み込めません。"_s;
const QString tooManyPixels = u"画像が大きすぎるため読み込めません（1億画素まで）。"_s;

} // namespace

// The photo dialog's preview: what it shows of good, damaged, oversized and odd files.
class TestPicturePreview : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void showsPictures_data();
    void showsPictures();
    void standsUprightAsTheLoaderLoads_data();
    void standsUprightAsTheLoaderLoads();
    void readsOrientationInEitherByteOrder_data();
    void readsOrientationInEitherByteOrder();
    void refusesWhatTheLoaderRefuses_data();
    void refusesWhatTheLoaderRefuses();
    void neverOpensPipesOrDevices_data();
    void neverOpensPipesOrDevices();
    void folderShowsNothing();
    void photoDialogShowsThePreview();

private:
    QString store(const QString &name, const QByteArray &bytes) const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestPicturePreview::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString TestPicturePreview::store(const QString &name, const QByteArray &bytes) const
{
    const QString path = m_dir->filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return path;
}

void TestPicturePreview::showsPictures_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QSize>("shown");
    QTest::addColumn<QString>("line");
    const QImage wide = PhotoFiles::quadrants(640, 480);
    QTest::newRow("jpeg") << u"a.jpg"_s << JpegCodec::encode(wide) << QSize(200, 150) << u"640 × 480 ピクセル"_s;
    QTest::newRow("bitmap") << u"a.BMP"_s << bitmap(wide) << QSize(200, 150) << u"640 × 480 ピクセル"_s;
    QTest::newRow("small, never enlarged")
        << u"s.jpeg"_s << JpegCodec::encode(PhotoFiles::quadrants(90, 60)) << QSize(90, 60) << u"90 × 60 ピクセル"_s;
    QTest::newRow("decoded at an eighth") << u"big.jpg"_s << JpegCodec::encode(PhotoFiles::quadrants(3200, 1600))
                                          << QSize(200, 100) << u"3200 × 1600 ピクセル"_s;
    QTest::newRow("grey") << u"g.jpg"_s << JpegCodec::encode(wide.convertToFormat(QImage::Format_Grayscale8))
                          << QSize(200, 150) << u"640 × 480 ピクセル"_s;
}

void TestPicturePreview::showsPictures()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QSize, shown);
    QFETCH(QString, line);
    const PicturePreview preview = previewPicture(store(name, bytes), QSize(200, 200));
    QCOMPARE(preview.problem, QString());
    QCOMPARE(preview.picture.size(), shown);
    QCOMPARE(previewLine(preview), line);
    if (!preview.picture.isGrayscale()) {
        const QList<QRgb> want = quadrantColours(PhotoFiles::quadrants(64, 64));
        const QList<QRgb> got = quadrantColours(preview.picture);
        for (int i = 0; i < 4; ++i)
            QVERIFY2(near(got[i], want[i]), qPrintable(QString::number(got[i], 16)));
    }
}

void TestPicturePreview::standsUprightAsTheLoaderLoads_data()
{
    QTest::addColumn<int>("orientation");
    const char *names[] = {"as stored",  "mirrored",     "turned half", "flipped",
                           "transposed", "turned right", "transversed", "turned left"};
    for (int o = 1; o <= 8; ++o)
        QTest::newRow(names[o - 1]) << o;
}

// A box that is not square: a turned photo must be scaled for the box turned with it.
void TestPicturePreview::standsUprightAsTheLoaderLoads()
{
    QFETCH(int, orientation);
    const QImage upright = PhotoFiles::quadrants(640, 320);
    const QString path = store(
        u"phone.jpg"_s, PhotoFiles::jpegWithOrientation(PhotoFiles::storedFor(upright, orientation), orientation));
    const PicturePreview preview = previewPicture(path, QSize(200, 120));
    QCOMPARE(preview.fullSize, QSize(640, 320));
    QCOMPARE(preview.picture.size(), QSize(200, 100));
    const QList<QRgb> loaded = quadrantColours(PictureFile::load(path));
    const QList<QRgb> shown = quadrantColours(preview.picture);
    for (int i = 0; i < 4; ++i) {
        QVERIFY2(near(loaded[i], upright.pixel(i % 2 ? 480 : 160, i < 2 ? 80 : 240)), "the loader's own turn");
        QVERIFY2(near(shown[i], loaded[i]),
                 qPrintable(u"quadrant %1: %2, loaded %3"_s.arg(i).arg(shown[i], 0, 16).arg(loaded[i], 0, 16)));
    }
}

void TestPicturePreview::readsOrientationInEitherByteOrder_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<int>("orientation");
    QTest::newRow("Intel order") << PhotoFiles::exifWithOrientation(6) << 6;
    QTest::newRow("Motorola order") << PhotoFiles::exifWithOrientation(8, true) << 8;
    QTest::newRow("out of range") << PhotoFiles::exifWithOrientation(9) << 1;
    QTest::newRow("no EXIF signature") << PhotoFiles::exifWithOrientation(6).mid(1) << 1;
    QTest::newRow("cut inside the entry") << PhotoFiles::exifWithOrientation(6).left(20) << 1;
    QTest::newRow("empty") << QByteArray() << 1;
    QByteArray farDirectory = PhotoFiles::exifWithOrientation(6);
    farDirectory[10] = '\xFF';
    QTest::newRow("directory past the end") << farDirectory << 1;
    QByteArray longType = PhotoFiles::exifWithOrientation(6);
    longType[18] = 4;
    QTest::newRow("not a short") << longType << 1;
}

void TestPicturePreview::readsOrientationInEitherByteOrder()
{
    QFETCH(QByteArray, payload);
    QFETCH(int, orientation);
    QCOMPARE(ExifOrientation::fromApp1(payload), orientation);
}

void TestPicturePreview::refusesWhatTheLoaderRefuses_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("line");
    const QByteArray jpeg = JpegCodec::encode(PhotoFiles::quadrants(320, 240));
    QTest::newRow("truncated JPEG") << u"t.jpg"_s << jpeg.left(jpeg.size() / 2) << unreadable;
    QTest::newRow("garbage JPEG") << u"g.jpg"_s << QByteArray("\xFF\xD8 broken") << unreadable;
    QTest::newRow("empty JPEG") << u"e.jpg"_s << QByteArray() << unreadable;
    QTest::newRow("bitmap named jpg") << u"b.jpg"_s << bitmap(PhotoFiles::quadrants(8, 8)) << unreadable;
    QTest::newRow("garbage bitmap") << u"g.bmp"_s << QByteArray("BMgarbage that is no bitmap") << unreadable;
    QTest::newRow("header-only bitmap") << u"h.bmp"_s << bitmap(PhotoFiles::quadrants(8, 8)).left(54) << unreadable;
    QTest::newRow("JPEG of 20000 x 20000") << u"huge.jpg"_s << PhotoFiles::jpegClaiming(20000, 20000) << tooManyPixels;
    QTest::newRow("bitmap of 11000 x 10000")
        << u"huge.bmp"_s << PhotoFiles::bitmapHeader(11000, 10000) << tooManyPixels;
    QTest::newRow("a PNG") << u"p.png"_s << QByteArray("\x89PNG") << u"JPEG と BMP の画像だけを読み込めます。"_s;
}

void TestPicturePreview::refusesWhatTheLoaderRefuses()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, line);
    const PicturePreview preview = previewPicture(store(name, bytes), QSize(200, 200));
    QVERIFY(preview.picture.isNull());
    QCOMPARE(previewLine(preview), line);
}

void TestPicturePreview::neverOpensPipesOrDevices_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("line");
    QTest::newRow("pipe") << u"pipe"_s << u"画像のファイルではありません。"_s;
    QTest::newRow("device") << u"device"_s << u"画像のファイルではありません。"_s;
    QTest::newRow("file past the size cap") << u"sparse"_s << u"ファイルが大きすぎるため読み込めません。"_s;
    QTest::newRow("missing") << u"missing"_s << u"ファイルを開けません。"_s;
}

// Each would block or read for long if it were opened and read: the answer must come at once.
void TestPicturePreview::neverOpensPipesOrDevices()
{
    QFETCH(QString, kind);
    QFETCH(QString, line);
    const QString path = m_dir->filePath(u"photo.jpg"_s);
    if (kind == u"pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else if (kind == u"device")
        QVERIFY(QFile::link(u"/dev/zero"_s, path));
    else if (kind == u"sparse") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(maxPictureFileBytes + 1));
    }
    QElapsedTimer timer;
    timer.start();
    const PicturePreview preview = previewPicture(path, QSize(200, 200));
    QVERIFY2(timer.elapsed() < 1000, "the preview read the file");
    QVERIFY(preview.picture.isNull());
    QCOMPARE(previewLine(preview), line);
}

void TestPicturePreview::folderShowsNothing()
{
    const PicturePreview preview = previewPicture(m_dir->path(), QSize(200, 200));
    QVERIFY(preview.picture.isNull());
    QCOMPARE(previewLine(preview), QString());
}

// The real dialog, Qt's own rather than the desktop's: same title and filters as ever, and the
// preview beside the list follows the selection.
void TestPicturePreview::photoDialogShowsThePreview()
{
    const QString photo = store(u"photo.jpg"_s, JpegCodec::encode(PhotoFiles::quadrants(640, 480)));
    const QString broken = store(u"broken.jpg"_s, QByteArray("\xFF\xD8 broken"));
    QString title;
    QStringList filters;
    QStringList lines;
    QList<QSize> shownPictures;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll.stop();
        // Accepts the last file clicked; a check that failed before leaves nothing to accept.
        const auto closeDialog = qScopeGuard([&] {
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
            shownPictures << picture->pixmap().size();
        }
    });
    poll.start(10);
    QtDialogs dialogs;
    const QString filter = u"グラフィックファイル (*.jpg;*.jpeg;*.bmp)|*.jpg;*.jpeg;*.bmp|"
                           u"JPEG イメージファイル (*.jpg)|*.jpg|JPEG イメージファイル (*.jpeg)|*.jpeg|"
                           u"ビットマップ (*.bmp)|*.bmp"_s;
    QCOMPARE(dialogs.openPicture(u"顔の読み込み"_s, filter), photo);
    QCOMPARE(title, u"顔の読み込み"_s);
    QCOMPARE(filters, toQtFileFilter(filter).split(u";;"_s));
    QCOMPARE(lines, (QStringList{unreadable, u"640 × 480 ピクセル"_s}));
    QCOMPARE(shownPictures, (QList<QSize>{QSize(0, 0), QSize(200, 150)}));
}

QTEST_MAIN(TestPicturePreview)
#include "tst_picture_preview.moc"
