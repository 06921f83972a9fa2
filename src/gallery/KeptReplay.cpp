#include "gallery/KeptReplay.h"

#include "platform/pictures/PictureInput.h"
#include "platform/pictures/WebpAnimation.h"

namespace {

// More than the reader takes, so that it refuses a larger file with its own reason.
constexpr qint64 readLimit = qint64(64) * 1024 * 1024 + 1;

} // namespace

KeptReplay::KeptReplay(const QString &path)
    : m_reader(std::make_unique<WebpAnimationReader>(openPictureFile(path)->read(readLimit)))
{
    int end = 0;
    if (m_reader->next(m_first, end))
        m_frameEnd = end;
    else
        m_first = QImage();
}

KeptReplay::~KeptReplay() = default;

KeptReplay::Step KeptReplay::advance(qint64 ms, QImage &frame)
{
    m_position += ms;
    if (m_position < m_frameEnd)
        return Step::Same;
    int end = 0;
    bool more = false;
    while (m_position >= m_frameEnd && (more = m_reader->next(frame, end)))
        m_frameEnd = end;
    return more ? Step::NewFrame : Step::Ended;
}
