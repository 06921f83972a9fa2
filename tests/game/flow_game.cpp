#include "game/GameTexts.h"
#include "game/ReplayMovie.h"
#include "game/ReplayPlayback.h"
#include "platform/pictures/WebpAnimation.h"
#include "platform/widgets/CaptionLabel.h"
#include "platform/widgets/CommandButton.h"
#include "platform/widgets/DragController.h"
#include "platform/widgets/GlobalCursor.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/widgets/LineOverlay.h"
#include "platform/widgets/ListBox.h"
#include "platform/widgets/PictureBox.h"
#include "platform/files/ProfileFile.h"
#include "library/FaceSelection.h"
#include "support/GameTable.h"
#include "support/WindowHarness.h"
#include "support/TestProgramFolder.h"

#include <QAction>
#include <QListWidget>
#include <QThreadPool>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QWindow>

namespace {

const QString practiceStart = QStringLiteral(
    "練習モードです。\r目・鼻・口をドラッグして顔の上に置いてください。\r本番モードにするには「練習」ボタンを押してください。");
const QString realText = QStringLiteral(
    "本番モードです。\r目・鼻・口をドラッグして顔の上に置いてください。但し、動き出すと消えますよ！");
const QColor blue(0, 0, 0xFF);
const QColor red(0xFF, 0, 0);

} // namespace

// A whole game on the real main window, played with the mouse.
class FlowGame : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void startLaysThePartsInTheTray();
    void modeSwitchDrawsTheLie();
    void practiceThenRealGameScores300();
    void everyPartTenRightFiveDownScores240();
    void farOffPartsScoreZero();
    void partMovesByThePointersTravel();
    void leftEdgeOnTheFaceEdgeCountsButDropOnItRestores();
    void dropOnLabelInRealModeRestores();
    void modeButtonIsFixedAfterTheFirstDrop();
    void pointerStaysInvisibleUntilTheBackgroundIsCrossed();
    void leavingTheWindowAcrossTheBackgroundAbandons();
    void leavingPixelByPixelAcrossFrameAndMenuBarAbandons_data();
    void leavingPixelByPixelAcrossFrameAndMenuBarAbandons();
    void dropOverADisabledButtonGoesToTheFaceUnderIt();
    void dragEndingWithNoDropRestores();
    void blindDragThroughTheWindowSystem();
    void hintsFollowThePointerInRed();
    void lyingHintsSteerToTheFalseSpot();
    void practiceGivesNoHint();
    void missingPartFileStopsTheStart();
    void savedWorkIsNamedAndHoldsWhatTheWindowShows();
    void unveilingReviewsEachPartButTheWorkLeavesItOut();
    void replayPlaysTheBlindMovesAndGivesTheScreenBack();
    void replayThatCannotBeWrittenLeavesTheWorkAlone();
    void bestGamesEnterTheFacesHallOfFame();
    void damagedHallOfFameIsSetAsideAndTheGameGoesOn();
    void portraitOutlineCutsAPartOffTheWork();
    void unsafeFaceNameIsNeverWrittenOutsideTheWorks();
    void selectAfterTheGameBringsBackTheSameFace();

private:
    WindowHarness &openGame(const TestProgramFolder::Face &face);
    // Presses part k at its centre and releases after the pointer travelled `travel`.
    void dragPart(int k, QPoint travel, Qt::MouseButton button = Qt::LeftButton);
    // Drags part k so that its top-left corner lands at `place` from the face's corner.
    void placePart(int k, QPoint place);
    void placeAllAtRightPlaces(QPoint offset = QPoint());
    // From face selection: a practice game, then the real one with every part `offset` off its
    // place, unveiled.
    void unveilRealGame(QPoint offset = QPoint());
    // Drags part k to `place` as a hand does: in steps, with time between them.
    void slidePart(int k, QPoint place, QWidget *dropOn = nullptr);
    // Presses part k at `grab` and releases at `release` in client coordinates.
    void dragPartTo(int k, QPoint grab, QPoint release);
    QPoint rightPlace(int k) const;
    void moveOverClient(QPoint global);

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<WindowHarness> m_harness;
    TestProgramFolder::Face m_face;
};

void FlowGame::init()
{
    m_harness.reset();
    m_folder = std::make_unique<TestProgramFolder>();
    m_face = GameTable::okame();
}

void FlowGame::cleanup()
{
    m_harness.reset();
    GlobalCursor::reset();
}

WindowHarness &FlowGame::openGame(const TestProgramFolder::Face &face)
{
    m_harness = GameTable::openOnFace(*m_folder, face);
    return *m_harness;
}

QPoint FlowGame::rightPlace(int k) const
{
    return m_face.places[k - 1];
}

void FlowGame::dragPart(int k, QPoint travel, Qt::MouseButton button)
{
    PictureBox *part = m_harness->w().parts().picture(k);
    const QPoint grab = part->rect().center();
    const QPoint release = part->mapToGlobal(grab) + travel;
    QTest::mousePress(part, button, {}, grab);
    QWidget *client = m_harness->w().client;
    QTest::mouseMove(client, client->mapFromGlobal(release));
    QTest::mouseRelease(client, button, {}, client->mapFromGlobal(release));
}

void FlowGame::dragPartTo(int k, QPoint grab, QPoint release)
{
    PictureBox *part = m_harness->w().parts().picture(k);
    QWidget *client = m_harness->w().client;
    QTest::mousePress(part, Qt::LeftButton, {}, grab);
    QTest::mouseMove(client, release);
    QTest::mouseRelease(client, Qt::LeftButton, {}, release);
}

void FlowGame::placePart(int k, QPoint place)
{
    const MainWindowWidgets &w = m_harness->w();
    dragPart(k, w.facePicture->pos() + place - w.parts().picture(k)->pos());
}

