#pragma once

#include <QFuture>
#include <QImage>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QVector>

// The frontal faces of a picture and the 68 facial landmarks of one of them, from a trained
// shape model. The model is large, so it is read once per program, on a worker thread; every other
// call belongs to the user-interface thread.
namespace FaceLandmarks {

enum class ModelState { Absent, Loading, Ready, Failed };

// Where the shape model is installed on this system.
QString defaultModelPath();
// Whether a model file stands at `path` (so the feature is offered at all).
bool modelPresent(const QString &path = defaultModelPath());
// Why the automatic outlines cannot be offered on this system (the landmark module or the model
// is not installed), in a line for standard error; empty when both are there.
QString missingPieces(const QString &path = defaultModelPath());
// Starts reading the model from `path` in the background, the first time only; later calls
// return the same load. The future finishes when the model is ready or has failed.
QFuture<void> startLoading(const QString &path = defaultModelPath());
// The model's state now; Absent before the first startLoading or when the file is missing.
ModelState state();
// How long the finished load took on its worker thread, in milliseconds; -1 while unfinished.
qint64 loadMilliseconds();
// The boxes of the frontal faces on the picture, in its pixels, largest first (at most 32);
// empty when none is found or the model is not ready. Faces narrower than about 80 pixels
// are not found: the caller chooses the picture's scale.
QVector<QRectF> detectFaces(const QImage &picture);
// The 68 points, in the picture's pixels and the usual numbering (0-16 jaw, 36-41 the
// subject's right eye ...), of the face that `face` (a box detectFaces gave, in this
// picture's pixels) frames; empty when the model is not ready.
QVector<QPointF> fitLandmarks(const QImage &picture, const QRectF &face);

} // namespace FaceLandmarks
