// Reading the index and the hall of fame at start-up, against the least any reader must do:
// reading the same file and splitting it into lines. The ratio stays flat from a small library
// to a huge one when the reading takes time in step with the file.

#include "library/HallOfFameFile.h"
#include "library/LibraryIndex.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

QByteArray indexText(int faces)
{
    QByteArray text = "[faces]\r\ncount=" + QByteArray::number(faces) + "\r\n";
    for (int n = 0; n < faces; ++n) {
        text += "[" + QByteArray::number(n) + "]\r\nName=face" + QByteArray::number(n) + "\r\n";
        for (const char *key : {"X1", "X2", "X3", "X4", "Y1", "Y2", "Y3", "Y4"})
            text += QByteArray(key) + "=" + QByteArray::number(n % 300) + "\r\n";
    }
    return text + "[TitleFace]\r\nNO=0\r\n[BGM]\r\nPlay=1\r\n";
}

double microseconds(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1000.0;
}

// The best of several alternating runs of each, so that a busy machine slows both alike.
void benchIndex(const QString &appDir, int faces, int runs)
{
    QFile file(appDir + QStringLiteral("data/facedata.ini"));
    if (!file.open(QIODevice::WriteOnly) || file.write(indexText(faces)) < 0)
        qFatal("cannot write the index");
    file.close();

    double load = 1e300;
    double lines = 1e300;
    int loaded = 0;
    for (int i = 0; i < runs; ++i) {
        load = std::min(load, microseconds([&] { loaded = int(loadLibraryIndex(appDir, 12500).Faces.size()); }));
        lines = std::min(lines, microseconds([&] {
                             QFile in(file.fileName());
                             if (in.open(QIODevice::ReadOnly)) {
                                 volatile qsizetype count = in.readAll().split('\n').size();
                                 (void)count;
                             }
                         }));
    }
    if (loaded != faces)
        qFatal("the index loaded %d faces, not %d", loaded, faces);
    std::printf("load index of %5d faces %10.1f us   %5.2f x reading its lines (%.1f us)\n", faces, load, load / lines,
                lines);
}

// Every face with a full hall.
void benchHallOfFame(const QString &appDir, int faces, int runs)
{
    HallOfFame hall;
    const QDateTime played(QDate(2008, 3, 5), QTime(14, 7, 9));
    for (int n = 0; n < faces; ++n) {
        for (int k = 0; k < HallOfFame::Places; ++k)
            hall.enter(QStringLiteral("顔%1").arg(n), {QStringLiteral("プレイヤー%1").arg(k), 300 - k, played});
    }
    HallOfFameFile::save(appDir, hall);

    double load = 1e300;
    double lines = 1e300;
    for (int i = 0; i < runs; ++i) {
        load = std::min(load, microseconds([&] {
                            if (HallOfFameFile::load(appDir).hall.faces().size() != faces)
                                qFatal("the hall of fame did not load whole");
                        }));
        lines = std::min(lines, microseconds([&] {
                             QFile in(appDir + QStringLiteral("data/halloffame.txt"));
                             if (in.open(QIODevice::ReadOnly)) {
                                 volatile qsizetype count = in.readAll().split('\n').size();
                                 (void)count;
                             }
                         }));
    }
    std::printf("load hall of %5d faces  %10.1f us   %5.2f x reading its lines (%.1f us)\n", faces, load, load / lines,
                lines);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTemporaryDir dir;
    const QString appDir = dir.path() + QLatin1Char('/');
    QDir(appDir).mkpath(QStringLiteral("data"));
    benchIndex(appDir, 100, 200);
    benchIndex(appDir, 1000, 40);
    benchIndex(appDir, 10000, 10);
    benchHallOfFame(appDir, 100, 200);
    benchHallOfFame(appDir, 1000, 40);
    benchHallOfFame(appDir, 10000, 10);
    return 0;
}
