#include "creation/CreationTexts.h"
#include "creation/FaceCreation.h"
#include "creation/LandmarkOutlines.h"
#include "creation/SourcePicture.h"
#include "library/FaceLibrary.h"
#include "platform/FaceLandmarks.h"
#include "support/CreationDriver.h"
#include "support/FormHarness.h"
#include "support/TestProgramFolder.h"

#include <QLineEdit>
#include <QPolygonF>

// The "自動" press on the real window with the installed landmark model, read once for the
// whole program: the shipped astronaut photograph, a picture without a face, and parts
// outlined by hand before and after the press.
class FlowAutomaticOutlines : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void buttonWaitsForTheModelThenOffersThePress();
    void onePressOutlinesAndFillsTheFourParts();
    void theAutomaticFaceRegistersAndPlays();
    void handOutlinedPartIsKeptAndAnyPartCanBeRedone();
    void pictureWithoutAFaceOnlySaysSo();
    void cancelHidesTheButton();

private:
    void startOn(const QString &shippedPicture);
    void pressAutomatic();
    // The landmarks on the picture exactly as the face box shows it, fills left out.
    QVector<QPointF> landmarksAsShown() const;
    const CreationState &state() const { return m_harness->form().creation().state(); }

    QString m_dataDir;
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<FormHarness> m_harness;
    std::unique_ptr<CreationDriver> m_driver;
};

void FlowAutomaticOutlines::initTestCase()
{
    if (!FaceLandmarks::modelPresent())
        QSKIP("The facial landmark model is not installed.");
    m_dataDir = qEnvironmentVariable("PETARA_SOURCE_DIR") + QStringLiteral("/data/");
    QVERIFY(QFile::exists(m_dataDir + QStringLiteral("face2_0.jpg")));
}

void FlowAutomaticOutlines::init()
{
    startAtSelectionScreen(m_folder, m_harness, m_driver);
}

void FlowAutomaticOutlines::startOn(const QString &shippedPicture)
{
    const QString path = m_folder->path(shippedPicture);
    QVERIFY(QFile::copy(m_dataDir + shippedPicture, path));
    m_driver->start(path);
    // The model loads once per program; only the first test waits for it.
    QTRY_VERIFY_WITH_TIMEOUT(m_harness->w().BtnJidou->isEnabled(), 120000);
}

void FlowAutomaticOutlines::pressAutomatic()
{
    m_harness->click(m_harness->w().BtnJidou);
    QVERIFY2(m_harness->dialogs.errors.isEmpty(), qPrintable(m_harness->dialogs.errors.join(u'\n')));
}

QVector<QPointF> FlowAutomaticOutlines::landmarksAsShown() const
{
    QImage clean(300, 300, QImage::Format_RGB32);
    clean.fill(Qt::white);
    const ShownFace &shown = m_harness->form().shownFace();
    drawSourcePicture(clean, state().SourcePicture.pixels, QSize(shown.DisplayWidth, shown.DisplayHeight));
    return FaceLandmarks::largestFace(clean);
}

void FlowAutomaticOutlines::buttonWaitsForTheModelThenOffersThePress()
{
    const Form1Widgets &w = m_harness->w();
    const bool loading = FaceLandmarks::state() != FaceLandmarks::ModelState::Ready;
    QVERIFY(QFile::copy(m_dataDir + QStringLiteral("face2_0.jpg"), m_folder->path(QStringLiteral("face2_0.jpg"))));
    m_driver->start(m_folder->path(QStringLiteral("face2_0.jpg")));
    QVERIFY(w.BtnJidou->isVisible());
    if (loading) {
        QCOMPARE(w.BtnJidou->text(), CreationText::AutomaticLoading);
        QVERIFY(!w.BtnJidou->isEnabled());
    }
    QTRY_VERIFY_WITH_TIMEOUT(w.BtnJidou->isEnabled(), 120000);
    QCOMPARE(w.BtnJidou->text(), CreationText::Automatic);
    QVERIFY(FaceLandmarks::loadMilliseconds() >= 0);
}

