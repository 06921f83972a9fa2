// Benchmarks of the file work the game does while the player waits (reading the index is
// bench_index.cpp's): decoding face pictures, deleting a face, opening the gallery and its slideshow. Each is
// quoted as a ratio against a baseline measured in the same run on the same machine, so the
// figures compare across machines.

#include "bench_landmarks.h"
#include "creation_bench.h"
#include "replay_bench.h"
#include "app/MainWindow.h"
#include "library/DeletionFiles.h"
#include "library/DeletionPlan.h"
#include "library/FacePaths.h"
#include "library/LibraryIndex.h"
#include "platform/system/Chance.h"
#include "platform/widgets/Desktop.h"
#include "platform/widgets/Dialogs.h"
#include "platform/pictures/JpegCodec.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QApplication>
#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

// The best of several runs, in microseconds, to keep scheduler noise out.
double bestMicroseconds(int runs, const std::function<void()> &work)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1000.0);
    }
    return best;
}

void report(const char *what, double measured, const char *baseline, double base)
{
    std::printf("%-44s %10.1f us   %5.2f x %s (%.1f us)\n", what, measured, measured / base, baseline, base);
}

QImage facePicture()
{
    QImage image(300, 300, QImage::Format_RGB32);
    image.fill(QColor(240, 220, 200));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 40; ++i) {
        painter.setBrush(QColor::fromHsv(i * 9, 160, 200));
        painter.drawEllipse(QPoint(20 + i * 7, 30 + (i * 37) % 240), 25, 18);
    }
    return image;
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

// A library of `faces` faces, each with six pictures of the given bytes, in a fresh folder.
void makeLibrary(const QString &appDir, int faces, const QByteArray &picture)
{
    QDir(appDir).removeRecursively();
    QDir().mkpath(appDir + QStringLiteral("data"));
    QByteArray text = "[faces]\r\ncount=" + QByteArray::number(faces) + "\r\n";
    for (int n = 0; n < faces; ++n) {
        text += "[" + QByteArray::number(n) + "]\r\nName=face" + QByteArray::number(n) + "\r\n";
        for (const char *key : {"X1", "X2", "X3", "X4", "Y1", "Y2", "Y3", "Y4"})
            text += QByteArray(key) + "=" + QByteArray::number(n % 300) + "\r\n";
        for (int k = 0; k < 6; ++k)
            writeBytes(FacePaths::facePicture(appDir, n, k), picture);
    }
    writeBytes(FacePaths::indexFile(appDir), text + "[TitleFace]\r\nNO=-1\r\n[BGM]\r\nPlay=1\r\n");
}

// The best of several runs of work, each on a fresh library made by prepare (not timed).
double bestMicrosecondsPrepared(int runs, const std::function<void()> &prepare, const std::function<void()> &work)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        prepare();
        best = std::min(best, bestMicroseconds(1, work));
    }
    return best;
}

void benchDeletion(const QString &appDir, const QByteArray &picture)
{
    constexpr int faces = 1000;
    const QString libraryDir = appDir + QStringLiteral("deletion/");
    auto prepare = [&] { makeLibrary(libraryDir, faces, picture); };
    prepare();
    // The face table is in memory when the player deletes, so it is read before the clock starts.
    const QVector<TFaceData> before = loadLibraryIndex(libraryDir, 10000).Faces;
    // What "削除" does with face 0: the whole new index, then the journalled moves.
    const double deletion = bestMicrosecondsPrepared(3, prepare, [&] {
        QFile index(FacePaths::indexFile(libraryDir));
        index.open(QIODevice::ReadOnly);
        DeletionJournal journal;
        journal.faceCount = faces;
        journal.deleted = 0;
        journal.newIndex = ProfileText::withEdits(
            index.readAll(), DeletionPlan::indexEdits(DeletionPlan::facesAfter(before, 0), 0, -1, -1, 10000));
        DeletionFiles(libraryDir).run(journal);
    });
    // Baseline: the same deletion with every later face's pictures copied down one by one (run
    // once: it takes seconds).
    const double naive = bestMicrosecondsPrepared(1, prepare, [&] {
        QFile index(FacePaths::indexFile(libraryDir));
        index.open(QIODevice::ReadOnly);
        const QByteArray text = ProfileText::withEdits(
            index.readAll(), DeletionPlan::indexEdits(DeletionPlan::facesAfter(before, 0), 0, -1, -1, 10000));
        index.close();
        for (int j = 0; j < faces - 1; ++j) {
            for (int k = 0; k < 6; ++k) {
                QFile::remove(FacePaths::facePicture(libraryDir, j, k));
                QFile::copy(FacePaths::facePicture(libraryDir, j + 1, k), FacePaths::facePicture(libraryDir, j, k));
            }
        }
        for (int k = 0; k < 6; ++k)
            QFile::remove(FacePaths::facePicture(libraryDir, faces - 1, k));
        writeBytes(FacePaths::indexFile(libraryDir), text);
    });
    report("delete face 0 of 1000 faces", deletion, "copying the pictures down", naive);
}

