#pragma once

#include "game/ReplayMovie.h"
#include "game/ReplayScript.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <optional>

// A player's blind moves played again over the ranking: the replay's frames drawn by the clock,
// large, with whose they are. A click, Esc or the end gives the ranking back.
class RoundReplayView : public QWidget
{
    Q_OBJECT
public:
    explicit RoundReplayView(QWidget *parent = nullptr);

    void play(const QString &player, const ReplayScript &script, const ReplayMovie::Scene &scene);
    void stop();
    bool isRunning() const { return m_script.has_value(); }
    qint64 length() const { return m_script ? m_script->length() : 0; }
    // Shows the moment ms, as a tick does.
    void showMoment(qint64 ms);
    const QImage &frame() const { return m_frame; }
    const QString &title() const { return m_title; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void tick();

    std::optional<ReplayScript> m_script;
    ReplayMovie::Scene m_scene;
    QString m_title;
    QImage m_frame;
    QTimer m_timer;
    QElapsedTimer m_clock;
};
