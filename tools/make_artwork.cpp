// Draws the title, banner and window icon of the game into <resources folder> (default
// "resources") and lists them in resources.qrc under the prefix /art. With an icons folder, also
// draws the desktop icon there at the sizes of the hicolor theme (petara3-<size>.png), the small
// ones drawn for their size rather than scaled down.
// Usage: QT_QPA_PLATFORM=offscreen make_artwork [resources folder [icons folder]]

#include "platform/system/AppError.h"
#include "platform/files/AtomicFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>
#include <cstdio>

namespace {

const QColor Crimson(178, 24, 32);
const QColor DeepRed(120, 10, 18);
const QColor Gold(236, 190, 72);
const QColor PaleGold(255, 232, 150);
const QColor Ink(40, 24, 20);

QString g_family = QStringLiteral("IPAPGothic");

QFont titleFont(int pixelSize)
{
    QFont font(g_family);
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Black);
    return font;
}

QImage canvas(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A lacquer-red field with a gold frame, the look of a New Year card.
void drawRedField(QPainter &p, const QRectF &rect, qreal radius)
{
    QLinearGradient red(rect.topLeft(), rect.bottomRight());
    red.setColorAt(0, Crimson.lighter(115));
    red.setColorAt(1, DeepRed);
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawRoundedRect(rect, radius, radius);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Gold, 2.5));
    p.drawRoundedRect(rect.adjusted(2, 2, -2, -2), radius - 1, radius - 1);
    p.setPen(QPen(Gold, 0.8));
    p.drawRoundedRect(rect.adjusted(5, 5, -5, -5), radius - 2, radius - 2);
}

// A five-petalled plum blossom.
void drawPlumBlossom(QPainter &p, QPointF centre, qreal radius, const QColor &petal)
{
    p.save();
    p.translate(centre);
    p.setPen(QPen(petal.darker(130), qMax(0.6, radius / 14)));
    p.setBrush(petal);
    for (int i = 0; i < 5; ++i) {
        const qreal angle = qDegreesToRadians(-90.0 + 72.0 * i);
        const QPointF at(std::cos(angle) * radius * 0.55, std::sin(angle) * radius * 0.55);
        p.drawEllipse(at, radius * 0.48, radius * 0.48);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Gold);
    p.drawEllipse(QPointF(0, 0), radius * 0.28, radius * 0.28);
    p.setBrush(PaleGold);
    for (int i = 0; i < 5; ++i) {
        const qreal angle = qDegreesToRadians(-54.0 + 72.0 * i);
        p.drawEllipse(QPointF(std::cos(angle) * radius * 0.33, std::sin(angle) * radius * 0.33), radius * 0.07,
                      radius * 0.07);
    }
    p.restore();
}

