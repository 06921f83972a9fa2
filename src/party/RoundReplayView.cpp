#include "party/RoundReplayView.h"

#include "screen/GameColours.h"
#include "platform/widgets/Fonts.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int TitleHeight = 30;

} // namespace

RoundReplayView::RoundReplayView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("RoundReplay"));
    m_timer.setInterval(1000 / ReplayMovie::framesPerSecond);
    connect(&m_timer, &QTimer::timeout, this, &RoundReplayView::tick);
    hide();
}

void RoundReplayView::play(const QString &player, const ReplayScript &script, const ReplayMovie::Scene &scene)
{
    m_script.emplace(script);
    m_scene = scene;
    m_title = QStringLiteral("%1さんのリプレイ（クリックで戻ります）").arg(player);
    showMoment(0);
    show();
    raise();
    m_clock.start();
    m_timer.start();
}

void RoundReplayView::stop()
{
    m_timer.stop();
    m_script.reset();
    m_frame = QImage();
    hide();
}

void RoundReplayView::showMoment(qint64 ms)
{
    if (!m_script)
        return;
    if (ms > m_script->length()) {
        stop();
        return;
    }
    m_frame = ReplayMovie::frame(m_scene, m_script->frameAt(ms));
    update();
}

void RoundReplayView::tick()
{
    showMoment(m_clock.elapsed());
}

void RoundReplayView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), GameColour::MoneyGreen);
    painter.setPen(GameColour::GuidanceBlue);
    painter.setFont(Fonts::gameFont(18, true));
    painter.drawText(QRect(0, 0, width(), TitleHeight), Qt::AlignCenter, m_title);
    if (m_frame.isNull())
        return;
    // As large as the window allows, never enlarged past what the frame holds.
    const QRect room(0, TitleHeight, width(), height() - TitleHeight);
    QSize size = m_frame.size();
    if (size.width() > room.width() || size.height() > room.height())
        size.scale(room.size(), Qt::KeepAspectRatio);
    const QRect target(room.center() - QPoint(size.width() / 2, size.height() / 2), size);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_frame);
}

void RoundReplayView::mousePressEvent(QMouseEvent *event)
{
    stop();
    event->accept();
}
