// Makes the starter face library: two faces drawn here and two photographs, each cut into
// its six pictures exactly as face creation does, plus the index and the NOTICE.
// Usage: make_starter_faces [data folder, default "data"]
//                           [photograph folder, default the scikit-image data folder]
//                           [check folder: writes each fitted picture with its outlines]

#include "creation/PictureFit.h"
#include "creation/SourcePicture.h"
#include "lib/FacePictures.h"
#include "platform/AppError.h"
#include "platform/AtomicFile.h"
#include "platform/JpegCodec.h"
#include "platform/ProfileFile.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRect>
#include <QtMath>

#include <array>
#include <cstdio>

namespace {

using Outlines = std::array<QVector<QPoint>, 4>;

struct StarterFace
{
    QString name;
    QImage source;
    Outlines outlines; // right eye (viewer's left), left eye, nose, mouth; display pixels
};

const QColor Ink(30, 22, 20);

// おかめ: a plump white face, black hair parted in the middle, high round brows, narrow
// smiling eyes, a small red mouth and rosy cheeks.
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

// ひょっとこ: a tanned face under a dotted towel knotted at the side, one eye wide and
// one squinting, and a pursed mouth pushed to one side as if blowing through a pipe.
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

QImage loadPhotograph(const QString &path)
{
    QImage image(path);
    if (image.isNull())
        throw AppError(QStringLiteral("cannot read %1").arg(path));
    return image.convertToFormat(QImage::Format_RGB32);
}

// Her head in astronaut.png; fitted whole, the face is too small for pieces worth playing with.
const QRect AstronautHead(138, 4, 180, 180);

QVector<QPoint> points(std::initializer_list<QPoint> list)
{
    return QVector<QPoint>(list);
}

QList<StarterFace> starterFaces(const QString &photographs)
{
    const QDir dir(photographs);
    QList<StarterFace> faces;
    // Each curve begins on the skin (or fur) beside its part, so the hole takes that colour.
    faces.append({QStringLiteral("おかめ"),
                  drawOkame(),
                  {points({{90, 152},
                           {96, 143},
                           {106, 138},
                           {118, 137},
                           {129, 141},
                           {137, 150},
                           {138, 160},
                           {132, 166},
                           {118, 167},
                           {104, 167},
                           {92, 165},
                           {88, 158}}),
                   points({{210, 152},
                           {204, 143},
                           {194, 138},
                           {182, 137},
                           {171, 141},
                           {163, 150},
                           {162, 160},
                           {168, 166},
                           {182, 167},
                           {196, 167},
                           {208, 165},
                           {212, 158}}),
                   points({{144, 161},
                           {152, 162},
                           {153, 172},
                           {156, 183},
                           {164, 188},
                           {165, 196},
                           {156, 202},
                           {143, 202},
                           {135, 196},
                           {136, 187},
                           {140, 176},
                           {141, 166}}),
                   points({{130, 226},
                           {134, 217},
                           {143, 213},
                           {150, 215},
                           {157, 213},
                           {166, 217},
                           {170, 226},
                           {165, 236},
                           {158, 241},
                           {142, 241},
                           {135, 236}})}});
    faces.append({QStringLiteral("ひょっとこ"),
                  drawHyottoko(),
                  {points({{66, 150},
                           {70, 136},
                           {80, 127},
                           {94, 123},
                           {108, 126},
                           {117, 134},
                           {121, 148},
                           {119, 162},
                           {111, 172},
                           {97, 177},
                           {82, 175},
                           {71, 167}}),
                   points({{150, 152},
                           {155, 144},
                           {166, 140},
                           {180, 140},
                           {191, 145},
                           {195, 152},
                           {191, 160},
                           {180, 164},
                           {166, 164},
                           {155, 160}}),
                   points({{113, 178},
                           {116, 168},
                           {124, 161},
                           {135, 159},
                           {146, 162},
                           {154, 170},
                           {157, 180},
                           {153, 190},
                           {144, 196},
                           {132, 197},
                           {120, 194},
                           {114, 187}}),
                   points({{141, 228},
                           {146, 215},
                           {158, 206},
                           {175, 204},
                           {192, 208},
                           {202, 219},
                           {205, 232},
                           {200, 246},
                           {188, 256},
                           {172, 259},
                           {156, 255},
                           {145, 245}})}});
    faces.append({QStringLiteral("宇宙飛行士"),
                  loadPhotograph(dir.filePath(QStringLiteral("astronaut.png"))).copy(AstronautHead),
                  {points({{98, 173},
                           {89, 168},
                           {84, 160},
                           {87, 152},
                           {94, 147},
                           {104, 145},
                           {115, 146},
                           {123, 150},
                           {128, 157},
                           {127, 165},
                           {121, 171},
                           {110, 174}}),
                   points({{182, 178},
                           {169, 177},
                           {160, 172},
                           {155, 164},
                           {159, 157},
                           {167, 152},
                           {178, 151},
                           {190, 151},
                           {200, 153},
                           {207, 158},
                           {209, 165},
                           {205, 172},
                           {195, 177}}),
                   points({{122, 193},
                           {127, 183},
                           {130, 172},
                           {140, 169},
                           {150, 169},
                           {158, 172},
                           {161, 183},
                           {165, 194},
                           {170, 204},
                           {168, 212},
                           {158, 217},
                           {143, 218},
                           {128, 216},
                           {118, 211},
                           {117, 202}}),
                   points({{100, 231},
                           {106, 224},
                           {119, 221},
                           {133, 222},
                           {145, 223},
                           {157, 221},
                           {172, 221},
                           {184, 224},
                           {189, 231},
                           {184, 241},
                           {173, 249},
                           {157, 254},
                           {140, 255},
                           {123, 252},
                           {110, 246},
                           {103, 239}})}});
    faces.append({QStringLiteral("チェルシー"),
                  loadPhotograph(dir.filePath(QStringLiteral("chelsea.png"))),
                  {points({{86, 76},
                           {88, 65},
                           {95, 58},
                           {105, 53},
                           {118, 52},
                           {130, 56},
                           {139, 64},
                           {143, 75},
                           {140, 87},
                           {131, 96},
                           {117, 100},
                           {104, 99},
                           {94, 93},
                           {88, 85}}),
                   points({{194, 90},
                           {196, 80},
                           {202, 73},
                           {211, 69},
                           {221, 71},
                           {228, 79},
                           {231, 90},
                           {229, 101},
                           {222, 109},
                           {212, 112},
                           {203, 109},
                           {197, 101}}),
                   points({{152, 146},
                           {162, 145},
                           {175, 145},
                           {188, 146},
                           {197, 150},
                           {198, 157},
                           {192, 165},
                           {184, 172},
                           {176, 178},
                           {167, 179},
                           {160, 172},
                           {154, 163},
                           {150, 154}}),
                   points({{150, 186},
                           {157, 180},
                           {165, 181},
                           {171, 183},
                           {178, 181},
                           {188, 180},
                           {197, 182},
                           {201, 190},
                           {199, 198},
                           {188, 199},
                           {172, 199},
                           {158, 198},
                           {151, 194}})}});
    return faces;
}

// The fitted picture as the creation screen shows it, with a 10-pixel grid and the outlines.
QImage checkPicture(const StarterFace &face)
{
    QImage surface = blankSurface();
    drawSourcePicture(surface, face.source, fitIntoFaceBox(face.source.size()));
    QImage large = surface.scaled(900, 900);
    QPainter p(&large);
    for (int v = 0; v <= 300; v += 10) {
        p.setPen(QPen(v % 50 == 0 ? QColor(0, 160, 255, 160) : QColor(0, 160, 255, 60), 1));
        p.drawLine(v * 3, 0, v * 3, 900);
        p.drawLine(0, v * 3, 900, v * 3);
    }
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colours[4] = {Qt::red, Qt::magenta, Qt::green, Qt::yellow};
    for (int k = 0; k < 4; ++k) {
        QPolygonF polygon;
        for (const QPoint &point : face.outlines[k])
            polygon << QPointF(point) * 3;
        p.setPen(QPen(colours[k], 2));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(polygon);
        p.setBrush(colours[k]);
        p.drawEllipse(polygon.first(), 4, 4);
    }
    return large;
}

void removeStaleFiles(const QDir &data)
{
    const QStringList stale = data.entryList({QStringLiteral("face*_*.jpg"), QStringLiteral("facedata.ini")},
                                             QDir::Files);
    for (const QString &name : stale)
        if (!QFile::remove(data.filePath(name)))
            throw AppError(QStringLiteral("cannot remove %1").arg(data.filePath(name)));
}

void writeFace(const QDir &data, ProfileFile &index, int number, const StarterFace &face)
{
    const FacePictures pictures = makeFacePictures(face.source, face.outlines);
    const auto path = [&](int k) { return data.filePath(QStringLiteral("face%1_%2.jpg").arg(number).arg(k)); };
    JpegCodec::encodeFile(pictures.whole, path(0));
    for (int k = 0; k < 4; ++k)
        JpegCodec::encodeFile(pictures.parts[k], path(k + 1));
    JpegCodec::encodeFile(pictures.outline, path(5));

    // The order registration writes in, so the file reads as if the game had made it.
    const QString section = QString::number(number);
    index.writeInteger(QStringLiteral("faces"), QStringLiteral("count"), number + 1);
    index.writeString(section, QStringLiteral("Name"), face.name);
    for (int k = 0; k < 4; ++k)
        index.writeInteger(section, QStringLiteral("X%1").arg(k + 1), pictures.partTopLeft[k].x());
    for (int k = 0; k < 4; ++k)
        index.writeInteger(section, QStringLiteral("Y%1").arg(k + 1), pictures.partTopLeft[k].y());
    std::printf("face %d %s: %dx%d\n", number, qPrintable(face.name), pictures.whole.width(), pictures.whole.height());
}

void writeNotice(const QDir &data)
{
    static const char text[] =
        "Starter faces / 最初から入っている顔\n"
        "====================================\n"
        "\n"
        "face0 \"おかめ\" and face1 \"ひょっとこ\"\n"
        "  Drawn by tools/make_starter_faces.cpp of this project; the project's own work.\n"
        "  このプロジェクトの tools/make_starter_faces.cpp が描いた絵です（本プロジェクト独自の作品）。\n"
        "\n"
        "face2 \"宇宙飛行士\" (astronaut.png)\n"
        "face3 \"チェルシー\" (chelsea.png)\n"
        "  Taken from the data folder of scikit-image (skimage/data), as shipped in\n"
        "  Debian's python3-skimage package (version 0.19.3-8).\n"
        "  Debian の python3-skimage パッケージ（0.19.3-8）に含まれる scikit-image の\n"
        "  データフォルダ（skimage/data）から取った写真です。\n"
        "\n"
        "  astronaut.png, as described in skimage/data/_fetchers.py:\n"
        "    \"Photograph of Eileen Collins, an American astronaut.\"\n"
        "    \"This image was downloaded from the NASA Great Images database\n"
        "    <https://flic.kr/p/r9qvLn>.\"\n"
        "    \"No known copyright restrictions, released into the public domain.\"\n"
        "  宇宙飛行士アイリーン・コリンズの写真（NASA）。著作権の制限は知られておらず、\n"
        "  パブリックドメインとして公開されています。\n"
        "\n"
        "  chelsea.png, as described in skimage/data/_fetchers.py:\n"
        "    \"Chelsea the cat.\"\n"
        "    \"No copyright restrictions.  CC0 by the photographer (Stefan van der Walt).\"\n"
        "  猫のチェルシーの写真。著作権の制限はなく、撮影者（Stefan van der Walt）による\n"
        "  CC0 です。\n"
        "\n"
        "  The package's copyright file (/usr/share/doc/python3-skimage/copyright) names no\n"
        "  separate terms for these two pictures; for the package as a whole it says:\n"
        "    \"Files: *\n"
        "     Copyright: 2009-2018 the scikit-image team\n"
        "     License: BSD-3-Clause\"\n"
        "  パッケージの copyright ファイルにはこの二枚の写真だけの条件は書かれておらず、\n"
        "  パッケージ全体について上の記載（scikit-image team、BSD-3-Clause）があります。\n"
        "\n"
        "  astronaut.png was first cropped to her head. The photographs were scaled to\n"
        "  300 pixels on the longer side and cut into parts by tools/make_starter_faces.cpp.\n"
        "  astronaut.png はまず頭の部分を切り抜きました。写真は長い辺を 300 ピクセルに\n"
        "  拡大・縮小し、tools/make_starter_faces.cpp で部品に切り分けました。\n";
    writeFileAtomically(data.filePath(QStringLiteral("NOTICE")), text);
}

} // namespace

int main(int argc, char *argv[])
{
    const QString dataFolder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("data");
    const QString photographs = argc > 2 ? QString::fromLocal8Bit(argv[2])
                                         : QStringLiteral("/usr/lib/python3/dist-packages/skimage/data");
    const QString checkFolder = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    try {
        const QList<StarterFace> faces = starterFaces(photographs);
        if (!checkFolder.isEmpty()) {
            QDir().mkpath(checkFolder);
            for (int n = 0; n < faces.size(); ++n)
                checkPicture(faces[n]).save(QDir(checkFolder).filePath(QStringLiteral("check%1.png").arg(n)));
        }
        if (!QDir().mkpath(dataFolder))
            throw AppError(QStringLiteral("cannot create %1").arg(dataFolder));
        const QDir data(dataFolder);
        removeStaleFiles(data);
        ProfileFile index(data.filePath(QStringLiteral("facedata.ini")));
        for (int n = 0; n < faces.size(); ++n)
            writeFace(data, index, n, faces[n]);
        index.writeBool(QStringLiteral("BGM"), QStringLiteral("Play"), true);
        writeNotice(data);
    } catch (const AppError &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
