#include "lib/TestPhotos.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

namespace TestPhotos {

namespace {

// Where the parts lie in face2_0.jpg, measured on it by hand.
const QRectF RightEye(84, 145, 45, 30);
const QRectF LeftEye(155, 151, 55, 27);
// Through the upper lip: the detector finds no face cut higher.
const double UnderNose = 240;
const QRectF Chin(95, 262, 110, 38);

void addNoise(QImage &picture, int amount, quint32 seed)
{
    QRandomGenerator random(seed);
    for (int y = 0; y < picture.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const int d = int(random.bounded(2 * amount + 1)) - amount;
            const QRgb p = line[x];
            line[x] = qRgb(std::clamp(qRed(p) + d, 0, 255), std::clamp(qGreen(p) + d, 0, 255),
                           std::clamp(qBlue(p) + d, 0, 255));
        }
    }
}

QImage canvas(QSize size, QColor colour)
{
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

// The colours of the picture raised to `gamma` and scaled by `gain`.
QImage toned(const QImage &picture, double gain, double gamma)
{
    QImage result = picture.convertToFormat(QImage::Format_RGB32);
    int table[256];
    for (int i = 0; i < 256; ++i)
        table[i] = std::clamp(int(std::lround(255.0 * gain * std::pow(i / 255.0, gamma))), 0, 255);
    for (int y = 0; y < result.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            line[x] = qRgb(table[qRed(line[x])], table[qGreen(line[x])], table[qBlue(line[x])]);
    }
    return result;
}

// Fewer colours and softened detail, as a painting shows a face.
QImage painted(const QImage &picture)
{
    QImage soft = picture.scaled(picture.size() / 3, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      .scaled(picture.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int y = 0; y < soft.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(soft.scanLine(y));
        for (int x = 0; x < soft.width(); ++x)
            line[x] = qRgb(qRed(line[x]) / 24 * 24 + 12, qGreen(line[x]) / 24 * 24 + 12, qBlue(line[x]) / 24 * 24 + 12);
    }
    return soft;
}

Photo onItsOwn(const QString &name, const QString &how, const QImage &picture)
{
    return {name, how, picture, {QTransform()}};
}

} // namespace

QImage room(QSize size)
{
    QImage picture = canvas(size, QColor(226, 214, 190));
    QPainter painter(&picture);
    const double w = size.width();
    const double h = size.height();
    QLinearGradient wall(0, 0, w, 0);
    wall.setColorAt(0, QColor(212, 200, 176));
    wall.setColorAt(1, QColor(236, 226, 204));
    painter.fillRect(QRectF(0, 0, w, h * 0.72), wall);
    painter.fillRect(QRectF(0, h * 0.72, w, h * 0.28), QColor(120, 84, 52));
    painter.fillRect(QRectF(w * 0.06, h * 0.12, w * 0.22, h * 0.34), QColor(250, 250, 245));
    painter.fillRect(QRectF(w * 0.07, h * 0.135, w * 0.2, h * 0.31), QColor(170, 200, 228));
    painter.fillRect(QRectF(w * 0.165, h * 0.12, w * 0.01, h * 0.34), QColor(250, 250, 245));
    painter.fillRect(QRectF(w * 0.72, h * 0.18, w * 0.16, h * 0.18), QColor(70, 50, 30));
    painter.fillRect(QRectF(w * 0.73, h * 0.195, w * 0.14, h * 0.15), QColor(90, 130, 100));
    painter.fillRect(QRectF(w * 0.62, h * 0.55, w * 0.34, h * 0.25), QColor(150, 60, 50));
    painter.fillRect(QRectF(w * 0.62, h * 0.48, w * 0.34, h * 0.08), QColor(130, 50, 44));
    painter.end();
    addNoise(picture, 4, 7);
    return picture;
}

QImage head(const QImage &astronaut)
{
    QImage cut(astronaut.size(), QImage::Format_ARGB32_Premultiplied);
    cut.fill(Qt::transparent);
    QPainter painter(&cut);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient oval(QPointF(150, 150), 150);
    oval.setColorAt(0.0, Qt::black);
    oval.setColorAt(0.86, Qt::black);
    oval.setColorAt(1.0, Qt::transparent);
    painter.setPen(Qt::NoPen);
    painter.setBrush(oval);
    painter.drawEllipse(QPointF(150, 150), 150, 150);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.drawImage(0, 0, astronaut);
    painter.end();
    return cut;
}

QTransform paste(QImage &picture, const QImage &astronaut, QPointF at, double scale, double degrees)
{
    const double side = 300.0 * scale;
    QTransform map;
    map.translate(at.x() + side / 2, at.y() + side / 2);
    map.rotate(degrees);
    map.translate(-side / 2, -side / 2);
    map.scale(scale, scale);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(map);
    painter.drawImage(0, 0, head(astronaut));
    return map;
}

Photo personInRoom(const QImage &astronaut)
{
    QImage picture = room(QSize(4000, 3000));
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(60, 70, 110)); // trousers
        painter.drawRoundedRect(QRectF(1680, 1900, 380, 1050), 60, 60);
        painter.setBrush(QColor(200, 160, 130)); // neck
        painter.drawRect(QRectF(1810, 1120, 120, 140));
        painter.setBrush(QColor(230, 230, 235)); // shirt
        painter.drawRoundedRect(QRectF(1620, 1230, 500, 760), 120, 120);
    }
    const QTransform face = paste(picture, astronaut, QPointF(1670, 720), 1.35);
    addNoise(picture, 3, 11);
    return {
        QStringLiteral("person_in_room_4000x3000"),
        QStringLiteral("a room drawn at 4000 × 3000, a body of rectangles, the head scaled 1.35 (face about 230 px)"),
        picture,
        {face}};
}

