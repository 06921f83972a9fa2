#include "game/ReplayMovie.h"
#include "platform/pictures/WebpAnimation.h"
#include "platform/widgets/CaptionLabel.h"
#include "platform/widgets/CommandButton.h"
#include "platform/widgets/GlobalCursor.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/widgets/PictureBox.h"
#include "platform/files/ProfileFile.h"
#include "support/WindowHarness.h"
#include "support/SimulatedScreen.h"
#include "support/TestProgramFolder.h"

#include <QApplication>
#include <QDir>
#include <QWindow>

// One game on screens of 96, 120 and 144 pixels per inch, with Qt's high-DPI scaling on and
// off: each runs in a child process on that screen (GameOnScreen below).
class FlowPixelsPerInch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void gameIsTheSameOnEveryScreen_data();
    void gameIsTheSameOnEveryScreen();
};

void FlowPixelsPerInch::gameIsTheSameOnEveryScreen_data()
{
    QTest::addColumn<int>("pixelsPerInch");
    QTest::addColumn<bool>("highDpiScaling");
    QTest::newRow("96") << 96 << true;
    QTest::newRow("120, scaled by Qt") << 120 << true;
    QTest::newRow("120, not scaled") << 120 << false;
    QTest::newRow("144, scaled by Qt") << 144 << true;
    QTest::newRow("144, not scaled") << 144 << false;
}

void FlowPixelsPerInch::gameIsTheSameOnEveryScreen()
{
    QFETCH(int, pixelsPerInch);
    QFETCH(bool, highDpiScaling);
    const SimulatedScreen screen{pixelsPerInch, highDpiScaling};
    QString log;
    QVERIFY2(screen.run(&log), qPrintable(log));
}

// The game on the screen this process runs on: everything as at 96 pixels per inch.
class GameOnScreen : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void screenIsTheOneAskedFor();
    void partsShowAtTheirPictureSize();
    void partsLandWhereTheyBelongAndScoreAsAt96();

private:
    WindowHarness &open();
    // Drags part k through the window system so that its top-left corner lands at `place`
    // from the face's corner.
    void placePart(int k, QPoint place);

    SimulatedScreen m_screen;
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<WindowHarness> m_harness;
    TestProgramFolder::Face m_face;
};

void GameOnScreen::init()
{
    m_screen = SimulatedScreen::current().value_or(SimulatedScreen());
    m_folder = std::make_unique<TestProgramFolder>();
    m_face.name = QStringLiteral("おかめ");
    m_face.places = {QPoint(101, 80), QPoint(170, 80), QPoint(120, 140), QPoint(110, 210)};
    m_face.partSizes = {QSize(40, 30), QSize(57, 41), QSize(55, 21), QSize(57, 41)};
    m_folder->addFace(m_face);
    m_folder->addFaces(1);
    ProfileFile(m_folder->indexPath()).writeInteger(QStringLiteral("TitleFace"), QStringLiteral("NO"), 0);
}

void GameOnScreen::cleanup()
{
    m_harness.reset();
    GlobalCursor::reset();
}

WindowHarness &GameOnScreen::open()
{
    m_harness = std::make_unique<WindowHarness>(m_folder->appDir());
    m_harness->open();
    return *m_harness;
}

void GameOnScreen::placePart(int k, QPoint place)
{
    const MainWindowWidgets &w = m_harness->w();
    QWindow *window = m_harness->form().windowHandle();
    const QPoint grab(5, 5);
    const QPoint press = window->mapFromGlobal(w.parts().picture(k)->mapToGlobal(grab));
    const QPoint release = window->mapFromGlobal(w.facePicture->mapToGlobal(place + grab));
    QTest::mousePress(window, Qt::LeftButton, {}, press);
    QTest::mouseMove(window, release);
    QTest::mouseRelease(window, Qt::LeftButton, {}, release);
}

void GameOnScreen::screenIsTheOneAskedFor()
{
    WindowHarness &h = open();
    QVERIFY(QTest::qWaitForWindowExposed(&h.form()));
    // Qt takes up the density with its scaling on, and hands it to the program with it off.
    const qreal ratio = m_screen.highDpiScaling ? m_screen.pixelsPerInch / 96.0 : 1.0;
    QCOMPARE(h.form().devicePixelRatioF(), ratio);
    QCOMPARE(h.form().logicalDpiX(), m_screen.highDpiScaling ? 96 : m_screen.pixelsPerInch);
}