// Dialogs that never block: the benchmark has nobody to answer them.
class SilentDialogs : public Dialogs
{
public:
    void showMessage(const QString &) override {}
    void showError(const QString &text) override { std::printf("error: %s\n", qPrintable(text)); }
    bool askYesNo(const QString &) override { return false; }
    QString openFile(const QString &, const QString &) override { return {}; }
    QString openPicture(const QString &, const QString &) override { return {}; }
};

class FixedChanceForBench : public Chance
{
public:
    void reseed() override {}
    int below(int) override { return 0; }
    QDateTime now() const override { return QDateTime(QDate(2025, 1, 2), QTime(3, 4, 5)); }
};

class NoDesktop : public Desktop
{
public:
    bool openFile(const QString &) override { return true; }
    bool openAddress(const QString &) override { return true; }
};

// A program folder of two faces and `works` works named as games are, each holding `work`.
// Gives the works folder.
QString makeWorks(const QString &programDir, int works, const QByteArray &picture, const QByteArray &work)
{
    makeLibrary(programDir, 2, picture);
    const QString folder = FacePaths::worksFolder(programDir);
    QDir().mkpath(folder);
    for (int i = 0; i < works; ++i)
        writeBytes(
            folder + QStringLiteral("/face%1_2025%2_%3.jpg").arg(i % 7).arg(i, 10, 10, QLatin1Char('0')).arg(i % 301),
            work);
    return folder;
}

// The main window on a program folder, its opening run through and face selection entered,
// with silent dialogs and no music.
struct WindowOnFaceSelection
{
    explicit WindowOnFaceSelection(const QString &programDir) : form(servicesFor(programDir))
    {
        form.show();
        form.widgets().tickTimer->stop();
        for (int i = 0; i < 8; ++i)
            form.tick();
        form.selectButtonClicked();
    }

    MainWindowServices servicesFor(const QString &programDir)
    {
        MainWindowServices services;
        services.appDir = programDir;
        services.dialogs = &dialogs;
        services.chance = &chance;
        services.desktop = &desktop;
        services.music = false;
        return services;
    }

    SilentDialogs dialogs;
    FixedChanceForBench chance;
    NoDesktop desktop;
    MainWindow form;
};

void benchGallery(const QString &appDir, const QByteArray &picture)
{
    constexpr int works = 10000;
    const QString programDir = appDir + QStringLiteral("gallery/");
    // Listing decodes nothing, so the works may be empty files.
    const QString folder = makeWorks(programDir, works, picture, QByteArray());
    WindowOnFaceSelection window(programDir);
    MainWindow &form = window.form;
    QCoreApplication::processEvents();

    double best = 1e300;
    for (int i = 0; i < 5; ++i) {
        best = std::min(best, bestMicroseconds(1, [&] {
                            form.openGallery();
                            QCoreApplication::processEvents();
                        }));
        form.selectButtonClicked();
        QCoreApplication::processEvents();
    }
    // Baseline: the names of the folder's entries, the least any listing must read.
    const double names = bestMicroseconds(5, [&] { QDir(folder).entryList(QDir::NoFilter, QDir::Unsorted); });
    report("open the gallery on 10000 works", best, "reading the folder's names", names);
    form.hide();
}