void FlowGame::slidePart(int k, QPoint place, QWidget *dropOn)
{
    const MainWindowWidgets &w = m_harness->w();
    PictureBox *part = w.parts().picture(k);
    const QPoint grab = part->rect().center();
    const QPoint from = part->mapTo(w.client, grab);
    const QPoint to = dropOn ? dropOn->mapTo(w.client, dropOn->rect().center()) : w.facePicture->pos() + place + grab;
    QTest::mousePress(part, Qt::LeftButton, {}, grab);
    for (int step = 1; step <= 5; ++step) {
        QTest::qWait(20);
        QTest::mouseMove(w.client, from + (to - from) * step / 5);
    }
    QTest::mouseRelease(w.client, Qt::LeftButton, {}, to);
}

void FlowGame::unveilRealGame(QPoint offset)
{
    const MainWindowWidgets &w = m_harness->w();
    m_harness->click(w.startButton);
    m_harness->click(w.modeButton);
    placeAllAtRightPlaces(offset);
    m_harness->click(w.startButton);
}

void FlowGame::placeAllAtRightPlaces(QPoint offset)
{
    for (int k = 1; k <= 4; ++k)
        placePart(k, rightPlace(k) + offset);
}

void FlowGame::moveOverClient(QPoint global)
{
    QWidget *client = m_harness->w().client;
    QMouseEvent move(QEvent::MouseMove, client->mapFromGlobal(QPointF(global)), QPointF(global), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(client, &move);
}

void FlowGame::startLaysThePartsInTheTray()
{
    WindowHarness &h = openGame(m_face);
    const MainWindowWidgets &w = h.w();
    h.click(w.startButton);
    QVERIFY(w.faceList->isHidden());
    QCOMPARE(w.rightEyePicture->geometry(), QRect(344, 32, 60, 60));
    QCOMPARE(w.leftEyePicture->geometry(), QRect(424, 32, 57, 41));
    QCOMPARE(w.nosePicture->geometry(), QRect(344, 112, 57, 41));
    QCOMPARE(w.mouthPicture->geometry(), QRect(344, 173, 57, 41));
    for (int k = 1; k <= 4; ++k)
        QVERIFY(w.parts().picture(k)->isVisible());
    QCOMPARE(h.form().currentScreen(), Screen::PracticePlay);
    QCOMPARE(w.guidanceLabel->caption(), practiceStart);
    QVERIFY(w.openingFaceBox->isVisible());
    QVERIFY(nearColour(w.facePicture->picture().pixelColor(3, 3),
                       TestProgramFolder::markedPicture({1, 1}, m_face.colour, 5).pixelColor(0, 0)));
}

void FlowGame::modeSwitchDrawsTheLie()
{
    WindowHarness &h = openGame(m_face);
    const MainWindowWidgets &w = h.w();
    h.click(w.startButton);
    h.chance.limits.clear();
    h.chance.draws << 0 << 7;
    h.click(w.modeButton);
    QCOMPARE(h.form().currentScreen(), Screen::RealPlay);
    QCOMPARE(h.chance.limits, QList<int>{10});
    QVERIFY(!h.form().game().HintsLie);
    h.click(w.modeButton);
    QCOMPARE(h.form().currentScreen(), Screen::PracticePlay);
    QCOMPARE(w.guidanceLabel->caption(), practiceStart);
    h.click(w.modeButton, Qt::RightButton); // any button switches
    QCOMPARE(h.form().currentScreen(), Screen::RealPlay);
    QVERIFY(h.form().game().HintsLie); // only the last draw counts
    QCOMPARE(h.chance.limits, (QList<int>{10, 10}));
    // The keyboard does not switch: only a release of the mouse does.
    w.modeButton->setFocus();
    QTest::keyClick(w.modeButton, Qt::Key_Space);
    QCOMPARE(h.form().currentScreen(), Screen::RealPlay);
}

void FlowGame::practiceThenRealGameScores300()
{
    WindowHarness &h = openGame(m_face);
    const MainWindowWidgets &w = h.w();
    h.click(w.startButton);
    placeAllAtRightPlaces();
    QCOMPARE(h.form().currentScreen(), Screen::PracticeDone);
    QCOMPARE(w.guidanceLabel->caption(), QStringLiteral("「スタート」ボタンを押してください。"));

    // The real game starts on the same face, parts back in the tray, without reading the files again.
    for (int k = 1; k <= 5; ++k)
        m_folder->removeFile(QStringLiteral("data/face0_%1.jpg").arg(k));
    h.chance.draws << 0; // the truth
    h.click(w.startButton);
    QVERIFY(h.dialogs.errors.isEmpty());
    QCOMPARE(h.form().currentScreen(), Screen::RealPlay);
    QCOMPARE(w.rightEyePicture->pos(), QPoint(344, 32));
    QVERIFY(!h.form().game().HintsLie);

    placeAllAtRightPlaces();
    for (int k = 1; k <= 4; ++k)
        QVERIFY(w.parts().picture(k)->isHidden());
    QCOMPARE(h.form().currentScreen(), Screen::UnveilReady);
    QCOMPARE(w.guidanceLabel->caption(),
             QStringLiteral("「お披露目」ボタンを押してください。\r先ほどの御案内は、正しいものでした。"));
    QCOMPARE(w.guidanceLabel->fontColor(), blue);

    h.click(w.startButton);
    for (int k = 1; k <= 4; ++k)
        QVERIFY(w.parts().picture(k)->isVisible());
    QCOMPARE(h.form().game().Score, 300);
    QCOMPARE(w.scoreLabel->caption(), QStringLiteral("得点\r　　300"));
    QVERIFY(w.scoreLabel->isVisible());
    QCOMPARE(h.form().currentScreen(), Screen::Unveiled);
}

void FlowGame::everyPartTenRightFiveDownScores240()
{
    WindowHarness &h = openGame(m_face);
    h.click(h.w().startButton);
    h.chance.draws << 3 << 10 << 10 << 10 << 10 << 10 << 10 << 10 << 10;
    h.click(h.w().modeButton);
    placeAllAtRightPlaces(QPoint(10, 5));
    QCOMPARE(h.w().guidanceLabel->caption(),
             QStringLiteral("「お披露目」ボタンを押してください。\r先ほどの御案内は、うそでした。"));
    h.click(h.w().startButton);
    QCOMPARE(h.form().game().Score, 240);
    QCOMPARE(h.w().scoreLabel->caption(), QStringLiteral("得点\r　　240"));
}

void FlowGame::farOffPartsScoreZero()
{
    WindowHarness &h = openGame(m_face);
    h.click(h.w().startButton);
    h.click(h.w().modeButton);
    placePart(1, QPoint(0, 0));
    placePart(2, QPoint(0, 0));
    placePart(3, QPoint(200, 0));
    placePart(4, QPoint(0, 250));
    h.click(h.w().startButton);
    QCOMPARE(h.form().game().Score, 0);
}

void FlowGame::partMovesByThePointersTravel()
{
    WindowHarness &h = openGame(m_face);
    h.click(h.w().startButton);
    PictureBox *re = h.w().rightEyePicture;
    const QPoint before = re->pos();
    // Grabbed near its corner this time: the travel, not the grab point, decides.
    QTest::mousePress(re, Qt::LeftButton, {}, QPoint(3, 50));
    const QPoint release = re->mapToGlobal(QPoint(3, 50)) + QPoint(-70, 50);
    QTest::mouseMove(h.w().facePicture, h.w().facePicture->mapFromGlobal(release));
    QCOMPARE(re->pos(), before); // nothing moves until the drop
    QTest::mouseRelease(h.w().facePicture, Qt::LeftButton, {}, h.w().facePicture->mapFromGlobal(release));
    QCOMPARE(re->pos(), before + QPoint(-70, 50));
    QCOMPARE(h.w().guidanceLabel->caption(),
             QStringLiteral("練習モードです。\r目・鼻・口をドラッグして顔の上に置いてください。"));
    QVERIFY(!h.form().game().Dragging);
}

void FlowGame::leftEdgeOnTheFaceEdgeCountsButDropOnItRestores()
{
    WindowHarness &h = openGame(m_face);
    const MainWindowWidgets &w = h.w();
    h.click(w.startButton);
    const int faceRight = w.facePicture->x() + w.facePicture->width();
    placePart(2, QPoint(10, 200));
    placePart(3, QPoint(100, 200));
    // The right eye, grabbed near its left edge, is left reaching past the face's right edge.
    dragPartTo(1, QPoint(2, 30), QPoint(302, 62));
    QCOMPARE(w.rightEyePicture->pos(), QPoint(300, 32));
    // The mouth is released over the right eye where it sticks out, its left edge on the face's edge.
    dragPartTo(4, QPoint(5, 5), QPoint(faceRight + 5, 45));
    QCOMPARE(w.mouthPicture->pos(), QPoint(faceRight, 40));
    QCOMPARE(h.form().currentScreen(), Screen::PracticeDone);

    // A drop onto the mouth counts as a drop on a part in the tray: the nose goes back.
    const QPoint nose = w.nosePicture->pos();
    dragPartTo(3, QPoint(5, 5), QPoint(faceRight + 46, 60));
    QCOMPARE(w.nosePicture->pos(), nose);
    // A drop on a part lying on the face places the part, moved by the pointer's travel.
    dragPartTo(3, QPoint(5, 5), QPoint(310, 50));
    QCOMPARE(w.nosePicture->pos(), QPoint(305, 45));
}

void FlowGame::dropOnLabelInRealModeRestores()
{
    WindowHarness &h = openGame(m_face);
    const MainWindowWidgets &w = h.w();
    h.click(w.startButton);
    h.click(w.modeButton);
    const QPoint before = w.leftEyePicture->pos();
    PictureBox *le = w.leftEyePicture;
    QTest::mousePress(le, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(le->isHidden());
    QTest::mouseMove(w.facePicture, QPoint(100, 100));
    QCOMPARE(w.guidanceLabel->fontColor(), red);
    const QPoint onLabel = w.guidanceLabel->rect().center();
    QTest::mouseMove(w.guidanceLabel, onLabel);
    QTest::mouseRelease(w.guidanceLabel, Qt::LeftButton, {}, onLabel);
    QVERIFY(le->isVisible());
    QCOMPARE(le->pos(), before);
    QCOMPARE(w.guidanceLabel->caption(), realText);
    QCOMPARE(w.guidanceLabel->fontColor(), blue);
    QVERIFY(w.modeButton->isEnabled()); // nothing was put on the face yet
}

void FlowGame::modeButtonIsFixedAfterTheFirstDrop()
{
    WindowHarness &h = openGame(m_face);
    const MainWindowWidgets &w = h.w();
    h.click(w.startButton);
    placePart(1, rightPlace(1));
    QVERIFY(!w.modeButton->isEnabled());
    h.click(w.modeButton);
    QCOMPARE(h.form().currentScreen(), Screen::PracticePlay);
    // In practice a part on the face can be moved again.
    placePart(1, rightPlace(1) + QPoint(4, 4));
    QCOMPARE(w.rightEyePicture->pos(), w.facePicture->pos() + rightPlace(1) + QPoint(4, 4));
}

void FlowGame::pointerStaysInvisibleUntilTheBackgroundIsCrossed()
{
    WindowHarness &h = openGame(m_face);
    const MainWindowWidgets &w = h.w();
    h.click(w.startButton);
    h.click(w.modeButton);
    QTest::mousePress(w.rightEyePicture, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(GlobalCursor::isSet());
    QCOMPARE(h.form().drag().shownCursorShape(), h.form().transparentCursor().shape());
    QTest::mouseMove(w.facePicture, QPoint(50, 50));
    QTest::mouseRelease(w.facePicture, Qt::LeftButton, {}, QPoint(50, 50));
    QVERIFY(GlobalCursor::isSet()); // still invisible over the face
    QVERIFY(w.rightEyePicture->isHidden());
    moveOverClient(w.client->mapToGlobal(QPoint(10, 470)));
    QVERIFY(!GlobalCursor::isSet());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void FlowGame::leavingTheWindowAcrossTheBackgroundAbandons()
{
    WindowHarness &h = openGame(m_face);
    const MainWindowWidgets &w = h.w();
    h.click(w.startButton);
    h.click(w.modeButton);
    const QPoint before = w.mouthPicture->pos();
    QTest::mousePress(w.mouthPicture, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(w.client, QPoint(550, 300)); // bare background
    QVERIFY(h.form().game().Dragging);
    QTest::mouseMove(w.client, QPoint(600, 300)); // out of the window
    QVERIFY(!h.form().game().Dragging);
    QVERIFY(w.mouthPicture->isVisible());
    QVERIFY(!GlobalCursor::isSet());
    QCOMPARE(w.guidanceLabel->caption(), realText);
    // Coming back and releasing over the face moves nothing: the drag was given up.
    QTest::mouseMove(w.facePicture, QPoint(100, 100));
    QTest::mouseRelease(w.facePicture, Qt::LeftButton, {}, QPoint(100, 100));
    QCOMPARE(w.mouthPicture->pos(), before);
    QVERIFY(w.modeButton->isEnabled());
}

void FlowGame::leavingPixelByPixelAcrossFrameAndMenuBarAbandons_data()
{
    QTest::addColumn<QPoint>("from"); // client coordinates, bare background
    QTest::addColumn<QPoint>("step");
    QTest::newRow("out of the right edge") << QPoint(540, 300) << QPoint(1, 0);
    QTest::newRow("out of the top over the menu bar") << QPoint(540, 20) << QPoint(0, -1);
}

void FlowGame::leavingPixelByPixelAcrossFrameAndMenuBarAbandons()
{
    QFETCH(QPoint, from);
    QFETCH(QPoint, step);
    WindowHarness &h = openGame(m_face);
    const MainWindowWidgets &w = h.w();
    h.click(w.startButton);
    h.click(w.modeButton);
    QVERIFY(QTest::qWaitForWindowExposed(&h.form()));
    QWindow *window = h.form().windowHandle();
    const QRect frame = h.form().frameGeometry();
    const auto strictlyInside = [&frame](QPoint p) {
        return frame.left() < p.x() && p.x() < frame.left() + frame.width() && frame.top() < p.y()
               && p.y() < frame.top() + frame.height();
    };
    const QPoint before = w.mouthPicture->pos();
    QTest::mousePress(window, Qt::LeftButton, {}, window->mapFromGlobal(w.mouthPicture->mapToGlobal(QPoint(5, 5))));
    QVERIFY(w.mouthPicture->isHidden());
    // The pointer crosses the background, then the menu bar or the frame, one pixel at a time.
    QPoint global = w.client->mapToGlobal(from);
    for (; strictlyInside(global); global += step) {
        QTest::mouseMove(window, window->mapFromGlobal(global));
        QVERIFY2(h.form().game().Dragging,
                 qPrintable(QStringLiteral("given up inside at %1, %2").arg(global.x()).arg(global.y())));
    }
    QTest::mouseMove(window, window->mapFromGlobal(global));
    QVERIFY(!h.form().game().Dragging);
    QVERIFY(w.mouthPicture->isVisible());
    QVERIFY(!GlobalCursor::isSet());
    QCOMPARE(w.guidanceLabel->caption(), realText);
    // Back on the face, the release places nothing.
    const QPoint onFace = window->mapFromGlobal(w.facePicture->mapToGlobal(QPoint(150, 150)));
    QTest::mouseMove(window, onFace);
    QTest::mouseRelease(window, Qt::LeftButton, {}, onFace);
    QCOMPARE(w.mouthPicture->pos(), before);
    QVERIFY(w.modeButton->isEnabled());
    QCOMPARE(h.form().currentScreen(), Screen::RealPlay);
}

void FlowGame::dropOverADisabledButtonGoesToTheFaceUnderIt()
{
    WindowHarness &h = openGame(m_face);
    const MainWindowWidgets &w = h.w();
    h.click(w.startButton);
    // No button of the layout lies over the face; the selection button, disabled during the
    // game, is put there.
    QVERIFY(!w.selectButton->isEnabled());
    w.selectButton->move(w.facePicture->pos() + QPoint(100, 100));
    w.selectButton->show();
    const QPoint overButton = w.selectButton->geometry().center();
    QCOMPARE(w.client->childAt(overButton), w.selectButton);
    dragPartTo(1, QPoint(5, 5), overButton);
    QCOMPARE(w.rightEyePicture->pos(), overButton - QPoint(5, 5)); // the grabbed point lands where released
    QVERIFY(!h.form().game().Dragging);
    QVERIFY(!w.modeButton->isEnabled()); // placed: the mode is fixed
    QCOMPARE(w.guidanceLabel->caption(),
             QStringLiteral("練習モードです。\r目・鼻・口をドラッグして顔の上に置いてください。"));
}

void FlowGame::dragEndingWithNoDropRestores()
{
    WindowHarness &h = openGame(m_face);
    const MainWindowWidgets &w = h.w();
    h.click(w.startButton);
    h.click(w.modeButton);
    // Escape.
    QTest::mousePress(w.rightEyePicture, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClick(&h.form(), Qt::Key_Escape);
    QVERIFY(w.rightEyePicture->isVisible());
    QVERIFY(!h.form().game().Dragging);
    QVERIFY(!GlobalCursor::isSet());
    // A release over a widget that refuses drops (the opening-face box).
    QTest::mousePress(w.leftEyePicture, Qt::LeftButton, {}, QPoint(5, 5));
    const QPoint onBox = w.openingFaceBox->rect().center();
    QTest::mouseMove(w.openingFaceBox, onBox);
    QCOMPARE(h.form().drag().shownCursorShape(), Qt::ForbiddenCursor);
    QTest::mouseRelease(w.openingFaceBox, Qt::LeftButton, {}, onBox);
    QVERIFY(w.leftEyePicture->isVisible());
    QVERIFY(!GlobalCursor::isSet());
    QCOMPARE(w.guidanceLabel->caption(), realText);
    // The game is still playable.
    placeAllAtRightPlaces();
    QCOMPARE(h.form().currentScreen(), Screen::UnveilReady);
}

void FlowGame::blindDragThroughTheWindowSystem()
{
    // Events from the window system, not sent to a widget: the vanished part must not take the
    // rest of the drag with it.
    WindowHarness &h = openGame(m_face);
    const MainWindowWidgets &w = h.w();
    h.click(w.startButton);
    h.click(w.modeButton);
    QVERIFY(QTest::qWaitForWindowExposed(&h.form()));
    QWindow *window = h.form().windowHandle();
    auto inWindow = [&](QPoint client) { return w.client->mapTo(&h.form(), client); };
    const QPoint press = w.rightEyePicture->pos() + QPoint(5, 5);
    const QPoint release = w.facePicture->pos() + rightPlace(1) + QPoint(5, 5);
    QTest::mousePress(window, Qt::LeftButton, {}, inWindow(press));
    QVERIFY(w.rightEyePicture->isHidden());
    QTest::mouseMove(window, inWindow(release));
    QVERIFY(w.guidanceLabel->caption().startsWith(QStringLiteral("もっと")));
    QTest::mouseRelease(window, Qt::LeftButton, {}, inWindow(release));
    QVERIFY(!h.form().game().Dragging);
    QCOMPARE(w.rightEyePicture->pos(), w.facePicture->pos() + rightPlace(1));
    QCOMPARE(w.guidanceLabel->caption(), realText);
}

void FlowGame::hintsFollowThePointerInRed()
{
    m_face.places[0] = QPoint(100, 80);
    WindowHarness &h = openGame(m_face);
    const MainWindowWidgets &w = h.w();
    h.click(w.startButton);
    h.chance.draws << 0; // the truth
    h.click(w.modeButton);
    QTest::mousePress(w.rightEyePicture, Qt::LeftButton, {}, QPoint(5, 5)); // 60 wide
    QCOMPARE(QPoint(h.form().game().HintTargetX, h.form().game().HintTargetY), QPoint(100, 80));
    QTest::mouseMove(w.facePicture, QPoint(130, 200));
    QCOMPARE(w.guidanceLabel->caption(), QStringLiteral("もっと右！もっと上！\rコンピューター、うそつかない！？"));
    QCOMPARE(w.guidanceLabel->fontColor(), red);
    QTest::mouseMove(w.facePicture, QPoint(131, 20));
    QCOMPARE(w.guidanceLabel->caption(), QStringLiteral("もっと左！もっと下！\rコンピューター、うそつかない！？"));
    // Leaving the face gives one more hint, for the point just left of it, and that one stays.
    QTest::mouseMove(w.client, QPoint(540, 300));
    QCOMPARE(w.guidanceLabel->caption(), QStringLiteral("もっと左！もっと上！\rコンピューター、うそつかない！？"));
    QTest::mouseMove(w.client, QPoint(545, 20));
    QCOMPARE(w.guidanceLabel->caption(), QStringLiteral("もっと左！もっと上！\rコンピューター、うそつかない！？"));
    QCOMPARE(w.guidanceLabel->fontColor(), red);
    QTest::mouseRelease(w.client, Qt::LeftButton, {}, QPoint(540, 300));
    QCOMPARE(w.guidanceLabel->caption(), realText);
}

void FlowGame::lyingHintsSteerToTheFalseSpot()
{
    m_face.places[2] = QPoint(100, 80);
    WindowHarness &h = openGame(m_face);
    const MainWindowWidgets &w = h.w();
    h.click(w.startButton);
    h.chance.draws << 9 << 0 << 79;
    h.click(w.modeButton);
    QVERIFY(h.form().game().HintsLie);
    QTest::mousePress(w.nosePicture, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(QPoint(h.form().game().HintTargetX, h.form().game().HintTargetY), QPoint(120, 179));
    QCOMPARE(h.chance.limits.mid(h.chance.limits.size() - 2), (QList<int>{80, 80}));
    // Held at its centre right over the true place, the part is sent right and down.
    QTest::mouseMove(w.facePicture, QPoint(100 + 57 / 2, 80 + 41 / 2));
    QVERIFY(w.guidanceLabel->caption().startsWith(QStringLiteral("もっと右！もっと下！")));
    QTest::mouseRelease(w.facePicture, Qt::LeftButton, {}, QPoint(100 + 57 / 2, 80 + 41 / 2));
}

void FlowGame::practiceGivesNoHint()
{
    WindowHarness &h = openGame(m_face);
    const MainWindowWidgets &w = h.w();
    h.click(w.startButton);
    QTest::mousePress(w.rightEyePicture, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(w.rightEyePicture->isVisible());
    QVERIFY(!GlobalCursor::isSet());
    QTest::mouseMove(w.facePicture, QPoint(100, 100));
    QCOMPARE(w.guidanceLabel->caption(), practiceStart);
    QCOMPARE(w.guidanceLabel->fontColor(), blue);
    QTest::mouseRelease(w.facePicture, Qt::LeftButton, {}, QPoint(100, 100));
}

void FlowGame::missingPartFileStopsTheStart()
{
    m_folder->addFaces(0);
    WindowHarness &h = openGame(m_face);
    m_folder->removeFile(QStringLiteral("data/face0_3.jpg"));
    h.click(h.w().startButton);
    QCOMPARE(h.dialogs.errors.size(), 1);
    QVERIFY(h.dialogs.errors[0].contains(QStringLiteral("face0_3.jpg")));
    QCOMPARE(h.form().currentScreen(), Screen::FaceSelect);
    QVERIFY(h.w().faceList->isHidden());
}

void FlowGame::savedWorkIsNamedAndHoldsWhatTheWindowShows()
{
    WindowHarness &h = openGame(m_face);
    const MainWindowWidgets &w = h.w();
    unveilRealGame(QPoint(0, 1));
    QCOMPARE(h.form().game().Score, 296);
    QVERIFY(!QDir(m_folder->path(QStringLiteral("Library"))).exists());
    h.click(w.modeButton);
    const QString work = m_folder->path(QStringLiteral("Library/おかめ_20080305140709_296.jpg"));
    QVERIFY(QFile::exists(work));
    // The work, and its replay beside it.
    QCOMPARE(QDir(m_folder->path(QStringLiteral("Library"))).entryList(QDir::Files),
             (QStringList{QStringLiteral("おかめ_20080305140709_296.jpg"),
                          QStringLiteral("おかめ_20080305140709_296.webp")}));
    QCOMPARE(w.guidanceLabel->caption(), QStringLiteral("「顔選択」ボタンを押すとゲームを再開します。"));
    QCOMPARE(h.form().currentScreen(), Screen::WorkSaved);

    const QImage saved = JpegCodec::decodeFile(work);
    QCOMPARE(saved.size(), QSize(300, 300));
    // The face and its parts as the window shows them, the review's lines hidden.
    QTest::mouseClick(w.reviewLines, Qt::LeftButton);
    const QImage shown = w.client->grab(QRect(w.facePicture->pos(), QSize(300, 300))).toImage();
    for (QPoint p : {QPoint(5, 5), rightPlace(1) + QPoint(30, 30), rightPlace(4) + QPoint(20, 20)})
        QVERIFY2(nearColour(saved.pixelColor(p), shown.pixelColor(p), 12), qPrintable(QString::number(p.x())));
    // The mouth is in the work, in its own colour.
    QVERIFY(nearColour(saved.pixelColor(rightPlace(4) + QPoint(20, 21)),
                       TestProgramFolder::markedPicture({1, 1}, m_face.colour, 4).pixelColor(0, 0), 12));
}

void FlowGame::unveilingReviewsEachPartButTheWorkLeavesItOut()
{
    WindowHarness &h = openGame(m_face);
    const MainWindowWidgets &w = h.w();
    h.click(w.startButton);
    h.click(w.modeButton);
    placePart(1, rightPlace(1) + QPoint(12, 0));
    placePart(2, rightPlace(2) + QPoint(-3, 4));
    placePart(3, rightPlace(3));
    placePart(4, rightPlace(4) + QPoint(0, 20));
    QVERIFY(w.reviewLabel->isHidden() && w.reviewLines->isHidden());
    h.click(w.startButton);
    QCOMPARE(h.form().game().Score, 261);
    QVERIFY(w.reviewLabel->isVisible());
    QCOMPARE(w.reviewLabel->caption(), QStringLiteral("右目　−12点\r左目　−7点\r鼻　0点　◎\r口　−20点"));
    // PETARA_SHOTS_DIR=<folder> keeps a picture of the unveiled review to look at.
    if (const QString shots = qEnvironmentVariable("PETARA_SHOTS_DIR"); !shots.isEmpty())
        h.form().grab().save(shots + QStringLiteral("/unveiling_review.png"));

    // The lines show over the face; a click on it, or "L", takes them away and brings them back.
    const QRect area(w.facePicture->pos(), QSize(300, 300));
    QVERIFY(w.reviewLines->isVisible() && w.reviewLines->linesShown());
    const QImage withLines = w.client->grab(area).toImage();
    QTest::mouseClick(w.reviewLines, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(!w.reviewLines->linesShown());
    const QImage withoutLines = w.client->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(withLines.convertToFormat(QImage::Format_RGB32) != withoutLines);
    QTest::keyClick(&h.form(), Qt::Key_L);
    QVERIFY(w.reviewLines->linesShown());

    // Saved with the lines on the screen, the work is the face without them, to the byte.
    h.click(w.modeButton);
    QFile work(m_folder->path(QStringLiteral("Library/おかめ_20080305140709_261.jpg")));
    QVERIFY(work.open(QIODevice::ReadOnly));
    QCOMPARE(work.readAll(), JpegCodec::encode(withoutLines));
    QVERIFY(w.reviewLines->isVisible() && w.reviewLabel->isVisible());

    // The next screen takes the review away.
    h.click(w.selectButton);
    QVERIFY(w.reviewLabel->isHidden() && w.reviewLines->isHidden());
}

void FlowGame::replayPlaysTheBlindMovesAndGivesTheScreenBack()
{
    WindowHarness &h = openGame(m_face);
    const MainWindowWidgets &w = h.w();
    h.click(w.startButton);
    h.chance.draws << 9; // the computer lies in this game
    h.click(w.modeButton);
    slidePart(1, rightPlace(1) + QPoint(12, 0));
    slidePart(2, QPoint(), w.guidanceLabel); // dropped on the guidance: back to the tray
    slidePart(2, rightPlace(2) + QPoint(-3, 4));
    slidePart(3, rightPlace(3));
    slidePart(4, rightPlace(4) + QPoint(0, 20));
    const BlindRecord &record = h.form().game().Record;
    QCOMPARE(record.drags.size(), 5);
    QVERIFY(!record.drags[1].dropped);
    QVERIFY(!record.hints.isEmpty());
    QVERIFY(w.replayButton->isHidden());
    h.click(w.startButton);
    QVERIFY(w.replayButton->isVisible() && w.replayButton->isEnabled());
    QCOMPARE(w.replayButton->text(), QStringLiteral("リプレイ"));
    QVERIFY(w.doubleSpeedButton->isVisible());

    struct Look
    {
        QVector<QPoint> parts;
        QString guidance, review, score;
        bool reviewShown, linesShown, scoreShown;
        bool operator==(const Look &) const = default;
    };
    auto look = [&w] {
        Look seen{{},
                  w.guidanceLabel->caption(),
                  w.reviewLabel->caption(),
                  w.scoreLabel->caption(),
                  w.reviewLabel->isVisible(),
                  w.reviewLines->isVisible(),
                  w.scoreLabel->isVisible()};
        for (int k = 1; k <= 4; ++k)
            seen.parts << (w.parts().picture(k)->isVisible() ? w.parts().picture(k)->pos() : QPoint(-1, -1));
        return seen;
    };
    const Look unveiled = look();
    ReplayPlayback &replay = h.form().replay();

    // The replay starts from the tray, the review put away; a second press gives everything back.
    h.click(w.replayButton);
    QVERIFY(replay.isRunning() && w.replayButton->isChecked());
    QCOMPARE(w.parts().picture(1)->pos(), record.trayPlaces[0]);
    QVERIFY(w.reviewLines->isHidden() && w.reviewLabel->isHidden());
    QCOMPARE(w.guidanceLabel->caption(), GameTexts::Replaying);
    // During the first drag the part is on its way, in sight, and the lie is told as it comes.
    const BlindRecord::Drag &first = record.drags[0];
    const qint64 start = std::min<qint64>(first.path.first().ms, 1000);
    bool unmasked = false;
    // Up to the drop, whose hint stays until the next drag.
    const qint64 drop = start + first.path.last().ms - first.path.first().ms;
    for (qint64 step = start;; step += 5) {
        const qint64 ms = std::min(step, drop);
        replay.showMoment(ms);
        QVERIFY(w.parts().picture(1)->isVisible());
        if (w.guidanceLabel->caption().contains(QStringLiteral("←うそ"))) {
            QCOMPARE(w.guidanceLabel->fontColor(), red);
            QVERIFY(w.parts().picture(1)->pos() != record.trayPlaces[0]);
            // PETARA_SHOTS_DIR=<folder> keeps a picture of the replay as the lie is unmasked.
            if (const QString shots = qEnvironmentVariable("PETARA_SHOTS_DIR"); !shots.isEmpty() && !unmasked)
                h.form().grab().save(shots + QStringLiteral("/replay_lie.png"));
            unmasked = true;
        }
        if (ms == drop)
            break;
    }
    QVERIFY(unmasked);
    h.click(w.replayButton);
    QVERIFY(!replay.isRunning() && !w.replayButton->isChecked());
    QVERIFY(look() == unveiled);

    // Played to its end at twice the speed, it leaves the same unveiled screen.
    h.click(w.doubleSpeedButton);
    h.click(w.replayButton);
    QVERIFY(replay.isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(!replay.isRunning(), int(replay.length()) + 2000);
    QVERIFY(look() == unveiled);
    QVERIFY(!w.replayButton->isChecked());

    // "保存" during a replay: the work is the unveiled face, and the replay is kept beside it.
    QTest::mouseClick(w.reviewLines, Qt::LeftButton, {}, QPoint(5, 5));
    const QImage withoutLines =
        w.client->grab(QRect(w.facePicture->pos(), QSize(300, 300))).toImage().convertToFormat(QImage::Format_RGB32);
    QTest::keyClick(&h.form(), Qt::Key_L);
    const ReplayMovie::Scene scene = replay.scene();
    h.click(w.replayButton);
    h.click(w.modeButton);
    QVERIFY(!replay.isRunning());
    QCOMPARE(h.form().currentScreen(), Screen::WorkSaved);
    const QString name = QStringLiteral("Library/おかめ_20080305140709_") + QString::number(h.form().game().Score);
    QFile work(m_folder->path(name + QStringLiteral(".jpg")));
    QVERIFY(work.open(QIODevice::ReadOnly));
    QCOMPARE(work.readAll(), JpegCodec::encode(withoutLines));
    QFile kept(m_folder->path(name + QStringLiteral(".webp")));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    WebpAnimationReader movie(kept.readAll());
    QCOMPARE(movie.size(), ReplayMovie::frameSize(scene));
    // The face and the tray at the window's scale, the hint strip under them.
    int trayRight = 0;
    for (int k = 1; k <= 4; ++k)
        trayRight = std::max(trayRight, record.trayPlaces[k - 1].x() + w.parts().picture(k)->width());
    QCOMPARE(movie.size(), QSize(trayRight - w.facePicture->x(), 300 + ReplayMovie::hintStripHeight));
    QImage frame;
    int end = 0;
    int frames = 0;
    while (movie.next(frame, end))
        ++frames;
    QVERIFY(frames > 5);
    QCOMPARE(end, int(ReplayScript(record, ReplayMovie::pacing).length()));
    // PETARA_SHOTS_DIR=<folder> keeps the replay to look at.
    if (const QString shots = qEnvironmentVariable("PETARA_SHOTS_DIR"); !shots.isEmpty())
        QFile::copy(kept.fileName(), shots + QStringLiteral("/replay.webp"));

    // The gallery says the work has a replay and plays it in the picture box.
    h.click(w.selectButton);
    w.galleryAction->trigger();
    QVERIFY(w.replayButton->isHidden());
    const QString workName = QFileInfo(work.fileName()).fileName();
    const QList<QListWidgetItem *> found = w.pickList->findItems(workName, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    QTest::mouseClick(w.pickList->viewport(), Qt::LeftButton, {}, w.pickList->visualItemRect(found[0]).center());
    QTRY_VERIFY(w.faceNameLabel->caption().startsWith(workName));
    QVERIFY(w.faceNameLabel->caption().contains(QStringLiteral("リプレイあり")));
    QVERIFY(w.replayButton->isVisible());
    const QImage shownWork = w.facePicture->picture();
    h.click(w.replayButton);
    QVERIFY(w.replayButton->isChecked());
    QCOMPARE(w.facePicture->picture().size(), movie.size());
    h.click(w.replayButton);
    QVERIFY(!w.replayButton->isChecked());
    QCOMPARE(w.facePicture->picture(), shownWork);
}

void FlowGame::replayThatCannotBeWrittenLeavesTheWorkAlone()
{
    WindowHarness &h = openGame(m_face);
    const MainWindowWidgets &w = h.w();
    unveilRealGame();
    // A folder where the replay would go: the rename over it fails.
    QVERIFY(QDir().mkpath(m_folder->path(QStringLiteral("Library/おかめ_20080305140709_300.webp"))));
    h.click(w.modeButton);
    QCOMPARE(h.dialogs.errors.size(), 1);
    QVERIFY2(h.dialogs.errors[0].startsWith(QStringLiteral("作品は保存しましたが、リプレイは保存できませんでした。")),
             qPrintable(h.dialogs.errors[0]));
    QCOMPARE(h.form().currentScreen(), Screen::WorkSaved);
    // The work whole, and nothing half-written beside it.
    const QDir works(m_folder->path(QStringLiteral("Library")));
    QCOMPARE(works.entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("おかめ_20080305140709_300.jpg")});
    QVERIFY(!JpegCodec::decodeFile(works.filePath(QStringLiteral("おかめ_20080305140709_300.jpg"))).isNull());
}

void FlowGame::bestGamesEnterTheFacesHallOfFame()
{
    WindowHarness &h = openGame(m_face);
    const MainWindowWidgets &w = h.w();
    QVERIFY(w.partyMenuAction->isEnabled());
    w.hallOfFameAction->trigger();
    QCOMPARE(h.dialogs.messages.last(), QStringLiteral("「おかめ」の殿堂には、まだだれも入っていません。"));
    // Three games: 300, 296, then 300 again, which takes second place behind the first.
    for (QPoint offset : {QPoint(), QPoint(0, 1), QPoint()}) {
        unveilRealGame(offset);
        QVERIFY(!w.partyMenuAction->isEnabled());
        h.click(w.selectButton);
    }
    QCOMPARE(h.dialogs.errors, QStringList());
    w.hallOfFameAction->trigger();
    QCOMPARE(h.dialogs.messages.last(), QStringLiteral("「おかめ」の殿堂\r第1位　300点　ひとり　2008年3月5日\r"
                                                       "第2位　300点　ひとり　2008年3月5日\r"
                                                       "第3位　296点　ひとり　2008年3月5日"));
    // The announcement at the unveiling, over the usual words.
    unveilRealGame(QPoint(0, 3));
    QCOMPARE(h.form().game().Score, 288);
    QVERIFY2(w.guidanceLabel->caption().startsWith(QStringLiteral("第4位にランクイン！\rうまくできましたか？")),
             qPrintable(w.guidanceLabel->caption()));
    if (const QString shots = qEnvironmentVariable("PETARA_SHOTS_DIR"); !shots.isEmpty())
        h.form().grab().save(shots + QStringLiteral("/hall_of_fame_entry.png"));
    QVERIFY(QFile::exists(m_folder->path(QStringLiteral("data/halloffame.txt"))));
}

void FlowGame::damagedHallOfFameIsSetAsideAndTheGameGoesOn()
{
    m_folder->writeFile(QStringLiteral("data/halloffame.txt"), "not a hall of fame\n");
    WindowHarness &h = openGame(m_face);
    const MainWindowWidgets &w = h.w();
    unveilRealGame();
    QCOMPARE(h.form().currentScreen(), Screen::Unveiled);
    QCOMPARE(h.dialogs.errors.size(), 1);
    QVERIFY(w.guidanceLabel->caption().startsWith(QStringLiteral("第1位にランクイン！")));
    QCOMPARE(m_folder->readFile(QStringLiteral("data/halloffame.txt.damaged")), QByteArray("not a hall of fame\n"));
    QVERIFY(m_folder->readFile(QStringLiteral("data/halloffame.txt")).contains("おかめ\t300\t"));
}

void FlowGame::portraitOutlineCutsAPartOffTheWork()
{
    m_face.wholeSize = QSize(200, 300);
    m_face.places[3] = QPoint(110, 210);
    WindowHarness &h = openGame(m_face);
    const MainWindowWidgets &w = h.w();
    QCOMPARE(h.form().shownFace().DisplayWidth, 200);
    h.click(w.startButton);
    h.click(w.modeButton);
    placePart(1, rightPlace(1));
    placePart(2, rightPlace(2));
    placePart(3, rightPlace(3));
    placePart(4, QPoint(230, 100)); // on the right-hand third, beside the picture
    h.click(w.startButton);
    h.click(w.modeButton);
    const QStringList works =
        QDir(m_folder->path(QStringLiteral("Library"))).entryList({QStringLiteral("*.jpg")}, QDir::Files);
    QCOMPARE(works.size(), 1);
    const QImage saved = JpegCodec::decodeFile(m_folder->path(QStringLiteral("Library/")) + works[0]);
    QCOMPARE(saved.size(), QSize(200, 300));
}

void FlowGame::unsafeFaceNameIsNeverWrittenOutsideTheWorks()
{
    m_face.name = QStringLiteral("../../escape");
    WindowHarness &h = openGame(m_face);
    const MainWindowWidgets &w = h.w();
    unveilRealGame();
    h.click(w.modeButton);
    QCOMPARE(h.dialogs.errors.size(), 1);
    QVERIFY(h.dialogs.errors[0].contains(QStringLiteral("保存できません")));
    QCOMPARE(h.form().currentScreen(), Screen::Unveiled);
    QVERIFY(w.guidanceLabel->caption().contains(QStringLiteral("うまくできましたか？")));
    QVERIFY(!QFile::exists(m_folder->path(QStringLiteral("../escape_20080305140709_300.jpg"))));
    QVERIFY(!QFile::exists(m_folder->path(QStringLiteral("../../escape_20080305140709_300.jpg"))));
    const QStringList left = QDir(m_folder->path(QStringLiteral("Library"))).entryList(QDir::Files);
    QVERIFY(left.isEmpty());
}

void FlowGame::selectAfterTheGameBringsBackTheSameFace()
{
    WindowHarness &h = openGame(m_face);
    const MainWindowWidgets &w = h.w();
    unveilRealGame();
    h.click(w.selectButton);
    QCOMPARE(h.form().shownFace().CurrentFace, 0);
    QVERIFY(w.scoreLabel->isHidden());
    QCOMPARE(h.form().currentScreen(), Screen::FaceSelect);
    QCOMPARE(w.modeButton->text(), QStringLiteral("保存")); // kept from the game
    // And a new game starts in practice.
    h.click(w.startButton);
    QCOMPARE(h.form().currentScreen(), Screen::PracticePlay);
}

QTEST_MAIN(FlowGame)
#include "flow_game.moc"