// White lettering with a gold rim and a dark drop shadow, centred on centre.
void drawGlyphs(QPainter &p, const QString &text, const QFont &font, QPointF centre, const QColor &fill, qreal rim)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    path.translate(centre - bounds.center());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 0, 0, 150));
    p.drawPath(path.translated(1.5, 2));
    p.setPen(QPen(Gold, rim, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(path);
}

QImage drawTitle()
{
    QImage image = canvas(113, 313);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawRedField(p, QRectF(0.5, 0.5, 112, 312), 10);

    drawPlumBlossom(p, QPointF(56.5, 24), 11, QColor(255, 240, 245));
    drawPlumBlossom(p, QPointF(33, 20), 5, QColor(255, 190, 205));
    drawPlumBlossom(p, QPointF(80, 20), 5, QColor(255, 190, 205));

    const QFont font = titleFont(60);
    const QString title = QStringLiteral("ペタラ３");
    const qreal top = 48;
    const qreal step = 57;
    for (int i = 0; i < title.size(); ++i) {
        const QColor fill = i == title.size() - 1 ? PaleGold : QColor(Qt::white);
        drawGlyphs(p, title.mid(i, 1), font, QPointF(56.5, top + step * i + step / 2), fill, 5);
    }

    drawPlumBlossom(p, QPointF(56.5, 291), 9, QColor(255, 240, 245));
    drawPlumBlossom(p, QPointF(35, 294), 4.5, QColor(255, 190, 205));
    drawPlumBlossom(p, QPointF(78, 294), 4.5, QColor(255, 190, 205));
    return image;
}

QImage drawBanner()
{
    QImage image = canvas(351, 52);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawRedField(p, QRectF(0.5, 0.5, 350, 51), 8);

    drawPlumBlossom(p, QPointF(24, 26), 11, QColor(255, 240, 245));
    drawGlyphs(p, QStringLiteral("ペタラ３"), titleFont(38), QPointF(118, 26), Qt::white, 4);

    // A gold rule between the title and the subtitle.
    p.setPen(QPen(Gold, 1.5));
    p.drawLine(QPointF(204, 12), QPointF(204, 40));

    QFont small(g_family);
    small.setPixelSize(22);
    small.setWeight(QFont::Bold);
    QPainterPath sub;
    sub.addText(0, 0, small, QStringLiteral("ふくわらい"));
    sub.translate(QPointF(270, 26) - sub.boundingRect().center());
    p.setPen(QPen(DeepRed.darker(150), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(sub);
    p.setPen(Qt::NoPen);
    p.setBrush(PaleGold);
    p.drawPath(sub);

    drawPlumBlossom(p, QPointF(333, 15), 5, QColor(255, 190, 205));
    drawPlumBlossom(p, QPointF(336, 36), 4, QColor(255, 240, 245));
    return image;
}

// A round, smiling New Year face on a red tile, drawn on a 64-pixel grid and scaled to size.
QImage drawIcon(int size = 64)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    drawRedField(p, QRectF(0.5, 0.5, 63, 63), 12);

    // Hair behind the face.
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(QRectF(10, 7, 44, 38));

    QRadialGradient skin(QPointF(30, 32), 26);
    skin.setColorAt(0, QColor(255, 252, 246));
    skin.setColorAt(1, QColor(244, 226, 210));
    p.setBrush(skin);
    p.setPen(QPen(QColor(150, 100, 80), 1));
    p.drawEllipse(QRectF(11, 15, 42, 42));

    // Cheeks.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 120, 130, 150));
    p.drawEllipse(QRectF(15, 38, 9, 6));
    p.drawEllipse(QRectF(40, 38, 9, 6));

    // Smiling eyes and brows.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Ink, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(19, 31, 9, 7), 20 * 16, 140 * 16);
    p.drawArc(QRectF(36, 31, 9, 7), 20 * 16, 140 * 16);
    p.setPen(QPen(Ink, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(21, 24), QPointF(26, 23));
    p.drawLine(QPointF(38, 23), QPointF(43, 24));

    // Nose and a small red smile.
    p.setPen(QPen(QColor(180, 120, 100), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(30, 38, 4, 4), 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 30, 40));
    QPainterPath mouth;
    mouth.moveTo(27, 47);
    mouth.quadTo(32, 53, 37, 47);
    mouth.quadTo(32, 49, 27, 47);
    p.drawPath(mouth);
    return image;
}

// Below 48 pixels the detailed face turns to mush, so the small icons are drawn anew on a
// 16-unit grid and keep only what reads at that size: the red tile, the hair, the face, the eyes
// and the smile, each edge on a whole pixel.
QImage drawSmallIcon(int size)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const auto at = [size](qreal units) { return std::round(units * size / 16.0); };
    const auto box = [&at](qreal x, qreal y, qreal w, qreal h) {
        return QRectF(at(x), at(y), at(x + w) - at(x), at(y + h) - at(y));
    };
    p.setPen(Qt::NoPen);
    p.setBrush(Crimson);
    p.drawRoundedRect(QRectF(0, 0, size, size), at(3), at(3));
    if (size >= 22) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Gold, 1));
        p.drawRoundedRect(QRectF(1.5, 1.5, size - 3, size - 3), at(2.5), at(2.5));
        p.setPen(Qt::NoPen);
    }
    p.setBrush(Ink);
    p.drawEllipse(box(2.5, 2, 11, 9.5));
    p.setBrush(QColor(255, 244, 232));
    p.drawEllipse(box(3, 4.5, 10, 10));
    // The eyes: short strokes a pixel or more thick.
    const qreal stroke = qMax(1.0, at(1));
    p.setBrush(Ink);
    p.drawRect(QRectF(at(5), at(8.5), at(2), stroke));
    p.drawRect(QRectF(at(9), at(8.5), at(2), stroke));
    p.setBrush(QColor(210, 30, 40));
    p.drawRect(QRectF(at(6.5), at(11.5), at(3), stroke));
    return image;
}

QImage drawIconAt(int size)
{
    return size < 48 ? drawSmallIcon(size) : drawIcon(size);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    try {
        writeFileAtomically(path, bytes);
    } catch (const AppError &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return false;
    }
    return true;
}

bool save(const QImage &image, const QString &path)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        std::fprintf(stderr, "cannot encode %s\n", qPrintable(path));
        return false;
    }
    return writeFile(path, png);
}

bool writeResourceList(const QString &path)
{
    const QByteArray text = "<RCC>\n"
                            "  <qresource prefix=\"/art\">\n"
                            "    <file>title.png</file>\n"
                            "    <file>banner.png</file>\n"
                            "    <file>icon.png</file>\n"
                            "  </qresource>\n"
                            "</RCC>\n";
    return writeFile(path, text);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("resources");
    const int id = QFontDatabase::addApplicationFont(
        QStringLiteral("/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf"));
    if (id < 0) {
        std::fprintf(stderr, "the IPAPGothic font is missing (fonts-ipafont-gothic)\n");
        return 1;
    }
    g_family = QFontDatabase::applicationFontFamilies(id).value(0, g_family);
    if (!QDir().mkpath(folder))
        return 1;
    const QDir dir(folder);
    const bool ok = save(drawTitle(), dir.filePath(QStringLiteral("title.png")))
                    && save(drawBanner(), dir.filePath(QStringLiteral("banner.png")))
                    && save(drawIcon(), dir.filePath(QStringLiteral("icon.png")))
                    && writeResourceList(dir.filePath(QStringLiteral("resources.qrc")));
    if (!ok)
        return 1;
    if (argc > 2) {
        const QDir icons(QString::fromLocal8Bit(argv[2]));
        if (!QDir().mkpath(icons.path()))
            return 1;
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            if (!save(drawIconAt(size), icons.filePath(QStringLiteral("petara3-%1.png").arg(size))))
                return 1;
        }
    }
    return 0;
}
