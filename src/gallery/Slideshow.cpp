#include "gallery/Slideshow.h"

#include "gallery/KeptReplay.h"

#include "gallery/WorkCaption.h"
#include "gallery/WorkPicture.h"
#include "game/WorkNaming.h"
#include "platform/system/AppError.h"
#include "platform/widgets/Fonts.h"

#include <QFileInfo>
#include <QFuture>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>

namespace {

constexpr int slideMs = 5000;

// The caption's height in pixels for a screen of the given height: readable across a room.
int captionPixels(int screenHeight)
{
    return std::max(24, screenHeight / 16);
}

// A work that cannot be read gives a null picture: the slideshow passes over it without a word,
// since a box for each bad file would stop the show for the whole room.
QImage readWork(const QString &path, QSize box, qreal ratio)
{
    try {
        return workPictureFor(path, box, ratio);
    } catch (const AppError &) {
        return {};
    } catch (const std::bad_alloc &) {
        return {};
    }
}

} // namespace

Slideshow::Slideshow(const QString &folder, const QStringList &works, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_folder(folder), m_works(works)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("Slideshow"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::BlankCursor);
    setFocusPolicy(Qt::StrongFocus);
    m_slideTimer.setObjectName(QStringLiteral("SlideTimer"));
    m_slideTimer.setSingleShot(true);
    m_slideTimer.setInterval(slideMs);
    m_slideTimer.callOnTimeout(this, [this] { slideEnded(); });
    m_replayTimer.setTimerType(Qt::PreciseTimer);
    m_replayTimer.setInterval(16);
    m_replayTimer.callOnTimeout(this, [this] { replayTick(); });
}

Slideshow::~Slideshow() = default;

void Slideshow::start()
{
    // The whole of the game window's screen, also where no window manager takes the full-screen
    // request (a bare X server keeps a window at the size it was given).
    if (QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())
        setGeometry(screen->geometry());
    showFullScreen();
    activateWindow();
    setFocus();
    load(0, 1);
}

void Slideshow::load(int index, int step)
{
    const quint64 request = ++m_request;
    const QString path = m_folder + QLatin1Char('/') + m_works[index];
    // The whole screen, less the caption's band.
    const QSize whole = (windowHandle() && windowHandle()->screen()) ? windowHandle()->screen()->size() : size();
    const QSize box(whole.width(), std::max(1, whole.height() - 2 * captionPixels(whole.height())));
    QtConcurrent::run(&readWork, path, box, devicePixelRatioF())
        .then(this, [this, request, index, step](const QImage &picture) { loaded(request, index, step, picture); });
}

void Slideshow::loaded(quint64 request, int index, int step, const QImage &picture)
{
    if (request != m_request || m_left)
        return;
    if (picture.isNull()) {
        if (++m_unreadableInARow >= m_works.size()) {
            leave();
            return;
        }
        load(int((index + step + m_works.size()) % m_works.size()), step);
        return;
    }
    m_unreadableInARow = 0;
    m_shown = index;
    m_picture = picture;
    m_caption = workCaptionOf(m_works[index]).text();
    update();
    if (!m_paused)
        m_slideTimer.start();
}

void Slideshow::stepBy(int step)
{
    stopReplay();
    m_slideTimer.stop();
    // A step drops the skipping in progress, so its count starts again.
    m_unreadableInARow = 0;
    const int from = m_shown < 0 ? 0 : m_shown;
    load(int((from + step + m_works.size()) % m_works.size()), step);
}

void Slideshow::slideEnded()
{
    if (!startReplay())
        stepBy(1);
}

bool Slideshow::startReplay()
{
    const QString path = m_folder + QLatin1Char('/') + WorkNaming::replayOf(m_works[m_shown]);
    if (!QFileInfo(path).isFile())
        return false;
    try {
        auto replay = std::make_unique<KeptReplay>(path);
        if (replay->first().isNull())
            return false;
        m_replay = std::move(replay);
        m_picture = m_replay->first();
    } catch (const AppError &) {
        // A damaged replay is passed over as a damaged work is.
        return false;
    }
    update();
    m_sinceTick.start();
    if (!m_paused)
        m_replayTimer.start();
    return true;
}

void Slideshow::stopReplay()
{
    m_replayTimer.stop();
    m_replay.reset();
}

void Slideshow::replayTick()
{
    QImage frame;
    switch (m_replay->advance(m_sinceTick.restart(), frame)) {
    case KeptReplay::Step::Same:
        break;
    case KeptReplay::Step::NewFrame:
        m_picture = frame;
        update();
        break;
    case KeptReplay::Step::Ended:
        stepBy(1);
        break;
    }
}

void Slideshow::togglePause()
{
    m_paused = !m_paused;
    if (m_paused) {
        m_slideTimer.stop();
        m_replayTimer.stop();
    } else if (m_replay) {
        m_sinceTick.start();
        m_replayTimer.start();
    } else if (m_shown >= 0) {
        m_slideTimer.start();
    }
}

void Slideshow::leave()
{
    if (m_left)
        return;
    m_left = true;
    stopReplay();
    m_slideTimer.stop();
    Q_EMIT finished();
    close();
}

void Slideshow::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Right:
        stepBy(1);
        break;
    case Qt::Key_Left:
        stepBy(-1);
        break;
    case Qt::Key_Space:
        togglePause();
        break;
    case Qt::Key_Escape:
        leave();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void Slideshow::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    leave();
}

void Slideshow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const int text = captionPixels(height());
    const QRect pictureArea(0, 0, width(), std::max(1, height() - 2 * text));
    if (!m_picture.isNull()) {
        QRect target(QPoint(), m_picture.deviceIndependentSize().toSize().scaled(pictureArea.size(), Qt::KeepAspectRatio));
        target.moveCenter(pictureArea.center());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(target, m_picture);
    }
    // A long name gets smaller letters rather than losing its ends.
    QFont font = Fonts::gameFont(text, true);
    const int room = width() * 19 / 20;
    const int needed = QFontMetrics(font).horizontalAdvance(m_caption);
    if (needed > room)
        font.setPixelSize(std::max(8, text * room / needed));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, pictureArea.bottom(), width(), height() - pictureArea.bottom()), Qt::AlignCenter,
                     m_caption);
}
