#pragma once

#include <QElapsedTimer>
#include <QImage>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <memory>

class KeptReplay;

// The saved works full screen for the room to watch, one every few seconds with a caption in
// large text. Each work is read off the window's thread as its turn comes, so the first one
// shows at once however many there are. A work with its replay beside it is shown, then its
// replay plays, and the next work follows. ← and → step, space pauses, Esc or a click leaves.
class Slideshow : public QWidget
{
    Q_OBJECT
public:
    // works: file names in folder, in the order they are shown. A top-level window over parent.
    Slideshow(const QString &folder, const QStringList &works, QWidget *parent);
    ~Slideshow() override;

    // Goes full screen and starts reading the first work.
    void start();

    // How long each work stays; tests shorten it.
    QTimer &slideTimer() { return m_slideTimer; }
    // The work on show, "" until the first is read.
    QString shownWork() const { return m_shown < 0 ? QString() : m_works[m_shown]; }
    QString caption() const { return m_caption; }
    const QImage &picture() const { return m_picture; }
    bool isPaused() const { return m_paused; }
    bool isPlayingReplay() const { return m_replay != nullptr; }

Q_SIGNALS:
    // Esc, a click, or no work could be read; the window then closes and deletes itself.
    void finished();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // Reads work `index`; when it cannot be read, the one after it in `step`'s direction.
    void load(int index, int step);
    void loaded(quint64 request, int index, int step, const QImage &picture);
    void stepBy(int step);
    void slideEnded();
    bool startReplay();
    void stopReplay();
    void replayTick();
    void togglePause();
    void leave();

    const QString m_folder;
    const QStringList m_works;
    int m_shown = -1;
    int m_unreadableInARow = 0;
    quint64 m_request = 0; // only the last step's picture is shown
    bool m_paused = false;
    bool m_left = false;
    QImage m_picture;
    QString m_caption;
    QTimer m_slideTimer;
    std::unique_ptr<KeptReplay> m_replay;
    QTimer m_replayTimer;
    QElapsedTimer m_sinceTick;
};