void GameOnScreen::partsShowAtTheirPictureSize()
{
    WindowHarness &h = open();
    const MainWindowWidgets &w = h.w();
    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(w.parts().picture(k)->size(), m_face.partSizes[k - 1]);
        QCOMPARE(w.parts().picture(k)->picture().size(), m_face.partSizes[k - 1]);
    }
    const TFaceData &face = h.form().library().Faces[0];
    QCOMPARE(QPoint(face.X1, face.Y1), m_face.places[0]);
    QCOMPARE(QPoint(face.X3, face.Y3), m_face.places[2]);
    h.click(w.selectButton);
    h.click(w.startButton);
    for (int k = 1; k <= 4; ++k)
        QCOMPARE(w.parts().picture(k)->size(), m_face.partSizes[k - 1]);
}

void GameOnScreen::partsLandWhereTheyBelongAndScoreAsAt96()
{
    WindowHarness &h = open();
    const MainWindowWidgets &w = h.w();
    QVERIFY(QTest::qWaitForWindowExposed(&h.form()));
    h.click(w.selectButton);
    h.click(w.startButton);
    h.chance.draws << 0; // the truth
    h.click(w.modeButton);
    for (int k = 1; k <= 3; ++k)
        placePart(k, m_face.places[k - 1]);
    placePart(4, m_face.places[3] + QPoint(10, 5));
    QCOMPARE(h.form().currentScreen(), Screen::UnveilReady);
    h.click(w.startButton);
    for (int k = 1; k <= 3; ++k)
        QCOMPARE(w.parts().picture(k)->pos(), w.facePicture->pos() + m_face.places[k - 1]);
    QCOMPARE(h.form().game().Score, 300 - 10 - 5);

    h.click(w.modeButton);
    const QStringList works = QDir(m_folder->path(QStringLiteral("Library"))).entryList(QDir::Files);
    QCOMPARE(works, (QStringList{QStringLiteral("おかめ_20080305140709_285.jpg"),
                                 QStringLiteral("おかめ_20080305140709_285.webp")}));
    // The replay at the window's own size too, the outline in its first frame.
    QFile replay(m_folder->path(QStringLiteral("Library/")) + works[1]);
    QVERIFY(replay.open(QIODevice::ReadOnly));
    WebpAnimationReader movie(replay.readAll());
    int trayRight = 0;
    for (int k = 1; k <= 4; ++k)
        trayRight = std::max(trayRight, h.form().game().Record.trayPlaces[k - 1].x() + w.parts().picture(k)->width());
    QCOMPARE(movie.size(), QSize(trayRight - w.facePicture->x(), 300 + ReplayMovie::hintStripHeight));
    QImage first;
    int end = 0;
    QVERIFY(movie.next(first, end));
    QVERIFY(nearColour(first.pixelColor(5, 5),
                       TestProgramFolder::markedPicture({1, 1}, m_face.colour, 5).pixelColor(0, 0), 16));
    const QImage work = JpegCodec::decodeFile(m_folder->path(QStringLiteral("Library/")) + works[0]);
    QCOMPARE(work.size(), QSize(300, 300));
    // Each part is in the work where it was put, the outline around it.
    const QPoint inRightEye = m_face.places[0] + QPoint(20, 15);
    const QPoint inMouth = m_face.places[3] + QPoint(10, 5) + QPoint(28, 20);
    const auto colourOf = [this](int picture) {
        return TestProgramFolder::markedPicture({1, 1}, m_face.colour, picture).pixelColor(0, 0);
    };
    QVERIFY(nearColour(work.pixelColor(inRightEye), colourOf(1), 12));
    QVERIFY(nearColour(work.pixelColor(inMouth), colourOf(4), 12));
    QVERIFY(nearColour(work.pixelColor(5, 5), colourOf(5), 12));
}

int main(int argc, char **argv)
{
    // Not QTEST_MAIN: the child must see the density its screen reports.
    QApplication app(argc, argv);
    QTEST_SET_MAIN_SOURCE_PATH
    if (SimulatedScreen::current()) {
        GameOnScreen game;
        return QTest::qExec(&game, argc, argv);
    }
    FlowPixelsPerInch flow;
    return QTest::qExec(&flow, argc, argv);
}

#include "flow_pixels_per_inch.moc"
