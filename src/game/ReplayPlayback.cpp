#include "game/ReplayPlayback.h"

#include "game/GameState.h"
#include "game/GameTexts.h"
#include "platform/files/AtomicFile.h"
#include "platform/widgets/CaptionLabel.h"
#include "platform/widgets/CommandButton.h"
#include "platform/widgets/LineOverlay.h"
#include "platform/widgets/PictureBox.h"
#include "screen/GameColours.h"
#include "screen/Guidance.h"

#include <QPainter>

namespace {

// The pauses of a replay watched on the screen.
constexpr ReplayScript::Pacing onScreen{1000, 0};
// Ticks at the display's rate.
constexpr int tickMs = 16;

// A widget's picture at the window's own pixels, whatever the screen's density.
QImage atWindowScale(QWidget &widget)
{
    return widget.grab().toImage().scaled(widget.size()).convertToFormat(QImage::Format_RGB32);
}

} // namespace

ReplayPlayback::ReplayPlayback(const Widgets &widgets, const GameState &state) : w(widgets), m_state(state)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(tickMs);
    m_timer.callOnTimeout([this] { tick(); });
}

bool ReplayPlayback::hasReplay() const
{
    return !m_state.Record.drags.isEmpty();
}

void ReplayPlayback::toggle()
{
    if (isRunning()) {
        stop();
        return;
    }
    if (!hasReplay())
        return;
    m_script.emplace(m_state.Record, onScreen);
    for (int k = 1; k <= 4; ++k) {
        m_before.partPlaces[k - 1] = w.parts.picture(k)->pos();
        m_before.partsShown[k - 1] = w.parts.picture(k)->isVisible();
    }
    m_before.guidance = w.guidanceLabel->caption();
    m_before.guidanceColour = w.guidanceLabel->fontColor();
    m_before.reviewShown = w.reviewLabel->isVisible();
    m_before.scoreShown = w.scoreLabel->isVisible();
    m_before.linesShown = w.reviewLines->isVisible();
    m_before.linesOn = w.reviewLines->linesShown();

    // The lines tell where the parts ended up; the replay shows how they got there.
    w.reviewLines->hide();
    w.reviewLabel->hide();
    // The score stands where the parts wait; it is back when the replay ends.
    w.scoreLabel->hide();
    for (int k = 1; k <= 4; ++k)
        w.parts.picture(k)->show();
    w.replayButton->setChecked(true);
    m_position = 0;
    showMoment(0);
    m_sinceTick.start();
    m_timer.start();
}

void ReplayPlayback::stop()
{
    if (!isRunning())
        return;
    m_timer.stop();
    m_script.reset();
    for (int k = 1; k <= 4; ++k) {
        w.parts.picture(k)->move(m_before.partPlaces[k - 1]);
        w.parts.picture(k)->setVisible(m_before.partsShown[k - 1]);
    }
    w.guidanceLabel->setFontColor(m_before.guidanceColour);
    w.guidanceLabel->setCaption(m_before.guidance);
    w.reviewLabel->setVisible(m_before.reviewShown);
    w.scoreLabel->setVisible(m_before.scoreShown);
    w.reviewLines->setLinesShown(m_before.linesOn);
    w.reviewLines->setVisible(m_before.linesShown);
    if (m_before.linesShown)
        w.reviewLines->raise();
    w.replayButton->setChecked(false);
}

void ReplayPlayback::tick()
{
    const int speed = w.doubleSpeedButton->isChecked() ? 2 : 1;
    m_position += m_sinceTick.restart() * speed;
    if (m_position >= m_script->length()) {
        stop();
        return;
    }
    showMoment(m_position);
}

void ReplayPlayback::showMoment(qint64 ms)
{
    if (!m_script)
        return;
    const ReplayScript::Frame frame = m_script->frameAt(ms);
    for (int k = 1; k <= 4; ++k) {
        PictureBox *part = w.parts.picture(k);
        if (part->pos() != frame.parts[k - 1])
            part->move(frame.parts[k - 1]);
    }
    if (frame.moving != 0)
        w.parts.picture(frame.moving)->raise();
    if (frame.hint.isEmpty()) {
        if (w.guidanceLabel->caption() != GameTexts::Replaying)
            guide(w.guidanceLabel, GameTexts::Replaying);
    } else if (w.guidanceLabel->caption() != frame.hint) {
        w.guidanceLabel->setFontColor(GameColour::HintRed);
        w.guidanceLabel->setCaption(frame.hint);
    }
}

ReplayMovie::Scene ReplayPlayback::scene() const
{
    // The face with the tray beside it, as far as the parts ever lie.
    QRect area = w.facePicture->geometry();
    for (int k = 1; k <= 4; ++k)
        area |= QRect(m_state.Record.trayPlaces[k - 1], w.parts.picture(k)->size());
    area &= w.client->rect();

    ReplayMovie::Scene scene;
    scene.origin = area.topLeft();
    scene.hintFont = w.guidanceLabel->font();
    // The bare outline on the window's green, nothing of the screen's texts and buttons.
    scene.background = QImage(area.size(), QImage::Format_RGB32);
    scene.background.fill(GameColour::MoneyGreen);
    QPainter painter(&scene.background);
    painter.drawImage(w.facePicture->pos() - scene.origin, atWindowScale(*w.facePicture));
    for (int k = 1; k <= 4; ++k)
        scene.parts[k - 1] = atWindowScale(*w.parts.picture(k));
    return scene;
}

void ReplayPlayback::saveAs(const QString &path) const
{
    const ReplayScript script(m_state.Record, ReplayMovie::pacing);
    writeFileAtomically(path, ReplayMovie::encode(script, scene()));
}