void FlowAutomaticOutlines::onePressOutlinesAndFillsTheFourParts()
{
    startOn(QStringLiteral("face2_0.jpg"));
    const Form1Widgets &w = m_harness->w();
    const QVector<QPointF> landmarks = landmarksAsShown();
    QCOMPARE(landmarks.size(), LandmarkCount);
    const QImage clean = w.Image1->picture();
    pressAutomatic();

    QVERIFY(state().allOutlined());
    QRectF face = QPolygonF(landmarks.mid(0, 27)).boundingRect(); // jaw and brows
    for (int k = 1; k <= 4; ++k) {
        const QRect box(state().PartLeft[k], state().PartTop[k], state().PartRight[k] - state().PartLeft[k] + 1,
                        state().PartBottom[k] - state().PartTop[k] + 1);
        for (const QPointF &p : partLandmarks(landmarks, k))
            QVERIFY2(box.contains(p.toPoint()), qPrintable(QStringLiteral("part %1").arg(k)));
        QVERIFY2(face.contains(QRectF(box)), qPrintable(QStringLiteral("part %1").arg(k)));
        // The piece stands under its title and the hole is filled in the colour beside it.
        const PictureBox *piece = w.partImage(k);
        QVERIFY(piece->isVisible());
        QCOMPARE(piece->size(), QSize(box.width() - 1, box.height() - 1));
        QCOMPARE(piece->pos(), QPoint(w.partTitle(k)->x(), w.partTitle(k)->y() + w.partTitle(k)->height() + 5));
        const QPoint middle = partLandmarks(landmarks, k).at(k == 3 ? 3 : 0).toPoint() / 2
                              + partLandmarks(landmarks, k).at(k == 3 ? 6 : 3).toPoint() / 2;
        QCOMPARE(w.Image1->picture().pixelColor(middle), state().PartColor[k]);
        QVERIFY(w.Image1->picture().pixelColor(middle) != clean.pixelColor(middle));
    }
    // The right eye is on the picture's left.
    QVERIFY(state().PartRight[1] < state().PartLeft[2]);
    // Skin: warm, red above green above blue, and light.
    for (int k = 1; k <= 4; ++k) {
        const QColor skin = state().PartColor[k];
        QVERIFY2(skin.red() > skin.green() && skin.green() > skin.blue() && skin.red() > 120, qPrintable(skin.name()));
    }
    // The naming state, with the zoom no longer offered.
    QCOMPARE(m_harness->form().currentScreen(), Screen::FaceRegister);
    QVERIFY(w.Edit1->isVisible());
    QVERIFY(!w.BtnKiritori->isVisible());
    QCOMPARE(m_harness->form().creation().state().CurrentPart, 0);
}

void FlowAutomaticOutlines::theAutomaticFaceRegistersAndPlays()
{
    startOn(QStringLiteral("face2_0.jpg"));
    pressAutomatic();
    const Form1Widgets &w = m_harness->w();
    m_driver->typeName(QStringLiteral("自動の顔"));
    m_harness->click(w.BtnSentaku);
    QVERIFY(m_harness->dialogs.errors.isEmpty());
    QVERIFY(m_harness->dialogs.messages.isEmpty());
    const FaceLibrary &library = m_harness->form().library();
    QCOMPARE(library.FaceCount, 4);
    QCOMPARE(library.Faces.at(3).Name, QStringLiteral("自動の顔"));
    QVERIFY(!w.BtnJidou->isVisible());

    m_harness->click(w.BtnStart);
    QVERIFY(m_harness->dialogs.errors.isEmpty());
    for (int k = 1; k <= 4; ++k)
        QVERIFY(w.partImage(k)->isVisible());
    QCOMPARE(m_harness->form().currentScreen(), Screen::PracticePlay);
}

void FlowAutomaticOutlines::handOutlinedPartIsKeptAndAnyPartCanBeRedone()
{
    startOn(QStringLiteral("face2_0.jpg"));
    const QVector<QPoint> handMouth = {{100, 200}, {200, 205}, {190, 250}, {110, 245}};
    m_driver->outline(4, handMouth);
    QVERIFY(state().PartOutlined[4]);
    const QColor handColour = state().PartColor[4];
    pressAutomatic();
    QVERIFY(state().allOutlined());
    QCOMPARE(state().PartPoints[4], handMouth);
    QCOMPARE(state().PartColor[4], handColour);
    QCOMPARE(state().PartLeft[4], 100);

    // The nose redone by hand replaces its automatic outline.
    const QVector<QPoint> handNose = {{130, 120}, {170, 125}, {165, 170}, {135, 165}};
    m_driver->outline(3, handNose);
    QCOMPARE(state().PartPoints[3], handNose);
    QCOMPARE(state().PartLeft[3], 130);
    QVERIFY(state().allOutlined());
    QVERIFY(m_harness->w().Edit1->isVisible());
}

void FlowAutomaticOutlines::pictureWithoutAFaceOnlySaysSo()
{
    startOn(QStringLiteral("face3_0.jpg")); // the cat
    m_driver->outline(1, {{40, 40}, {80, 45}, {75, 80}});
    const QImage surface = m_harness->w().Image1->picture();
    const auto outlined = state().PartOutlined;
    const auto points = state().PartPoints;
    pressAutomatic();
    QCOMPARE(m_harness->w().Label1->caption(), CreationText::NoFaceFound);
    QCOMPARE(m_harness->w().Image1->picture(), surface);
    QCOMPARE(state().PartOutlined, outlined);
    QCOMPARE(state().PartPoints, points);
    QVERIFY(!m_harness->w().partImage(2)->isVisible());
    QVERIFY(m_harness->w().BtnJidou->isEnabled());
}

void FlowAutomaticOutlines::cancelHidesTheButton()
{
    startOn(QStringLiteral("face2_0.jpg"));
    m_harness->click(m_harness->w().BtnStart);
    QCOMPARE(m_harness->form().currentScreen(), Screen::FaceSelect);
    QVERIFY(!m_harness->w().BtnJidou->isVisible());
}

QTEST_MAIN(FlowAutomaticOutlines)
#include "flow_automatic_outlines.moc"
