#pragma once

#include <QPointF>
#include <QVector>

// 68 landmarks laid out as a frontal face, made without the landmark model, in picture
// pixels: the outer eye corners stand 4 × `scale` apart, each eye `scale` wide, the bridge
// of the nose runs down to `centre`, and the face reaches from s above the centre (the
// brows) to 2.3 s below it (the chin), 3.2 s to either side.
QVector<QPointF> madeLandmarks(double scale = 40.0, QPointF centre = QPointF(150, 150));
