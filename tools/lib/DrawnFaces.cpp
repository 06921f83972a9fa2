#include "lib/DrawnFaces.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace DrawnFaces {

namespace {

const QColor Ink(30, 22, 20);

// A dot pattern of blue on white, the towel of ひょっとこ.
QBrush towelBrush()
{
    QImage tile(16, 16, QImage::Format_RGB32);
    tile.fill(QColor(250, 250, 246));
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 70, 160));
    p.drawEllipse(QPointF(4, 4), 2.6, 2.6);
    p.drawEllipse(QPointF(12, 12), 2.6, 2.6);
    return QBrush(tile);
}

} // namespace

QImage drawOkame()
{
    QImage image(300, 300, QImage::Format_RGB32);
    image.fill(QColor(250, 236, 206));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Hair behind the head.
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(QRectF(34, 14, 232, 236));

    // The face, widest at the cheeks.
    QPainterPath face;
    face.moveTo(150, 52);
    face.cubicTo(225, 52, 262, 120, 262, 182);
    face.cubicTo(262, 248, 210, 290, 150, 290);
    face.cubicTo(90, 290, 38, 248, 38, 182);
    face.cubicTo(38, 120, 75, 52, 150, 52);
    QRadialGradient skin(QPointF(150, 175), 135);
    skin.setColorAt(0, QColor(255, 253, 248));
    skin.setColorAt(0.75, QColor(253, 246, 236));
    skin.setColorAt(1, QColor(238, 222, 206));
    p.setBrush(skin);
    p.setPen(QPen(QColor(150, 110, 90), 1.5));
    p.drawPath(face);

    // The hair comes down over the forehead in two curves that meet at the parting.
    QPainterPath hair;
    hair.moveTo(30, 190);
    hair.cubicTo(28, 60, 90, 10, 150, 10);
    hair.cubicTo(210, 10, 272, 60, 270, 190);
    hair.cubicTo(262, 130, 235, 85, 190, 78);
    hair.cubicTo(170, 76, 156, 82, 150, 92);
    hair.cubicTo(144, 82, 130, 76, 110, 78);
    hair.cubicTo(65, 85, 38, 130, 30, 190);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawPath(hair);
    p.setPen(QPen(QColor(90, 80, 80), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(150, 14), QPointF(150, 88));

    // Rosy cheeks.
    for (const QPointF centre : {QPointF(90, 200), QPointF(210, 200)}) {
        QRadialGradient blush(centre, 28);
        blush.setColorAt(0, QColor(244, 128, 132, 170));
        blush.setColorAt(1, QColor(244, 128, 132, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(blush);
        p.drawEllipse(centre, 28, 22);
    }

    // Round brows, high on the forehead.
    p.setBrush(QColor(60, 50, 50));
    p.drawEllipse(QRectF(104, 104, 22, 11));
    p.drawEllipse(QRectF(174, 104, 22, 11));

    // Narrow eyes, closed in a smile.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Ink, 3.5, Qt::SolidLine, Qt::RoundCap));
    QPainterPath eyes;
    eyes.moveTo(96, 158);
    eyes.quadTo(114, 142, 132, 157);
    eyes.moveTo(168, 157);
    eyes.quadTo(186, 142, 204, 158);
    p.drawPath(eyes);
    p.setPen(QPen(Ink, 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(97, 157), QPointF(93, 161));
    p.drawLine(QPointF(203, 157), QPointF(207, 161));

    // A small nose.
    p.setPen(QPen(QColor(190, 140, 120), 2, Qt::SolidLine, Qt::RoundCap));
    QPainterPath nose;
    nose.moveTo(146, 165);
    nose.quadTo(143, 184, 140, 192);
    nose.quadTo(150, 198, 160, 192);
    p.drawPath(nose);

    // A small red mouth like a flower bud.
    p.setPen(QPen(QColor(150, 20, 30), 1));
    p.setBrush(QColor(212, 28, 44));
    QPainterPath mouth;
    mouth.moveTo(135, 226);
    mouth.cubicTo(140, 218, 146, 219, 150, 222);
    mouth.cubicTo(154, 219, 160, 218, 165, 226);
    mouth.cubicTo(160, 236, 140, 236, 135, 226);
    p.drawPath(mouth);
    p.setPen(QPen(QColor(130, 10, 20), 1.2));
    p.drawLine(QPointF(137, 226), QPointF(163, 226));
    return image;
}

QImage drawHyottoko()
{
    QImage image(320, 360, QImage::Format_RGB32);
    image.fill(QColor(216, 234, 242));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QColor skinColour(236, 190, 140);
    const QColor line(120, 70, 40);

    // Ears.
    p.setPen(QPen(line, 1.5));
    p.setBrush(skinColour.darker(105));
    p.drawEllipse(QRectF(34, 160, 36, 60));
    p.drawEllipse(QRectF(250, 160, 36, 60));

    // The face, a little lopsided.
    QPainterPath face;
    face.moveTo(160, 70);
    face.cubicTo(240, 70, 270, 140, 268, 210);
    face.cubicTo(266, 290, 215, 340, 160, 340);
    face.cubicTo(100, 340, 52, 292, 52, 210);
    face.cubicTo(52, 140, 82, 70, 160, 70);
    QRadialGradient skin(QPointF(150, 210), 150);
    skin.setColorAt(0, skinColour.lighter(106));
    skin.setColorAt(0.8, skinColour);
    skin.setColorAt(1, skinColour.darker(112));
    p.setBrush(skin);
    p.drawPath(face);

    // The towel over the head, knotted above the right temple with two ends sticking out.
    QPainterPath towel;
    towel.moveTo(46, 178);
    towel.cubicTo(38, 70, 100, 28, 165, 28);
    towel.cubicTo(235, 28, 284, 80, 276, 178);
    towel.cubicTo(262, 140, 250, 122, 240, 118);
    towel.cubicTo(200, 104, 120, 104, 80, 118);
    towel.cubicTo(68, 124, 56, 145, 46, 178);
    p.setPen(QPen(QColor(60, 80, 140), 1.5));
    p.setBrush(towelBrush());
    p.drawPath(towel);
    QPainterPath ends;
    ends.moveTo(250, 60);
    ends.lineTo(296, 30);
    ends.lineTo(304, 52);
    ends.lineTo(262, 74);
    ends.moveTo(254, 72);
    ends.lineTo(300, 96);
    ends.lineTo(288, 114);
    ends.lineTo(250, 86);
    p.drawPath(ends);
    p.drawEllipse(QRectF(236, 56, 30, 30));

    // Raised brows, one higher than the other.
    p.setPen(QPen(Ink, 7, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath brows;
    brows.moveTo(84, 150);
    brows.quadTo(108, 122, 136, 136);
    brows.moveTo(182, 152);
    brows.quadTo(206, 140, 232, 152);
    p.drawPath(brows);

    // The right eye wide open and round.
    p.setPen(QPen(Ink, 2.5));
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(112, 180), 26, 24);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(QPointF(116, 182), 11, 11);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(112, 178), 3, 3);

    // The left eye squeezed small.
    p.setPen(QPen(Ink, 2.5));
    p.setBrush(Qt::white);
    QPainterPath squint;
    squint.moveTo(186, 184);
    squint.quadTo(207, 172, 228, 184);
    squint.quadTo(207, 192, 186, 184);
    p.drawPath(squint);
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(QPointF(205, 183), 5, 5);

    // A round, fleshy nose.
    p.setPen(QPen(line, 2));
    p.setBrush(skinColour.darker(106));
    p.drawEllipse(QRectF(140, 196, 44, 36));
    p.setBrush(line);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(150, 222, 8, 5));
    p.drawEllipse(QRectF(166, 222, 8, 5));

    // The mouth pushed out to one side, pursed round as if blowing through a pipe.
    p.setPen(QPen(line, 2));
    p.setBrush(skinColour.darker(104));
    p.drawEllipse(QRectF(176, 252, 64, 52));
    p.setBrush(QColor(200, 50, 50));
    p.setPen(QPen(QColor(120, 20, 20), 1.5));
    p.drawEllipse(QRectF(196, 262, 36, 32));
    p.setBrush(QColor(60, 10, 10));
    p.drawEllipse(QRectF(205, 270, 18, 16));
    p.setPen(QPen(line, 1.5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 10; ++i) {
        const qreal angle = qDegreesToRadians(36.0 * i + 10);
        const QPointF centre(214, 278);
        p.drawLine(centre + QPointF(std::cos(angle) * 21, std::sin(angle) * 19),
                   centre + QPointF(std::cos(angle) * 27, std::sin(angle) * 24));
    }

    // Puffed cheeks.
    for (const QPointF centre : {QPointF(92, 250), QPointF(236, 236)}) {
        QRadialGradient blush(centre, 24);
        blush.setColorAt(0, QColor(230, 110, 90, 120));
        blush.setColorAt(1, QColor(230, 110, 90, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(blush);
        p.drawEllipse(centre, 24, 20);
    }
    return image;
}

} // namespace DrawnFaces
