#include "preview_bench.h"

#include "platform/pictures/JpegCodec.h"
#include "platform/pictures/PicturePreview.h"
#include "platform/widgets/PicturePreviewPane.h"

#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

void benchPreview(const QString &path)
{
    const auto bestMilliseconds = [](int runs, const auto &work) {
        double best = 1e300;
        for (int i = 0; i < runs; ++i) {
            QElapsedTimer timer;
            timer.start();
            work();
            best = std::min(best, timer.nsecsElapsed() / 1e6);
        }
        return best;
    };
    const QSize box = PicturePreviewPane::boxSize();
    const double preview = bestMilliseconds(5, [&] { previewPicture(path, box); });
    const double whole = bestMilliseconds(3, [&] { JpegCodec::decodeFile(path); });
    std::printf("%-44s %10.1f ms   %5.2f x a full decode (%.1f ms); goal: under 100 ms\n",
                "preview of the 24 MP photo in the dialog", preview, preview / whole, whole);
}
