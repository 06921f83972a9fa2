#include "platform/CaptionLabel.h"
#include "platform/CommandButton.h"
#include "platform/DragController.h"
#include "platform/GlobalCursor.h"
#include "platform/JpegCodec.h"
#include "platform/PictureBox.h"
#include "platform/ProfileFile.h"
#include "library/FaceSelection.h"
#include "support/FormHarness.h"
#include "support/TestProgramFolder.h"

#include <QAction>
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
    void portraitOutlineCutsAPartOffTheWork();
    void unsafeFaceNameIsNeverWrittenOutsideTheWorks();
    void selectAfterTheGameBringsBackTheSameFace();

private:
    FormHarness &openGame(const TestProgramFolder::Face &face);
    // Presses part k at its centre and releases after the pointer travelled `travel`.
    void dragPart(int k, QPoint travel, Qt::MouseButton button = Qt::LeftButton);
    // Drags part k so that its top-left corner lands at `place` from the face's corner.
    void placePart(int k, QPoint place);
    void placeAllAtRightPlaces(QPoint offset = QPoint());
    // Presses part k at `grab` and releases at `release` in client coordinates.
    void dragPartTo(int k, QPoint grab, QPoint release);
    QPoint rightPlace(int k) const;
    void moveOverClient(QPoint global);

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<FormHarness> m_harness;
    TestProgramFolder::Face m_face;
};

void FlowGame::init()
{
    m_harness.reset();
    m_folder = std::make_unique<TestProgramFolder>();
    m_face = TestProgramFolder::Face();
    m_face.name = QStringLiteral("おかめ");
    m_face.places = {QPoint(60, 80), QPoint(170, 80), QPoint(120, 140), QPoint(110, 210)};
}

void FlowGame::cleanup()
{
    m_harness.reset();
    GlobalCursor::reset();
}

FormHarness &FlowGame::openGame(const TestProgramFolder::Face &face)
{
    m_folder->addFace(face);
    m_folder->addFaces(1);
    ProfileFile(m_folder->indexPath()).writeInteger(QStringLiteral("TitleFace"), QStringLiteral("NO"), 0);
    m_harness = std::make_unique<FormHarness>(m_folder->appDir());
    m_harness->open();
    m_harness->click(m_harness->w().BtnSentaku);
    return *m_harness;
}

QPoint FlowGame::rightPlace(int k) const
{
    return m_face.places[k - 1];
}

void FlowGame::dragPart(int k, QPoint travel, Qt::MouseButton button)
{
    PictureBox *part = m_harness->w().partImage(k);
    const QPoint grab = part->rect().center();
    const QPoint release = part->mapToGlobal(grab) + travel;
    QTest::mousePress(part, button, {}, grab);
    QWidget *client = m_harness->w().client;
    QTest::mouseMove(client, client->mapFromGlobal(release));
    QTest::mouseRelease(client, button, {}, client->mapFromGlobal(release));
}

void FlowGame::dragPartTo(int k, QPoint grab, QPoint release)
{
    PictureBox *part = m_harness->w().partImage(k);
    QWidget *client = m_harness->w().client;
    QTest::mousePress(part, Qt::LeftButton, {}, grab);
    QTest::mouseMove(client, release);
    QTest::mouseRelease(client, Qt::LeftButton, {}, release);
}

void FlowGame::placePart(int k, QPoint place)
{
    const Form1Widgets &w = m_harness->w();
    dragPart(k, w.Image1->pos() + place - w.partImage(k)->pos());
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
    FormHarness &h = openGame(m_face);
    const Form1Widgets &w = h.w();
    h.click(w.BtnStart);
    QVERIFY(w.ComboBox1->isHidden());
    QCOMPARE(w.ImageRE->geometry(), QRect(344, 32, 60, 60));
    QCOMPARE(w.ImageLE->geometry(), QRect(424, 32, 57, 41));
    QCOMPARE(w.ImageHana->geometry(), QRect(344, 112, 57, 41));
    QCOMPARE(w.ImageKuti->geometry(), QRect(344, 173, 57, 41));
    for (int k = 1; k <= 4; ++k)
        QVERIFY(w.partImage(k)->isVisible());
    QCOMPARE(h.form().currentScreen(), Screen::PracticePlay);
    QCOMPARE(w.Label1->caption(), practiceStart);
    QVERIFY(w.CheckBox1->isVisible());
    QVERIFY(nearColour(w.Image1->picture().pixelColor(3, 3),
                       TestProgramFolder::markedPicture({1, 1}, m_face.colour, 5).pixelColor(0, 0)));
}

