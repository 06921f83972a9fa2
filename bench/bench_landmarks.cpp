#include "bench_landmarks.h"

#include "creation/AutomaticPlan.h"
#include "creation/FaceFraming.h"
#include "creation/FaceSearch.h"
#include "creation/LandmarkOutlines.h"
#include "creation/PartCutout.h"
#include "creation/PictureFit.h"
#include "creation/SkinSample.h"
#include "creation/SourcePicture.h"
#include "lib/DrawnFaces.h"
#include "lib/TestPhotos.h"
#include "platform/landmarks/FaceLandmarks.h"
#include "platform/pictures/PictureFile.h"

#include <QElapsedTimer>
#include <QLineF>
#include <QPolygonF>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// What one press gives: the plan, and the pieces' widths on the face box.
struct Press
{
    int faces = 0;
    AutomaticPlan plan;
    std::array<int, 5> widths{};
    // Before any framing: the outer eye corners' distance and the narrower eye piece.
    double eyeSpan = 0;
    int unframedEye = 0;
};

// The press as face creation runs it, without the widgets: search, fit, frame, outline, sample
// the skin, cut the pieces out and fill the holes. `faceIndex` picks the face as further
// presses do; `faces` holds the faces found, searched when empty.
Press pressOnce(const QImage &picture, QVector<QRectF> &faces, int faceIndex = 0)
{
    Press press;
    if (faces.isEmpty())
        faces = FaceSearch::findFaces(picture);
    press.faces = int(faces.size());
    if (faces.isEmpty())
        return press;
    const QVector<QPointF> landmarks = FaceSearch::landmarksOf(picture, faces[faceIndex % faces.size()]);
    press.plan = planOutlines(landmarks, picture.size(), fitIntoFaceBox(picture.size()));
    const AutomaticPlan unframed = planOutlines(landmarks, picture.size(), fitIntoFaceBox(picture.size()), false);
    press.eyeSpan = QLineF(unframed.landmarks[36], unframed.landmarks[45]).length();
    press.unframedEye = std::min(QPolygon(unframed.outlines.outlines[1]).boundingRect().width() - 1,
                                 QPolygon(unframed.outlines.outlines[2]).boundingRect().width() - 1);
    const QImage shownPicture = press.plan.frame ? cutOutPart(picture, press.plan.zoom.crop) : picture;
    QImage surface = blankSurface();
    drawSourcePicture(surface, shownPicture, press.plan.display);
    const QImage clean = surface;
    const QRect shown(QPoint(0, 0), press.plan.display);
    for (int k = 1; k <= 4; ++k) {
        const QVector<QPoint> &outline = press.plan.outlines.outlines[k];
        if (outline.isEmpty())
            continue;
        const QColor colour = skinAround(clean, outline, shown);
        const QRect box = QPolygon(outline).boundingRect().adjusted(0, 0, -1, -1);
        press.widths[k] = box.width();
        cutOutPart(clean, box);
        fillPart(surface, outline, colour);
    }
    return press;
}

// The press before: the detector and the fit on the 300-pixel display copy only.
int oldPress(const QImage &picture)
{
    QImage surface = blankSurface();
    drawSourcePicture(surface, picture, fitIntoFaceBox(picture.size()));
    const QVector<QRectF> faces = FaceLandmarks::detectFaces(surface);
    if (faces.isEmpty())
        return 0;
    return FaceLandmarks::fitLandmarks(surface, faces.first()).size() == LandmarkCount ? 1 : 0;
}

// The median wall time of the runs, and the median processor time they took on all threads:
// on a machine busy with other work the second tells what the press costs.
struct Timing
{
    double wall = 0;
    double processor = 0;
};

double processorMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

Timing medianMilliseconds(int runs, const std::function<void()> &work)
{
    std::vector<double> walls, processors;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        const double processorBefore = processorMilliseconds();
        timer.start();
        work();
        walls.push_back(timer.nsecsElapsed() / 1e6);
        processors.push_back(processorMilliseconds() - processorBefore);
    }
    std::sort(walls.begin(), walls.end());
    std::sort(processors.begin(), processors.end());
    return {walls[walls.size() / 2], processors[processors.size() / 2]};
}

// The parts outlined right: every landmark of the part, as the astronaut photograph's own
// landmarks map onto this photo, inside the outline, and the outline's box no more than
// four times the landmarks' box (for the nose, the box of the whole nose, 27 to 35).
struct Accuracy
{
    int right = 0;
    double error = -1; // mean landmark distance over the outer eye corners' distance
};