Photo twoFaces(const QImage &astronaut)
{
    QImage picture = room(QSize(1200, 800));
    const QTransform left = paste(picture, astronaut, QPointF(120, 150), 1.3);
    QImage mirrored = astronaut.mirrored(true, false);
    QTransform right = paste(picture, mirrored, QPointF(720, 260), 0.95);
    // The mirrored copy's map: face2_0.jpg's x runs the other way.
    right = QTransform(-1, 0, 0, 1, 299, 0) * right;
    return {QStringLiteral("two_faces_1200x800"),
            QStringLiteral("two heads in a drawn room, the right one mirrored and scaled 0.95 against 1.3"),
            picture,
            {left, right}};
}

Photo cutUnderNose(const QImage &astronaut)
{
    return onItsOwn(QStringLiteral("cut_under_nose"),
                    QStringLiteral("face2_0.jpg cut at y 240, under the nose through the upper lip"),
                    astronaut.copy(0, 0, 300, int(UnderNose)));
}

QVector<Photo> variedPhotos(const QImage &astronaut, const QImage &okame, const QImage &hyottoko)
{
    QVector<Photo> photos;
    {
        QImage picture = room(QSize(640, 480));
        const QTransform face = paste(picture, astronaut, QPointF(200, 40), 1.35);
        photos.append({QStringLiteral("portrait_640x480"),
                       QStringLiteral("the head scaled 1.35 in a drawn room"),
                       picture,
                       {face}});
    }
    {
        QImage picture = room(QSize(640, 480));
        const QTransform face = paste(picture, astronaut, QPointF(380, 150), 0.45);
        photos.append({QStringLiteral("small_face_640x480"),
                       QStringLiteral("the head scaled 0.45 in a drawn room (face about 60 px)"),
                       picture,
                       {face}});
    }
    photos.append(personInRoom(astronaut));
    {
        QImage picture = room(QSize(6000, 4000));
        const QTransform face = paste(picture, astronaut, QPointF(1700, 300), 11.0);
        addNoise(picture, 3, 13);
        photos.append({QStringLiteral("portrait_6000x4000"),
                       QStringLiteral("24 MP: the head scaled 11 in a drawn room"),
                       picture,
                       {face}});
    }
    photos.append(twoFaces(astronaut));
    {
        QImage picture = room(QSize(1600, 900));
        QVector<QTransform> faces;
        faces << paste(picture, astronaut, QPointF(80, 200), 1.5);
        faces << paste(picture, toned(astronaut, 0.8, 1.2), QPointF(600, 260), 1.3);
        faces << paste(picture, astronaut, QPointF(1120, 300), 1.1, -8);
        photos.append({QStringLiteral("group_three_1600x900"),
                       QStringLiteral("three heads in a drawn room, scaled 1.5, 1.3 (darker) and 1.1 (turned -8°)"),
                       picture, faces});
    }
    {
        QImage picture = astronaut.copy();
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(25, 20, 20), 4));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(RightEye.adjusted(-6, -8, 6, 8), 8, 8);
        painter.drawRoundedRect(LeftEye.adjusted(-6, -8, 6, 8), 8, 8);
        painter.drawLine(QPointF(RightEye.right() + 6, 158), QPointF(LeftEye.left() - 6, 158));
        painter.end();
        photos.append(onItsOwn(QStringLiteral("glasses"), QStringLiteral("dark frames 4 px wide drawn round both eyes"),
                               picture));
    }
    {
        QImage picture = astronaut.copy();
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(20, 20, 20), 3));
        painter.setBrush(QColor(30, 30, 35, 235));
        painter.drawEllipse(RightEye.adjusted(-6, -6, 6, 6));
        painter.drawEllipse(LeftEye.adjusted(-6, -6, 6, 6));
        painter.drawLine(QPointF(RightEye.right() + 6, 160), QPointF(LeftEye.left() - 6, 160));
        painter.end();
        photos.append(onItsOwn(QStringLiteral("sunglasses"), QStringLiteral("dark ovals over both eyes"), picture));
    }
    {
        QImage picture = astronaut.copy();
        QPainterPath beard;
        beard.moveTo(Chin.left() - 10, Chin.top() - 5);
        beard.cubicTo(Chin.left(), Chin.bottom() + 10, Chin.right(), Chin.bottom() + 10, Chin.right() + 10,
                      Chin.top() - 5);
        beard.lineTo(Chin.right() - 25, Chin.top() - 5);
        beard.cubicTo(Chin.right() - 30, Chin.top() + 30, Chin.left() + 30, Chin.top() + 30, Chin.left() + 25,
                      Chin.top() - 5);
        beard.closeSubpath();
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.fillPath(beard, QColor(80, 55, 35));
        painter.end();
        photos.append(onItsOwn(QStringLiteral("beard"),
                               QStringLiteral("a dark brown beard drawn round the mouth and chin"), picture));
    }
    {
        QImage picture = canvas(QSize(500, 500), QColor(200, 196, 190));
        const QTransform face = paste(picture, astronaut, QPointF(100, 100), 1.0, 20);
        photos.append(
            {QStringLiteral("tilted_20"), QStringLiteral("the head turned 20° on a grey ground"), picture, {face}});
    }
    {
        QImage picture = canvas(QSize(400, 400), QColor(200, 196, 190));
        // Narrowed on one side as a head turned towards three-quarters shows it.
        QTransform turn;
        QPolygonF from(QRectF(0, 0, 300, 300));
        QPolygonF to;
        to << QPointF(90, 40) << QPointF(330, 60) << QPointF(330, 340) << QPointF(90, 360);
        QTransform::quadToQuad(from, to, turn);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.setTransform(turn);
        painter.drawImage(0, 0, head(astronaut));
        painter.end();
        photos.append({QStringLiteral("turned"),
                       QStringLiteral("the head in perspective, as if turned a little"),
                       picture,
                       {turn}});
    }
    photos.append(
        onItsOwn(QStringLiteral("dark"), QStringLiteral("gain 0.45 and gamma 1.6"), toned(astronaut, 0.45, 1.6)));
    photos.append(onItsOwn(QStringLiteral("painting"),
                           QStringLiteral("detail softened to a third, colours in steps of 24"), painted(astronaut)));
    photos.append(cutUnderNose(astronaut));
    photos.append(onItsOwn(QStringLiteral("left_edge"),
                           QStringLiteral("face2_0.jpg cut at x 80, the right eye at the edge"),
                           astronaut.copy(80, 0, 220, 300)));
    QTransform shift;
    shift.translate(-80, 0);
    photos.last().faces = {shift};
    photos.append({QStringLiteral("drawing_okame"), QStringLiteral("the drawn face おかめ"), okame, {}});
    photos.append({QStringLiteral("drawing_hyottoko"), QStringLiteral("the drawn face ひょっとこ"), hyottoko, {}});
    return photos;
}

} // namespace TestPhotos