void FlowGame::modeSwitchDrawsTheLie()
{
    FormHarness &h = openGame(m_face);
    const Form1Widgets &w = h.w();
    h.click(w.BtnStart);
    h.chance.limits.clear();
    h.chance.draws << 0 << 7;
    h.click(w.BtnRenshu);
    QCOMPARE(h.form().currentScreen(), Screen::RealPlay);
    QCOMPARE(h.chance.limits, QList<int>{10});
    QVERIFY(!h.form().game().HintsLie);
    h.click(w.BtnRenshu);
    QCOMPARE(h.form().currentScreen(), Screen::PracticePlay);
    QCOMPARE(w.Label1->caption(), practiceStart);
    h.click(w.BtnRenshu, Qt::RightButton); // any button switches
    QCOMPARE(h.form().currentScreen(), Screen::RealPlay);
    QVERIFY(h.form().game().HintsLie); // only the last draw counts
    QCOMPARE(h.chance.limits, (QList<int>{10, 10}));
    // The keyboard does not switch: only a release of the mouse does.
    w.BtnRenshu->setFocus();
    QTest::keyClick(w.BtnRenshu, Qt::Key_Space);
    QCOMPARE(h.form().currentScreen(), Screen::RealPlay);
}

void FlowGame::practiceThenRealGameScores300()
{
    FormHarness &h = openGame(m_face);
    const Form1Widgets &w = h.w();
    h.click(w.BtnStart);
    placeAllAtRightPlaces();
    QCOMPARE(h.form().currentScreen(), Screen::PracticeDone);
    QCOMPARE(w.Label1->caption(), QStringLiteral("「スタート」ボタンを押してください。"));

    // The real game starts on the same face, parts back in the tray, without reading the files again.
    for (int k = 1; k <= 5; ++k)
        m_folder->removeFile(QStringLiteral("data/face0_%1.jpg").arg(k));
    h.chance.draws << 0; // the truth
    h.click(w.BtnStart);
    QVERIFY(h.dialogs.errors.isEmpty());
    QCOMPARE(h.form().currentScreen(), Screen::RealPlay);
    QCOMPARE(w.ImageRE->pos(), QPoint(344, 32));
    QVERIFY(!h.form().game().HintsLie);

    placeAllAtRightPlaces();
    for (int k = 1; k <= 4; ++k)
        QVERIFY(w.partImage(k)->isHidden());
    QCOMPARE(h.form().currentScreen(), Screen::UnveilReady);
    QCOMPARE(w.Label1->caption(),
             QStringLiteral("「お披露目」ボタンを押してください。\r先ほどの御案内は、正しいものでした。"));
    QCOMPARE(w.Label1->fontColor(), blue);

    h.click(w.BtnStart);
    for (int k = 1; k <= 4; ++k)
        QVERIFY(w.partImage(k)->isVisible());
    QCOMPARE(h.form().game().Score, 300);
    QCOMPARE(w.LabelScore->caption(), QStringLiteral("得点\r　　300"));
    QVERIFY(w.LabelScore->isVisible());
    QCOMPARE(h.form().currentScreen(), Screen::Unveiled);
}

void FlowGame::everyPartTenRightFiveDownScores240()
{
    FormHarness &h = openGame(m_face);
    h.click(h.w().BtnStart);
    h.chance.draws << 3 << 10 << 10 << 10 << 10 << 10 << 10 << 10 << 10;
    h.click(h.w().BtnRenshu);
    placeAllAtRightPlaces(QPoint(10, 5));
    QCOMPARE(h.w().Label1->caption(),
             QStringLiteral("「お披露目」ボタンを押してください。\r先ほどの御案内は、うそでした。"));
    h.click(h.w().BtnStart);
    QCOMPARE(h.form().game().Score, 240);
    QCOMPARE(h.w().LabelScore->caption(), QStringLiteral("得点\r　　240"));
}

