#pragma once

#include <QImage>
#include <QPoint>
#include <QVector>

#include <array>

// The six pictures of a new face and where each piece belongs on the face picture.
// Parts: 0 right eye (the face's own, on the viewer's left), 1 left eye, 2 nose, 3 mouth.
struct FacePictures
{
    QImage whole;          // the clean picture, display size
    QImage parts[4];       // each outline's box, copied from the clean picture
    QImage outline;        // the picture with every part filled, display size
    QPoint partTopLeft[4]; // each box's top-left corner
};

// Makes a face exactly as face creation does when the parts are outlined in order 0..3
// with their default fill colours: each part is filled with the colour found under its
// first point at the moment the outlining of that part begins.
FacePictures makeFacePictures(const QImage &source, const std::array<QVector<QPoint>, 4> &outlines);
