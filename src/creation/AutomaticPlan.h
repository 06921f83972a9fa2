#pragma once

#include "creation/PictureOutlines.h"
#include "creation/ZoomCrop.h"

#include <QPointF>
#include <QRect>
#include <QSize>
#include <QVector>

#include <optional>

// Where the automatic outlines of one face go, worked out before anything is drawn.
struct AutomaticPlan
{
    std::optional<QRect> frame; // the zoom rectangle on the face box, when the face is small
    ZoomCrop zoom;              // what that zoom crops from the picture and how it then shows
    QSize display;              // the picture's size on the face box once the plan is done
    QVector<QPointF> landmarks; // the face's landmarks on the face box once the plan is done
    PictureOutlines outlines;   // the outlines there, kept to the picture
};

// The plan for the face whose 68 landmarks are given in the pixels of a picture of size
// `picture`, shown at `display`: framed when small (FaceFraming) and `frameSmallFace`, then
// outlined on what the face box shows.
AutomaticPlan planOutlines(const QVector<QPointF> &landmarks, QSize picture, QSize display, bool frameSmallFace = true);