void FlowGame::farOffPartsScoreZero()
{
    FormHarness &h = openGame(m_face);
    h.click(h.w().BtnStart);
    h.click(h.w().BtnRenshu);
    placePart(1, QPoint(0, 0));
    placePart(2, QPoint(0, 0));
    placePart(3, QPoint(200, 0));
    placePart(4, QPoint(0, 250));
    h.click(h.w().BtnStart);
    QCOMPARE(h.form().game().Score, 0);
}

void FlowGame::partMovesByThePointersTravel()
{
    FormHarness &h = openGame(m_face);
    h.click(h.w().BtnStart);
    PictureBox *re = h.w().ImageRE;
    const QPoint before = re->pos();
    // Grabbed near its corner this time: the travel, not the grab point, decides.
    QTest::mousePress(re, Qt::LeftButton, {}, QPoint(3, 50));
    const QPoint release = re->mapToGlobal(QPoint(3, 50)) + QPoint(-70, 50);
    QTest::mouseMove(h.w().Image1, h.w().Image1->mapFromGlobal(release));
    QCOMPARE(re->pos(), before); // nothing moves until the drop
    QTest::mouseRelease(h.w().Image1, Qt::LeftButton, {}, h.w().Image1->mapFromGlobal(release));
    QCOMPARE(re->pos(), before + QPoint(-70, 50));
    QCOMPARE(h.w().Label1->caption(),
             QStringLiteral("練習モードです。\r目・鼻・口をドラッグして顔の上に置いてください。"));
    QVERIFY(!h.form().game().Dragging);
}

void FlowGame::leftEdgeOnTheFaceEdgeCountsButDropOnItRestores()
{
    FormHarness &h = openGame(m_face);
    const Form1Widgets &w = h.w();
    h.click(w.BtnStart);
    const int faceRight = w.Image1->x() + w.Image1->width();
    placePart(2, QPoint(10, 200));
    placePart(3, QPoint(100, 200));
    // The right eye, grabbed near its left edge, is left reaching past the face's right edge.
    dragPartTo(1, QPoint(2, 30), QPoint(302, 62));
    QCOMPARE(w.ImageRE->pos(), QPoint(300, 32));
    // The mouth is released over the right eye where it sticks out, its left edge on the face's edge.
    dragPartTo(4, QPoint(5, 5), QPoint(faceRight + 5, 45));
    QCOMPARE(w.ImageKuti->pos(), QPoint(faceRight, 40));
    QCOMPARE(h.form().currentScreen(), Screen::PracticeDone);

    // A drop onto the mouth counts as a drop on a part in the tray: the nose goes back.
    const QPoint nose = w.ImageHana->pos();
    dragPartTo(3, QPoint(5, 5), QPoint(faceRight + 46, 60));
    QCOMPARE(w.ImageHana->pos(), nose);
    // A drop on a part lying on the face places the part, moved by the pointer's travel.
    dragPartTo(3, QPoint(5, 5), QPoint(310, 50));
    QCOMPARE(w.ImageHana->pos(), QPoint(305, 45));
}

