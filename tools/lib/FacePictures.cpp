#include "lib/FacePictures.h"

#include "creation/PartCutout.h"
#include "creation/PictureFit.h"
#include "creation/SourcePicture.h"

namespace {

void fillOutlined(QImage &surface, const std::array<QVector<QPoint>, 4> &outlines, const std::array<QColor, 4> &colours,
                  int count)
{
    for (int i = 0; i < count; ++i)
        fillPart(surface, outlines[i], colours[i]);
}

} // namespace

FacePictures makeFacePictures(const QImage &source, const std::array<QVector<QPoint>, 4> &outlines)
{
    const QSize display = fitIntoFaceBox(source.size());
    const QRect shown(QPoint(0, 0), display);
    QImage surface = blankSurface();
    drawSourcePicture(surface, source, display);

    FacePictures result;
    std::array<QColor, 4> colours;
    colours.fill(QColor(Qt::white));
    for (int k = 0; k < 4; ++k) {
        // The press that begins a curve sees the picture with the earlier parts filled.
        if (!outlines[k].isEmpty())
            colours[k] = colourAt(surface, outlines[k].first());
        // A piece is always cut from the clean picture, never from another part's fill.
        drawSourcePicture(surface, source, display);
        const QRect box = outlineBox(outlines[k]);
        result.parts[k] = cutOutPart(surface, box);
        result.partTopLeft[k] = box.topLeft();
        fillOutlined(surface, outlines, colours, k + 1);
    }
    result.outline = surface.copy(shown);
    drawSourcePicture(surface, source, display);
    result.whole = surface.copy(shown);
    return result;
}
