#include "support/MadeLandmarks.h"

#include <cmath>

QVector<QPointF> madeLandmarks(double scale, QPointF centre)
{
    QVector<QPointF> p(68);
    for (int i = 0; i <= 16; ++i) // jaw, left of the picture to right
        p[i] = QPointF(-1.6 + 0.2 * i, 0.2 + (i <= 8 ? 0.12 * i : 0.12 * (16 - i)));
    for (int i = 17; i <= 26; ++i) // brows
        p[i] = QPointF(-1.2 + 0.25 * (i - 17), -0.5);
    for (int i = 27; i <= 30; ++i) // bridge down to the tip
        p[i] = QPointF(0, -0.3 + 0.2 * (i - 27));
    const double nostrils[5][2] = {{-0.3, 0.45}, {-0.15, 0.5}, {0, 0.52}, {0.15, 0.5}, {0.3, 0.45}};
    for (int i = 0; i < 5; ++i)
        p[31 + i] = QPointF(nostrils[i][0], nostrils[i][1]);
    const double eye[6][2] = {{-0.5, 0}, {-0.35, -0.1}, {-0.15, -0.1}, {0, 0}, {-0.15, 0.08}, {-0.35, 0.08}};
    for (int i = 0; i < 6; ++i) // the subject's right eye, outer corner 36 first
        p[36 + i] = QPointF(-0.5 + eye[i][0], -0.2 + eye[i][1]);
    // The left eye mirrors the right one: inner corner 42 first, outer corner 45.
    const int mirror[6] = {3, 2, 1, 0, 5, 4};
    for (int i = 0; i < 6; ++i)
        p[42 + i] = QPointF(-p[36 + mirror[i]].x(), p[36 + mirror[i]].y());
    for (int i = 0; i < 12; ++i) { // outer lip line, an ellipse from the right corner
        const double a = M_PI * i / 6.0;
        p[48 + i] = QPointF(-0.45 * std::cos(a), 0.9 - 0.18 * std::sin(a));
    }
    for (int i = 0; i < 8; ++i) { // inner lip line
        const double a = M_PI * i / 4.0;
        p[60 + i] = QPointF(-0.3 * std::cos(a), 0.9 - 0.06 * std::sin(a));
    }
    for (QPointF &point : p)
        point = centre + point * scale * 2.0;
    return p;
}
