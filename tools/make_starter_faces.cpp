// Makes the starter face library: two faces drawn here and two photographs, each cut into
// its six pictures exactly as face creation does, plus the index and the NOTICE.
// Usage: make_starter_faces [data folder, default "data"]
//                           [photograph folder, default the scikit-image data folder]
//                           [check folder: writes each fitted picture with its outlines]

#include "creation/PictureFit.h"
#include "creation/SourcePicture.h"
#include "lib/DrawnFaces.h"
#include "lib/FacePictures.h"
#include "platform/system/AppError.h"
#include "platform/files/AtomicFile.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/files/ProfileFile.h"

#include <QDir>
#include <QImage>
#include <QPainter>
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
                  DrawnFaces::drawOkame(),
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
                  DrawnFaces::drawHyottoko(),
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
