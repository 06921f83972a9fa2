#include "creation/AutomaticPlan.h"

#include "creation/FaceFraming.h"

AutomaticPlan planOutlines(const QVector<QPointF> &landmarks, QSize picture, QSize display, bool frameSmallFace)
{
    AutomaticPlan plan;
    plan.display = display;
    plan.landmarks = asShown(landmarks, QRectF(QPointF(0, 0), QSizeF(picture)), display);
    if (frameSmallFace)
        plan.frame = framingFor(plan.landmarks, display);
    if (plan.frame) {
        plan.zoom = zoomCrop(plan.frame->topLeft(),
                             plan.frame->topLeft() + QPoint(plan.frame->width(), plan.frame->height()), picture);
        if (plan.zoom.crop.isEmpty() || plan.zoom.display.isEmpty()) {
            plan.frame.reset();
        } else {
            plan.display = plan.zoom.display;
            plan.landmarks = asShown(landmarks, QRectF(plan.zoom.crop), plan.zoom.display);
        }
    }
    plan.outlines = outlinesOnPicture(plan.landmarks, plan.display);
    return plan;
}
