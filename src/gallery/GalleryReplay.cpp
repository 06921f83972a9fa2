#include "gallery/GalleryReplay.h"

#include "platform/pictures/PictureInput.h"
#include "platform/pictures/WebpAnimation.h"
#include "platform/widgets/CommandButton.h"
#include "platform/widgets/PictureBox.h"

namespace {

// More than the reader takes, so that it refuses a larger file with its own reason.
constexpr qint64 readLimit = qint64(64) * 1024 * 1024 + 1;

} // namespace

GalleryReplay::GalleryReplay(const Widgets &widgets) : w(widgets)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(16);
    m_timer.callOnTimeout([this] { tick(); });
}

GalleryReplay::~GalleryReplay() = default;

void GalleryReplay::toggle(const QString &path)
{
    if (isRunning()) {
        stop();
        return;
    }
    const QByteArray bytes = openPictureFile(path)->read(readLimit);
    auto reader = std::make_unique<WebpAnimationReader>(bytes);
    QImage first;
    int end = 0;
    if (!reader->next(first, end))
        return;
    m_reader = std::move(reader);
    m_work = w.facePicture->picture();
    w.facePicture->setPicture(first);
    m_frameEnd = end;
    m_position = 0;
    w.replayButton->setChecked(true);
    m_sinceTick.start();
    m_timer.start();
}

void GalleryReplay::stop()
{
    if (!isRunning())
        return;
    m_timer.stop();
    m_reader.reset();
    w.facePicture->setPicture(m_work);
    m_work = QImage();
    w.replayButton->setChecked(false);
}

void GalleryReplay::tick()
{
    const int speed = w.doubleSpeedButton->isChecked() ? 2 : 1;
    m_position += m_sinceTick.restart() * speed;
    if (m_position < m_frameEnd)
        return;
    // Frames whose time passed while the window was busy are skipped, not shown late.
    QImage frame;
    int end = 0;
    bool more = false;
    while (m_position >= m_frameEnd && (more = m_reader->next(frame, end)))
        m_frameEnd = end;
    if (!more) {
        stop();
        return;
    }
    w.facePicture->setPicture(frame);
}