// The first work of the slideshow on a folder of 10000 readable works: from the command to the
// picture ready to draw, which needs the folder listed and one work read, not all of them.
void benchSlideshow(const QString &appDir, const QByteArray &picture)
{
    constexpr int works = 10000;
    const QString programDir = appDir + QStringLiteral("slideshow/");
    const QString folder = makeWorks(programDir, works, picture, picture);
    WindowOnFaceSelection window(programDir);
    MainWindow &form = window.form;
    form.openGallery();
    QCoreApplication::processEvents();

    auto firstSlide = [&] {
        form.startSlideshow();
        while (form.slideshow() && form.slideshow()->shownWork().isEmpty())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    };
    auto leave = [&] {
        if (form.slideshow())
            form.slideshow()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    double fromGallery = 1e300;
    double fromMenu = 1e300;
    for (int i = 0; i < 5; ++i) {
        fromGallery = std::min(fromGallery, bestMicroseconds(1, firstSlide));
        leave();
        // The same with the gallery's own listing of the folder before it.
        form.selectButtonClicked();
        fromMenu = std::min(fromMenu, bestMicroseconds(1, [&] {
                                form.openGallery();
                                firstSlide();
                            }));
        leave();
    }
    // Baseline: the names of the folder's entries, the least any listing must read.
    const double names = bestMicroseconds(5, [&] { QDir(folder).entryList(QDir::NoFilter, QDir::Unsorted); });
    report("first slide of 10000 works, gallery open", fromGallery, "reading the folder's names", names);
    report("first slide of 10000 works, with listing", fromMenu, "reading the folder's names", names);
    form.hide();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--load-peak")
        return reportLoadPeak(QString::fromLocal8Bit(argv[2]));
    if (argc == 2 && QByteArray(argv[1]) == "--landmarks-only") {
        benchLandmarks(QStringLiteral(PETARA_DATA_DIR));
        return 0;
    }
    if (argc == 2 && QByteArray(argv[1]) == "--slideshow-only") {
        QTemporaryDir dir;
        benchSlideshow(dir.path() + QLatin1Char('/'), JpegCodec::encode(facePicture()));
        return 0;
    }
    if (argc == 2 && QByteArray(argv[1]) == "--replay-only") {
        benchReplay();
        benchReplayOfAGame();
        return 0;
    }
    QTemporaryDir dir;
    const QString appDir = dir.path() + QLatin1Char('/');

    const QImage picture = facePicture();
    const QByteArray jpeg = JpegCodec::encode(picture);
    const double decode = bestMicroseconds(50, [&] { JpegCodec::decode(jpeg, QStringLiteral("face.jpg")); });
    // Baseline: Qt's own JPEG reader on the same bytes.
    const double qtDecode = bestMicroseconds(50, [&] {
        QBuffer buffer;
        buffer.setData(jpeg);
        QImageReader reader(&buffer, "jpeg");
        reader.read();
    });
    report("decode a 300x300 face picture", decode, "Qt's JPEG reader", qtDecode);

    const double encode = bestMicroseconds(50, [&] { JpegCodec::encode(picture); });
    const double qtEncode = bestMicroseconds(50, [&] {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        picture.save(&buffer, "jpeg", 90);
    });
    report("encode a 300x300 work at quality 90", encode, "Qt's JPEG writer", qtEncode);

    benchFaceCreation(appDir, QCoreApplication::applicationFilePath());
    benchDeletion(appDir, jpeg);
    benchGallery(appDir, jpeg);
    benchSlideshow(appDir, jpeg);
    benchReplay();
    benchReplayOfAGame();
    benchLandmarks(QStringLiteral(PETARA_DATA_DIR));
    return 0;
}