void FlowGame::dropOnLabelInRealModeRestores()
{
    FormHarness &h = openGame(m_face);
    const Form1Widgets &w = h.w();
    h.click(w.BtnStart);
    h.click(w.BtnRenshu);
    const QPoint before = w.ImageLE->pos();
    PictureBox *le = w.ImageLE;
    QTest::mousePress(le, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(le->isHidden());
    QTest::mouseMove(w.Image1, QPoint(100, 100));
    QCOMPARE(w.Label1->fontColor(), red);
    const QPoint onLabel = w.Label1->rect().center();
    QTest::mouseMove(w.Label1, onLabel);
    QTest::mouseRelease(w.Label1, Qt::LeftButton, {}, onLabel);
    QVERIFY(le->isVisible());
    QCOMPARE(le->pos(), before);
    QCOMPARE(w.Label1->caption(), realText);
    QCOMPARE(w.Label1->fontColor(), blue);
    QVERIFY(w.BtnRenshu->isEnabled()); // nothing was put on the face yet
}

void FlowGame::modeButtonIsFixedAfterTheFirstDrop()
{
    FormHarness &h = openGame(m_face);
    const Form1Widgets &w = h.w();
    h.click(w.BtnStart);
    placePart(1, rightPlace(1));
    QVERIFY(!w.BtnRenshu->isEnabled());
    h.click(w.BtnRenshu);
    QCOMPARE(h.form().currentScreen(), Screen::PracticePlay);
    // In practice a part on the face can be moved again.
    placePart(1, rightPlace(1) + QPoint(4, 4));
    QCOMPARE(w.ImageRE->pos(), w.Image1->pos() + rightPlace(1) + QPoint(4, 4));
}

void FlowGame::pointerStaysInvisibleUntilTheBackgroundIsCrossed()
{
    FormHarness &h = openGame(m_face);
    const Form1Widgets &w = h.w();
    h.click(w.BtnStart);
    h.click(w.BtnRenshu);
    QTest::mousePress(w.ImageRE, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(GlobalCursor::isSet());
    QCOMPARE(h.form().drag().shownCursorShape(), h.form().transparentCursor().shape());
    QTest::mouseMove(w.Image1, QPoint(50, 50));
    QTest::mouseRelease(w.Image1, Qt::LeftButton, {}, QPoint(50, 50));
    QVERIFY(GlobalCursor::isSet()); // still invisible over the face
    QVERIFY(w.ImageRE->isHidden());
    moveOverClient(w.client->mapToGlobal(QPoint(10, 470)));
    QVERIFY(!GlobalCursor::isSet());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
}

void FlowGame::leavingTheWindowAcrossTheBackgroundAbandons()
{
    FormHarness &h = openGame(m_face);
    const Form1Widgets &w = h.w();
    h.click(w.BtnStart);
    h.click(w.BtnRenshu);
    const QPoint before = w.ImageKuti->pos();
    QTest::mousePress(w.ImageKuti, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseMove(w.client, QPoint(550, 300)); // bare background
    QVERIFY(h.form().game().Dragging);
    QTest::mouseMove(w.client, QPoint(600, 300)); // out of the window
    QVERIFY(!h.form().game().Dragging);
    QVERIFY(w.ImageKuti->isVisible());
    QVERIFY(!GlobalCursor::isSet());
    QCOMPARE(w.Label1->caption(), realText);
    // Coming back and releasing over the face moves nothing: the drag was given up.
    QTest::mouseMove(w.Image1, QPoint(100, 100));
    QTest::mouseRelease(w.Image1, Qt::LeftButton, {}, QPoint(100, 100));
    QCOMPARE(w.ImageKuti->pos(), before);
    QVERIFY(w.BtnRenshu->isEnabled());
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
    FormHarness &h = openGame(m_face);
    const Form1Widgets &w = h.w();
    h.click(w.BtnStart);
    h.click(w.BtnRenshu);
    QVERIFY(QTest::qWaitForWindowExposed(&h.form()));
    QWindow *window = h.form().windowHandle();
    const QRect frame = h.form().frameGeometry();
    const auto strictlyInside = [&frame](QPoint p) {
        return frame.left() < p.x() && p.x() < frame.left() + frame.width() && frame.top() < p.y()
               && p.y() < frame.top() + frame.height();
    };
    const QPoint before = w.ImageKuti->pos();
    QTest::mousePress(window, Qt::LeftButton, {}, window->mapFromGlobal(w.ImageKuti->mapToGlobal(QPoint(5, 5))));
    QVERIFY(w.ImageKuti->isHidden());
    // The pointer crosses the background, then the menu bar or the frame, one pixel at a time.
    QPoint global = w.client->mapToGlobal(from);
    for (; strictlyInside(global); global += step) {
        QTest::mouseMove(window, window->mapFromGlobal(global));
        QVERIFY2(h.form().game().Dragging,
                 qPrintable(QStringLiteral("given up inside at %1, %2").arg(global.x()).arg(global.y())));
    }
    QTest::mouseMove(window, window->mapFromGlobal(global));
    QVERIFY(!h.form().game().Dragging);
    QVERIFY(w.ImageKuti->isVisible());
    QVERIFY(!GlobalCursor::isSet());
    QCOMPARE(w.Label1->caption(), realText);
    // Back on the face, the release places nothing.
    const QPoint onFace = window->mapFromGlobal(w.Image1->mapToGlobal(QPoint(150, 150)));
    QTest::mouseMove(window, onFace);
    QTest::mouseRelease(window, Qt::LeftButton, {}, onFace);
    QCOMPARE(w.ImageKuti->pos(), before);
    QVERIFY(w.BtnRenshu->isEnabled());
    QCOMPARE(h.form().currentScreen(), Screen::RealPlay);
}

void FlowGame::dropOverADisabledButtonGoesToTheFaceUnderIt()
{
    FormHarness &h = openGame(m_face);
    const Form1Widgets &w = h.w();
    h.click(w.BtnStart);
    // No button of the layout lies over the face; the selection button, disabled during the
    // game, is put there.
    QVERIFY(!w.BtnSentaku->isEnabled());
    w.BtnSentaku->move(w.Image1->pos() + QPoint(100, 100));
    w.BtnSentaku->show();
    const QPoint overButton = w.BtnSentaku->geometry().center();
    QCOMPARE(w.client->childAt(overButton), w.BtnSentaku);
    dragPartTo(1, QPoint(5, 5), overButton);
    QCOMPARE(w.ImageRE->pos(), overButton - QPoint(5, 5)); // the grabbed point lands where released
    QVERIFY(!h.form().game().Dragging);
    QVERIFY(!w.BtnRenshu->isEnabled()); // placed: the mode is fixed
    QCOMPARE(w.Label1->caption(), QStringLiteral("練習モードです。\r目・鼻・口をドラッグして顔の上に置いてください。"));
}

void FlowGame::dragEndingWithNoDropRestores()
{
    FormHarness &h = openGame(m_face);
    const Form1Widgets &w = h.w();
    h.click(w.BtnStart);
    h.click(w.BtnRenshu);
    // Escape.
    QTest::mousePress(w.ImageRE, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClick(&h.form(), Qt::Key_Escape);
    QVERIFY(w.ImageRE->isVisible());
    QVERIFY(!h.form().game().Dragging);
    QVERIFY(!GlobalCursor::isSet());
    // A release over a widget that refuses drops (the opening-face box).
    QTest::mousePress(w.ImageLE, Qt::LeftButton, {}, QPoint(5, 5));
    const QPoint onBox = w.CheckBox1->rect().center();
    QTest::mouseMove(w.CheckBox1, onBox);
    QCOMPARE(h.form().drag().shownCursorShape(), Qt::ForbiddenCursor);
    QTest::mouseRelease(w.CheckBox1, Qt::LeftButton, {}, onBox);
    QVERIFY(w.ImageLE->isVisible());
    QVERIFY(!GlobalCursor::isSet());
    QCOMPARE(w.Label1->caption(), realText);
    // The game is still playable.
    placeAllAtRightPlaces();
    QCOMPARE(h.form().currentScreen(), Screen::UnveilReady);
}

void FlowGame::blindDragThroughTheWindowSystem()
{
    // Events from the window system, not sent to a widget: the vanished part must not take the
    // rest of the drag with it.
    FormHarness &h = openGame(m_face);
    const Form1Widgets &w = h.w();
    h.click(w.BtnStart);
    h.click(w.BtnRenshu);
    QVERIFY(QTest::qWaitForWindowExposed(&h.form()));
    QWindow *window = h.form().windowHandle();
    auto inWindow = [&](QPoint client) { return w.client->mapTo(&h.form(), client); };
    const QPoint press = w.ImageRE->pos() + QPoint(5, 5);
    const QPoint release = w.Image1->pos() + rightPlace(1) + QPoint(5, 5);
    QTest::mousePress(window, Qt::LeftButton, {}, inWindow(press));
    QVERIFY(w.ImageRE->isHidden());
    QTest::mouseMove(window, inWindow(release));
    QVERIFY(w.Label1->caption().startsWith(QStringLiteral("もっと")));
    QTest::mouseRelease(window, Qt::LeftButton, {}, inWindow(release));
    QVERIFY(!h.form().game().Dragging);
    QCOMPARE(w.ImageRE->pos(), w.Image1->pos() + rightPlace(1));
    QCOMPARE(w.Label1->caption(), realText);
}

void FlowGame::hintsFollowThePointerInRed()
{
    m_face.places[0] = QPoint(100, 80);
    FormHarness &h = openGame(m_face);
    const Form1Widgets &w = h.w();
    h.click(w.BtnStart);
    h.chance.draws << 0; // the truth
    h.click(w.BtnRenshu);
    QTest::mousePress(w.ImageRE, Qt::LeftButton, {}, QPoint(5, 5)); // 60 wide
    QCOMPARE(QPoint(h.form().game().HintTargetX, h.form().game().HintTargetY), QPoint(100, 80));
    QTest::mouseMove(w.Image1, QPoint(130, 200));
    QCOMPARE(w.Label1->caption(), QStringLiteral("もっと右！もっと上！\rコンピューター、うそつかない！？"));
    QCOMPARE(w.Label1->fontColor(), red);
    QTest::mouseMove(w.Image1, QPoint(131, 20));
    QCOMPARE(w.Label1->caption(), QStringLiteral("もっと左！もっと下！\rコンピューター、うそつかない！？"));
    // Leaving the face gives one more hint, for the point just left of it, and that one stays.
    QTest::mouseMove(w.client, QPoint(540, 300));
    QCOMPARE(w.Label1->caption(), QStringLiteral("もっと左！もっと上！\rコンピューター、うそつかない！？"));
    QTest::mouseMove(w.client, QPoint(545, 20));
    QCOMPARE(w.Label1->caption(), QStringLiteral("もっと左！もっと上！\rコンピューター、うそつかない！？"));
    QCOMPARE(w.Label1->fontColor(), red);
    QTest::mouseRelease(w.client, Qt::LeftButton, {}, QPoint(540, 300));
    QCOMPARE(w.Label1->caption(), realText);
}

void FlowGame::lyingHintsSteerToTheFalseSpot()
{
    m_face.places[2] = QPoint(100, 80);
    FormHarness &h = openGame(m_face);
    const Form1Widgets &w = h.w();
    h.click(w.BtnStart);
    h.chance.draws << 9 << 0 << 79;
    h.click(w.BtnRenshu);
    QVERIFY(h.form().game().HintsLie);
    QTest::mousePress(w.ImageHana, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(QPoint(h.form().game().HintTargetX, h.form().game().HintTargetY), QPoint(120, 179));
    QCOMPARE(h.chance.limits.mid(h.chance.limits.size() - 2), (QList<int>{80, 80}));
    // Held at its centre right over the true place, the part is sent right and down.
    QTest::mouseMove(w.Image1, QPoint(100 + 57 / 2, 80 + 41 / 2));
    QVERIFY(w.Label1->caption().startsWith(QStringLiteral("もっと右！もっと下！")));
    QTest::mouseRelease(w.Image1, Qt::LeftButton, {}, QPoint(100 + 57 / 2, 80 + 41 / 2));
}

void FlowGame::practiceGivesNoHint()
{
    FormHarness &h = openGame(m_face);
    const Form1Widgets &w = h.w();
    h.click(w.BtnStart);
    QTest::mousePress(w.ImageRE, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(w.ImageRE->isVisible());
    QVERIFY(!GlobalCursor::isSet());
    QTest::mouseMove(w.Image1, QPoint(100, 100));
    QCOMPARE(w.Label1->caption(), practiceStart);
    QCOMPARE(w.Label1->fontColor(), blue);
    QTest::mouseRelease(w.Image1, Qt::LeftButton, {}, QPoint(100, 100));
}

void FlowGame::missingPartFileStopsTheStart()
{
    m_folder->addFaces(0);
    FormHarness &h = openGame(m_face);
    m_folder->removeFile(QStringLiteral("data/face0_3.jpg"));
    h.click(h.w().BtnStart);
    QCOMPARE(h.dialogs.errors.size(), 1);
    QVERIFY(h.dialogs.errors[0].contains(QStringLiteral("face0_3.jpg")));
    QCOMPARE(h.form().currentScreen(), Screen::FaceSelect);
    QVERIFY(h.w().ComboBox1->isHidden());
}

void FlowGame::savedWorkIsNamedAndHoldsWhatTheWindowShows()
{
    FormHarness &h = openGame(m_face);
    const Form1Widgets &w = h.w();
    h.click(w.BtnStart);
    h.click(w.BtnRenshu);
    placeAllAtRightPlaces(QPoint(0, 1));
    h.click(w.BtnStart);
    QCOMPARE(h.form().game().Score, 296);
    QVERIFY(!QDir(m_folder->path(QStringLiteral("Library"))).exists());
    h.click(w.BtnRenshu);
    const QString work = m_folder->path(QStringLiteral("Library/おかめ_20080305140709_296.jpg"));
    QVERIFY(QFile::exists(work));
    QCOMPARE(QDir(m_folder->path(QStringLiteral("Library"))).entryList(QDir::Files).size(), 1);
    QCOMPARE(w.Label1->caption(), QStringLiteral("「顔選択」ボタンを押すとゲームを再開します。"));
    QCOMPARE(h.form().currentScreen(), Screen::WorkSaved);

    const QImage saved = JpegCodec::decodeFile(work);
    QCOMPARE(saved.size(), QSize(300, 300));
    const QImage shown = w.client->grab(QRect(w.Image1->pos(), QSize(300, 300))).toImage();
    for (QPoint p : {QPoint(5, 5), rightPlace(1) + QPoint(30, 30), rightPlace(4) + QPoint(20, 20)})
        QVERIFY2(nearColour(saved.pixelColor(p), shown.pixelColor(p), 12), qPrintable(QString::number(p.x())));
    // The mouth is in the work, in its own colour.
    QVERIFY(nearColour(saved.pixelColor(rightPlace(4) + QPoint(20, 21)),
                       TestProgramFolder::markedPicture({1, 1}, m_face.colour, 4).pixelColor(0, 0), 12));
}

void FlowGame::portraitOutlineCutsAPartOffTheWork()
{
    m_face.wholeSize = QSize(200, 300);
    m_face.places[3] = QPoint(110, 210);
    FormHarness &h = openGame(m_face);
    const Form1Widgets &w = h.w();
    QCOMPARE(h.form().shownFace().DisplayWidth, 200);
    h.click(w.BtnStart);
    h.click(w.BtnRenshu);
    placePart(1, rightPlace(1));
    placePart(2, rightPlace(2));
    placePart(3, rightPlace(3));
    placePart(4, QPoint(230, 100)); // on the right-hand third, beside the picture
    h.click(w.BtnStart);
    h.click(w.BtnRenshu);
    const QStringList works = QDir(m_folder->path(QStringLiteral("Library"))).entryList(QDir::Files);
    QCOMPARE(works.size(), 1);
    const QImage saved = JpegCodec::decodeFile(m_folder->path(QStringLiteral("Library/")) + works[0]);
    QCOMPARE(saved.size(), QSize(200, 300));
}

void FlowGame::unsafeFaceNameIsNeverWrittenOutsideTheWorks()
{
    m_face.name = QStringLiteral("../../escape");
    FormHarness &h = openGame(m_face);
    const Form1Widgets &w = h.w();
    h.click(w.BtnStart);
    h.click(w.BtnRenshu);
    placeAllAtRightPlaces();
    h.click(w.BtnStart);
    h.click(w.BtnRenshu);
    QCOMPARE(h.dialogs.errors.size(), 1);
    QVERIFY(h.dialogs.errors[0].contains(QStringLiteral("保存できません")));
    QCOMPARE(h.form().currentScreen(), Screen::Unveiled);
    QVERIFY(w.Label1->caption().startsWith(QStringLiteral("うまくできましたか？")));
    QVERIFY(!QFile::exists(m_folder->path(QStringLiteral("../escape_20080305140709_300.jpg"))));
    QVERIFY(!QFile::exists(m_folder->path(QStringLiteral("../../escape_20080305140709_300.jpg"))));
    const QStringList left = QDir(m_folder->path(QStringLiteral("Library"))).entryList(QDir::Files);
    QVERIFY(left.isEmpty());
}

void FlowGame::selectAfterTheGameBringsBackTheSameFace()
{
    FormHarness &h = openGame(m_face);
    const Form1Widgets &w = h.w();
    h.click(w.BtnStart);
    h.click(w.BtnRenshu);
    placeAllAtRightPlaces();
    h.click(w.BtnStart);
    h.click(w.BtnSentaku);
    QCOMPARE(h.form().shownFace().CurrentFace, 0);
    QVERIFY(w.LabelScore->isHidden());
    QCOMPARE(h.form().currentScreen(), Screen::FaceSelect);
    QCOMPARE(w.BtnRenshu->text(), QStringLiteral("保存")); // kept from the game
    // And a new game starts in practice.
    h.click(w.BtnStart);
    QCOMPARE(h.form().currentScreen(), Screen::PracticePlay);
}

QTEST_MAIN(FlowGame)
#include "flow_game.moc"
