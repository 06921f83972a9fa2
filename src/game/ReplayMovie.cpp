#include "game/ReplayMovie.h"

#include "screen/GameColours.h"
#include "platform/pictures/WebpAnimation.h"

#include <QPainter>

namespace ReplayMovie {

QSize frameSize(const Scene &scene)
{
    return scene.background.size() + QSize(0, hintStripHeight);
}

QImage frame(const Scene &scene, const ReplayScript::Frame &moment)
{
    QImage picture(frameSize(scene), QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.drawImage(0, 0, scene.background);
    for (int k = 1; k <= 4; ++k) {
        // The travelling part over the ones that lie still, as on the screen.
        if (k != moment.moving)
            painter.drawImage(moment.parts[k - 1] - scene.origin, scene.parts[k - 1]);
    }
    if (moment.moving != 0)
        painter.drawImage(moment.parts[moment.moving - 1] - scene.origin, scene.parts[moment.moving - 1]);

    const QRect strip(0, scene.background.height(), picture.width(), hintStripHeight);
    painter.fillRect(strip, GameColour::MoneyGreen);
    if (!moment.hint.isEmpty()) {
        painter.setFont(scene.hintFont);
        painter.setPen(GameColour::HintRed);
        QString text = moment.hint;
        text.replace(u'\r', u'\n');
        painter.drawText(strip.adjusted(6, 2, -6, -2), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
    }
    return picture;
}

int frameCount(const ReplayScript &script)
{
    // A frame at 0 and at each tick before the end.
    return int((script.length() * framesPerSecond + 999) / 1000);
}

qint64 frameTime(int index)
{
    return qint64(index) * 1000 / framesPerSecond;
}

QByteArray encode(const ReplayScript &script, const Scene &scene)
{
    WebpAnimationWriter writer(frameSize(scene));
    const int count = frameCount(script);
    for (int i = 0; i < count; ++i)
        writer.addFrame(frame(scene, script.frameAt(frameTime(i))), int(frameTime(i)));
    return writer.finish(int(script.length()));
}

} // namespace ReplayMovie
