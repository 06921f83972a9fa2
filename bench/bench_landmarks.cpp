#include "bench_landmarks.h"

#include "creation/LandmarkOutlines.h"
#include "creation/PartCutout.h"
#include "creation/PictureFit.h"
#include "creation/SourcePicture.h"
#include "platform/FaceLandmarks.h"
#include "platform/PictureFile.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QPolygonF>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The photographs among the shipped faces; the others are drawings.
const char *const Photos[] = {"face2_0.jpg", "face3_0.jpg"};
const char *const PartNames[] = {"", "right eye", "left eye", "nose", "mouth"};

QImage shownOnSurface(const QString &path)
{
    const QImage picture = PictureFile::load(path);
    QImage surface(300, 300, QImage::Format_RGB32);
    surface.fill(Qt::white);
    drawSourcePicture(surface, picture, fitIntoFaceBox(picture.size()));
    return surface;
}

QRectF boxOf(const QVector<QPointF> &points)
{
    return QPolygonF(points).boundingRect();
}

// What the press does to the surface, without the widgets: find, outline, colour, cut, fill.
int pressOnce(QImage surface)
{
    const QVector<QPointF> landmarks = FaceLandmarks::largestFace(surface);
    if (landmarks.size() != LandmarkCount)
        return 0;
    const std::array<QVector<QPoint>, 5> outlines = outlinesFromLandmarks(landmarks);
    const QImage clean = surface;
    std::array<QColor, 5> colours;
    for (int k = 1; k <= 4; ++k) {
        colours[k] = colourBeside(clean, outlines[k], surface.rect());
        const QRect box = QPolygon(outlines[k]).boundingRect();
        cutOutPart(clean, box.adjusted(0, 0, -1, -1));
    }
    for (int k = 1; k <= 4; ++k)
        fillPart(surface, outlines[k], colours[k]);
    return 4;
}

void benchPhoto(const QString &path)
{
    const QImage surface = shownOnSurface(path);
    std::vector<double> times;
    int parts = 0;
    for (int run = 0; run < 21; ++run) {
        QElapsedTimer timer;
        timer.start();
        parts = pressOnce(surface);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    const QByteArray name = QFileInfo(path).fileName().toUtf8();
    std::printf("%-44s %10.1f ms median (%.1f .. %.1f), %s\n", QByteArray("automatic outlines, " + name).constData(),
                times[times.size() / 2], times.front(), times.back(), parts ? "face found" : "no face found");
    if (!parts)
        return;
    const QVector<QPointF> landmarks = FaceLandmarks::largestFace(surface);
    const std::array<QVector<QPoint>, 5> outlines = outlinesFromLandmarks(landmarks);
    for (int k = 1; k <= 4; ++k) {
        const QVector<QPointF> points = partLandmarks(landmarks, k);
        QVector<QPointF> outline;
        for (const QPoint &p : outlines[k])
            outline.append(QPointF(p));
        const QPolygonF polygon(outline);
        const auto inside = std::count_if(points.begin(), points.end(),
                                          [&](const QPointF &p) { return polygon.containsPoint(p, Qt::OddEvenFill); });
        const QRectF landmarkBox = boxOf(points);
        const QRectF outlineBox = boxOf(outline);
        std::printf("    %-10s landmarks inside %3d %%   box %5.1f x %5.1f vs landmarks %5.1f x %5.1f: %4.2f x area\n",
                    PartNames[k], int(100 * inside / points.size()), outlineBox.width(), outlineBox.height(),
                    landmarkBox.width(), landmarkBox.height(),
                    outlineBox.width() * outlineBox.height() / (landmarkBox.width() * landmarkBox.height()));
    }
}

} // namespace

void benchLandmarks(const QString &dataDir)
{
    if (!FaceLandmarks::modelPresent()) {
        std::printf("automatic outlines: no landmark model at %s\n", qPrintable(FaceLandmarks::defaultModelPath()));
        return;
    }
    QFuture<void> load = FaceLandmarks::startLoading();
    load.waitForFinished();
    std::printf("%-44s %10lld ms (in the background)\n", "load the landmark model",
                static_cast<long long>(FaceLandmarks::loadMilliseconds()));
    for (const char *photo : Photos)
        benchPhoto(dataDir + QLatin1String(photo));
}