Accuracy accuracyOf(const Press &press, const TestPhotos::Photo &photo, const QVector<QPointF> &reference)
{
    Accuracy accuracy;
    if (photo.faces.isEmpty() || press.plan.landmarks.size() != LandmarkCount)
        return accuracy;
    const QRectF region = press.plan.frame ? QRectF(press.plan.zoom.crop)
                                           : QRectF(QPointF(0, 0), QSizeF(photo.picture.size()));
    // The copy of the face that the press took: the one nearest the landmarks found.
    QVector<QPointF> expected;
    double nearest = 1e300;
    for (const QTransform &map : photo.faces) {
        QVector<QPointF> mapped;
        for (const QPointF &p : reference)
            mapped.append(map.map(p));
        mapped = asShown(mapped, region, press.plan.display);
        const double distance = QLineF(mapped[30], press.plan.landmarks[30]).length();
        if (distance < nearest) {
            nearest = distance;
            expected = mapped;
        }
    }
    double sum = 0;
    for (int i = 0; i < LandmarkCount; ++i)
        sum += QLineF(expected[i], press.plan.landmarks[i]).length();
    accuracy.error = sum / LandmarkCount / QLineF(expected[36], expected[45]).length();
    for (int k = 1; k <= 4; ++k) {
        const QVector<QPoint> &outline = press.plan.outlines.outlines[k];
        if (outline.isEmpty())
            continue;
        QPolygonF polygon;
        for (const QPoint &p : outline)
            polygon.append(QPointF(p));
        const QVector<QPointF> points = partLandmarks(expected, k);
        const bool inside = std::all_of(points.begin(), points.end(), [&](const QPointF &p) {
            return polygon.containsPoint(p, Qt::OddEvenFill)
                   || polygon.boundingRect().adjusted(-1, -1, 1, 1).contains(p);
        });
        const QRectF landmarkBox = QPolygonF(k == 3 ? expected.mid(27, 9) : points).boundingRect();
        const QRectF box = polygon.boundingRect();
        if (inside && box.width() * box.height() <= 4 * std::max(1.0, landmarkBox.width() * landmarkBox.height()))
            ++accuracy.right;
    }
    return accuracy;
}

void benchPhoto(const TestPhotos::Photo &photo, const QVector<QPointF> &reference)
{
    const int runs = photo.picture.width() * photo.picture.height() > 4000000 ? 7 : 15;
    Press press;
    const Timing timing = medianMilliseconds(runs, [&] {
        QVector<QRectF> faces;
        press = pressOnce(photo.picture, faces);
    });
    int oldFound = 0;
    const Timing oldTiming = medianMilliseconds(runs, [&] { oldFound = oldPress(photo.picture); });
    const Accuracy accuracy = accuracyOf(press, photo, reference);
    int outlined = 0;
    for (int k = 1; k <= 4; ++k)
        outlined += press.plan.outlines.outlines[k].isEmpty() ? 0 : 1;
    const int eye = std::min(press.widths[1] > 0 ? press.widths[1] : 999, press.widths[2] > 0 ? press.widths[2] : 999);
    std::printf("%-26s %5dx%-5d %5d %6s %4d/%d %6s %5s %7.1f %6.1f %6.1f %5.2fx  (before: %s)\n",
                qPrintable(photo.name), photo.picture.width(), photo.picture.height(), press.faces,
                press.plan.frame ? "yes" : "no", accuracy.right, outlined,
                accuracy.error < 0 ? "-" : qPrintable(QString::number(accuracy.error, 'f', 3)),
                eye == 999 ? "-" : qPrintable(QString::number(eye)), timing.wall, timing.processor, oldTiming.wall,
                timing.wall / oldTiming.wall, oldFound ? "found" : "missed");
    if (press.faces > 0)
        std::printf("%-26s unframed: eye span %.0f, narrower eye piece %d (%.2f of the span)\n", "", press.eyeSpan,
                    press.unframedEye, press.unframedEye / press.eyeSpan);
    if (photo.faces.size() > 1 && press.faces > 1) {
        QVector<QRectF> faces;
        pressOnce(photo.picture, faces);
        const Timing next = medianMilliseconds(runs, [&] { pressOnce(photo.picture, faces, 1); });
        std::printf("%-26s next face: %.1f ms, %.1f ms processor (the faces already found)\n", "", next.wall,
                    next.processor);
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
    const QImage astronaut = PictureFile::load(dataDir + QStringLiteral("face2_0.jpg"));
    QVector<QRectF> own = FaceSearch::findFaces(astronaut);
    if (own.isEmpty()) {
        std::printf("automatic outlines: no face on face2_0.jpg\n");
        return;
    }
    const QVector<QPointF> reference = FaceSearch::landmarksOf(astronaut, own.first());
    std::printf("\nautomatic outlines, from the press to the four filled holes (median), against the press that\n"
                "searched the 300-pixel display copy only (cpu ms: processor time, all threads); parts right of\n"
                "parts outlined; error: mean landmark\n"
                "distance over the eye span, against the astronaut's own landmarks; eye: the narrower eye piece\n");
    std::printf("%-26s %-11s %5s %6s %6s %6s %5s %7s %6s %6s %6s\n", "photo", "size", "faces", "framed", "right",
                "error", "eye", "ms", "cpu ms", "before", "ratio");
    for (const TestPhotos::Photo &photo :
         TestPhotos::variedPhotos(astronaut, DrawnFaces::drawOkame(), DrawnFaces::drawHyottoko()))
        benchPhoto(photo, reference);
}
