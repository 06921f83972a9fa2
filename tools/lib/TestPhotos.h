#pragma once

#include <QImage>
#include <QString>
#include <QTransform>
#include <QVector>

// Photographs made for trying the automatic outlines, composed from the shipped astronaut
// photograph (data/face2_0.jpg, 300 × 300) and the two drawn faces: the situations of real
// photos (a small face in a big room, a group, glasses, a beard, a tilted or turned head, a dark
// or painted picture, a face cut by the picture's edge) made from the one face we may ship.
namespace TestPhotos {

struct Photo
{
    QString name; // file name without extension
    QString how;  // how it was made, one line
    QImage picture;
    // For each copy of the astronaut's face on the picture, the map from the pixels of
    // face2_0.jpg to the picture's; empty for the drawn faces.
    QVector<QTransform> faces;
};

// A room-like background: a wall with a window and a framed picture, a floor, a sofa, with a
// little noise as a camera gives.
QImage room(QSize size);

// The astronaut's head, its studio background faded out beyond an oval around the hair.
QImage head(const QImage &astronaut);

// `picture` with the astronaut's head drawn scaled by `scale`, its top-left corner at
// `at`, then turned by `degrees` about the head's centre; returns the map of face2_0.jpg's
// pixels onto the picture.
QTransform paste(QImage &picture, const QImage &astronaut, QPointF at, double scale, double degrees = 0.0);

// A person standing in a room on a 4000 × 3000 picture, the face about 230 pixels wide.
Photo personInRoom(const QImage &astronaut);
// Two copies of the astronaut side by side, the right one smaller and mirrored.
Photo twoFaces(const QImage &astronaut);
// The astronaut photograph cut under the nose, through the upper lip.
Photo cutUnderNose(const QImage &astronaut);

// Every photo of the varied set, in a fixed order; `okame` and `hyottoko` are the drawn faces.
QVector<Photo> variedPhotos(const QImage &astronaut, const QImage &okame, const QImage &hyottoko);

} // namespace TestPhotos
