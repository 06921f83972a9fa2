#include "game/ReplayMovie.h"
#include "platform/pictures/WebpAnimation.h"
#include "support/MadeGames.h"

#include <QTest>

// The replay kept as an animated WebP, drawn from a made game and read back with libwebp.
class TestReplayMovie : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void framesShowThePartsAndTheUnmaskedHint();
    void webpHoldsEveryChangeAtTheDisplaySize();
};

namespace {

// A grey face area with the tray beside it, from (24, 32) in the window, and plain parts.
ReplayMovie::Scene madeScene()
{
    ReplayMovie::Scene scene;
    scene.origin = QPoint(24, 32);
    scene.background = QImage(500, 300, QImage::Format_RGB32);
    scene.background.fill(QColor(128, 128, 128));
    const QColor colours[] = {Qt::red, Qt::blue, Qt::green, Qt::magenta};
    for (int k = 0; k < 4; ++k) {
        scene.parts[k] = QImage(40, 30, QImage::Format_RGB32);
        scene.parts[k].fill(colours[k]);
    }
    scene.hintFont = QFont(QStringLiteral("IPAPGothic"), 16, QFont::Bold);
    return scene;
}

bool near(QColor a, QColor b, int tolerance = 40)
{
    return qAbs(a.red() - b.red()) <= tolerance && qAbs(a.green() - b.green()) <= tolerance
           && qAbs(a.blue() - b.blue()) <= tolerance;
}

bool hasRed(const QImage &picture, QRect area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80)
                return true;
        }
    }
    return false;
}

} // namespace

void TestReplayMovie::framesShowThePartsAndTheUnmaskedHint()
{
    const ReplayMovie::Scene scene = madeScene();
    const ReplayScript script(MadeGames::blindGame(), ReplayMovie::pacing);
    QCOMPARE(ReplayMovie::frameSize(scene), QSize(500, 300 + ReplayMovie::hintStripHeight));

    // Before any drag every part waits in the tray; the strip is empty.
    const QImage before = ReplayMovie::frame(scene, script.frameAt(0));
    QVERIFY(near(before.pixelColor(QPoint(344, 32) - scene.origin + QPoint(5, 5)), Qt::red, 0));
    QVERIFY(near(before.pixelColor(QPoint(144, 132) - scene.origin + QPoint(5, 5)), QColor(128, 128, 128), 0));
    const QRect strip(0, 300, 500, ReplayMovie::hintStripHeight);
    QVERIFY(!hasRed(before, strip));

    // Mid-drag the eye travels with its lying hint written in red under the face.
    const ReplayScript::Frame moving = script.frameAt(750);
    QCOMPARE(moving.moving, 1);
    const QImage during = ReplayMovie::frame(scene, moving);
    QVERIFY(near(during.pixelColor(moving.parts[0] - scene.origin + QPoint(5, 5)), Qt::red, 0));
    QVERIFY(hasRed(during, strip));

    // After the drop the eye lies where it landed.
    const QImage after = ReplayMovie::frame(scene, script.frameAt(1600));
    QVERIFY(near(after.pixelColor(QPoint(144, 132) - scene.origin + QPoint(5, 5)), Qt::red, 0));
}

void TestReplayMovie::webpHoldsEveryChangeAtTheDisplaySize()
{
    const ReplayMovie::Scene scene = madeScene();
    const ReplayScript script(MadeGames::blindGame(), ReplayMovie::pacing);
    // The encoder folds a frame equal to the one before into it; every change is a frame.
    int changes = 0;
    QImage previous;
    for (int i = 0; i < ReplayMovie::frameCount(script); ++i) {
        const QImage next = ReplayMovie::frame(scene, script.frameAt(ReplayMovie::frameTime(i)));
        changes += next != previous;
        previous = next;
    }
    QVERIFY(changes > 10);

    WebpAnimationReader movie(ReplayMovie::encode(script, scene));
    QCOMPARE(movie.size(), ReplayMovie::frameSize(scene));
    QCOMPARE(movie.frameCount(), changes);
    QImage frame;
    int end = 0;
    int lastEnd = 0;
    int decoded = 0;
    QImage middle;
    while (movie.next(frame, end)) {
        QVERIFY(end > lastEnd);
        QCOMPARE(frame.size(), ReplayMovie::frameSize(scene));
        if (lastEnd <= 750 && 750 < end)
            middle = frame;
        lastEnd = end;
        ++decoded;
    }
    QCOMPARE(decoded, changes);
    QCOMPARE(qint64(lastEnd), script.length());
    // The moment shown at 750 ms: the eye on its way, lossy but in its colour.
    const QPoint eye = script.frameAt(ReplayMovie::frameTime(750 * ReplayMovie::framesPerSecond / 1000)).parts[0];
    QVERIFY(near(middle.pixelColor(eye - scene.origin + QPoint(20, 15)), Qt::red));
}

QTEST_MAIN(TestReplayMovie)
#include "tst_replay_movie.moc"
