#include "gallery/GalleryReplay.h"

#include "gallery/KeptReplay.h"
#include "platform/widgets/CommandButton.h"
#include "platform/widgets/PictureBox.h"

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
    auto replay = std::make_unique<KeptReplay>(path);
    if (replay->first().isNull())
        return;
    m_replay = std::move(replay);
    m_work = w.facePicture->picture();
    w.facePicture->setPicture(m_replay->first());
    w.replayButton->setChecked(true);
    m_sinceTick.start();
    m_timer.start();
}

void GalleryReplay::stop()
{
    if (!isRunning())
        return;
    m_timer.stop();
    m_replay.reset();
    w.facePicture->setPicture(m_work);
    m_work = QImage();
    w.replayButton->setChecked(false);
}

void GalleryReplay::tick()
{
    const int speed = w.doubleSpeedButton->isChecked() ? 2 : 1;
    QImage frame;
    switch (m_replay->advance(m_sinceTick.restart() * speed, frame)) {
    case KeptReplay::Step::Same:
        break;
    case KeptReplay::Step::NewFrame:
        w.facePicture->setPicture(frame);
        break;
    case KeptReplay::Step::Ended:
        stop();
        break;
    }
}
