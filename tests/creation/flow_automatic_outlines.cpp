#include "creation/CreationTexts.h"
#include "creation/FaceCreation.h"
#include "creation/FaceFraming.h"
#include "creation/FaceSearch.h"
#include "creation/LandmarkOutlines.h"
#include "creation/SourcePicture.h"
#include "lib/TestPhotos.h"
#include "library/FaceLibrary.h"
#include "platform/landmarks/FaceLandmarks.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/pictures/PictureFile.h"
#include "support/CreationDriver.h"
#include "support/WindowHarness.h"
#include "support/TestProgramFolder.h"

#include <QLineEdit>
#include <QPolygonF>

// The "自動" press on the real window with the installed landmark model, read once for the
// whole program: the shipped astronaut photograph, a picture without a face, parts outlined
// by hand before and after the press, and photos composed from the astronaut's (a person
// small in a big room, two faces, a photo cut under the nose).
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
    void smallFaceInABigPhotoIsFramedOnOnePress();
    void eachPressTakesTheNextFace();
    void photoCutUnderTheNoseLeavesTheMouthToThePlayer();

private:
    void startOn(const QString &shippedPicture);
    void startOnMade(const QImage &photo);
    // Every piece lies on the picture as shown.
    void checkPiecesOnThePicture();
    // The width of the narrower eye piece.
    int narrowerEyePiece() const;
    // With PETARA_SHOTS_DIR set, writes a grab of the window there, to look at.
    void lookAt(const QString &name);
    void pressAutomatic();
    // The landmarks on the picture exactly as the face box shows it, fills left out.
    QVector<QPointF> landmarksAsShown() const;
    const CreationState &state() const { return m_harness->form().creation().state(); }

    QString m_dataDir;
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<WindowHarness> m_harness;
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
    QTRY_VERIFY_WITH_TIMEOUT(m_harness->w().automaticButton->isEnabled(), 120000);
}

void FlowAutomaticOutlines::startOnMade(const QImage &photo)
{
    const QString path = m_folder->path(QStringLiteral("made.jpg"));
    JpegCodec::encodeFile(photo, path);
    m_driver->start(path);
    QTRY_VERIFY_WITH_TIMEOUT(m_harness->w().automaticButton->isEnabled(), 120000);
}

void FlowAutomaticOutlines::checkPiecesOnThePicture()
{
    const ShownFace &shown = m_harness->form().shownFace();
    for (int k = 1; k <= 4; ++k) {
        if (!state().PartOutlined[k])
            continue;
        const QString part = QStringLiteral("part %1").arg(k);
        QVERIFY2(state().PartLeft[k] >= 0 && state().PartTop[k] >= 0, qPrintable(part));
        QVERIFY2(state().PartRight[k] <= shown.DisplayWidth && state().PartBottom[k] <= shown.DisplayHeight,
                 qPrintable(part));
    }
}

int FlowAutomaticOutlines::narrowerEyePiece() const
{
    return qMin(state().PartRight[1] - state().PartLeft[1], state().PartRight[2] - state().PartLeft[2]);
}

void FlowAutomaticOutlines::lookAt(const QString &name)
{
    const QString folder = qEnvironmentVariable("PETARA_SHOTS_DIR");
    if (!folder.isEmpty())
        m_harness->form().grab().save(folder + u'/' + name + QStringLiteral(".png"));
}

void FlowAutomaticOutlines::pressAutomatic()
{
    m_harness->click(m_harness->w().automaticButton);
    QVERIFY2(m_harness->dialogs.errors.isEmpty(), qPrintable(m_harness->dialogs.errors.join(u'\n')));
}

QVector<QPointF> FlowAutomaticOutlines::landmarksAsShown() const
{
    const QImage &picture = state().SourcePicture.pixels;
    const QVector<QRectF> faces = FaceSearch::findFaces(picture);
    if (faces.isEmpty())
        return {};
    const ShownFace &shown = m_harness->form().shownFace();
    return asShown(FaceSearch::landmarksOf(picture, faces.first()), QRectF(picture.rect()),
                   QSize(shown.DisplayWidth, shown.DisplayHeight));
}

void FlowAutomaticOutlines::buttonWaitsForTheModelThenOffersThePress()
{
    const MainWindowWidgets &w = m_harness->w();
    const bool loading = FaceLandmarks::state() != FaceLandmarks::ModelState::Ready;
    QVERIFY(QFile::copy(m_dataDir + QStringLiteral("face2_0.jpg"), m_folder->path(QStringLiteral("face2_0.jpg"))));
    m_driver->start(m_folder->path(QStringLiteral("face2_0.jpg")));
    QVERIFY(w.automaticButton->isVisible());
    if (loading) {
        QCOMPARE(w.automaticButton->text(), CreationText::AutomaticLoading);
        QVERIFY(!w.automaticButton->isEnabled());
    }
    QTRY_VERIFY_WITH_TIMEOUT(w.automaticButton->isEnabled(), 120000);
    QCOMPARE(w.automaticButton->text(), CreationText::Automatic);
    QVERIFY(FaceLandmarks::loadMilliseconds() >= 0);
}

void FlowAutomaticOutlines::onePressOutlinesAndFillsTheFourParts()
{
    startOn(QStringLiteral("face2_0.jpg"));
    const MainWindowWidgets &w = m_harness->w();
    const QVector<QPointF> landmarks = landmarksAsShown();
    QCOMPARE(landmarks.size(), LandmarkCount);
    const QImage clean = w.facePicture->picture();
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
        const PictureBox *piece = w.parts().picture(k);
        QVERIFY(piece->isVisible());
        QCOMPARE(piece->size(), QSize(box.width() - 1, box.height() - 1));
        QCOMPARE(piece->pos(),
                 QPoint(w.parts().title(k)->x(), w.parts().title(k)->y() + w.parts().title(k)->height() + 5));
        const QPoint middle = partLandmarks(landmarks, k).at(0).toPoint() / 2
                              + partLandmarks(landmarks, k).at(3).toPoint() / 2;
        QCOMPARE(w.facePicture->picture().pixelColor(middle), state().PartColor[k]);
        QVERIFY(w.facePicture->picture().pixelColor(middle) != clean.pixelColor(middle));
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
    QVERIFY(w.nameField->isVisible());
    QVERIFY(!w.cutOrDeleteButton->isVisible());
    QCOMPARE(m_harness->form().creation().state().CurrentPart, 0);
}

void FlowAutomaticOutlines::theAutomaticFaceRegistersAndPlays()
{
    startOn(QStringLiteral("face2_0.jpg"));
    pressAutomatic();
    const MainWindowWidgets &w = m_harness->w();
    m_driver->typeName(QStringLiteral("自動の顔"));
    m_harness->click(w.selectButton);
    QVERIFY(m_harness->dialogs.errors.isEmpty());
    QVERIFY(m_harness->dialogs.messages.isEmpty());
    const FaceLibrary &library = m_harness->form().library();
    QCOMPARE(library.FaceCount, 4);
    QCOMPARE(library.Faces.at(3).Name, QStringLiteral("自動の顔"));
    QVERIFY(!w.automaticButton->isVisible());

    m_harness->click(w.startButton);
    QVERIFY(m_harness->dialogs.errors.isEmpty());
    for (int k = 1; k <= 4; ++k)
        QVERIFY(w.parts().picture(k)->isVisible());
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
    QVERIFY(m_harness->w().nameField->isVisible());

    // A further press takes the one face again: the eyes come back, the hand-drawn parts stay.
    const auto eyes = std::make_pair(state().PartPoints[1], state().PartPoints[2]);
    pressAutomatic();
    QVERIFY(state().allOutlined());
    QCOMPARE(state().PartPoints[3], handNose);
    QCOMPARE(state().PartPoints[4], handMouth);
    QCOMPARE(std::make_pair(state().PartPoints[1], state().PartPoints[2]), eyes);
    QCOMPARE(m_harness->w().guidanceLabel->caption(), CreationText::Naming);
}

void FlowAutomaticOutlines::pictureWithoutAFaceOnlySaysSo()
{
    startOn(QStringLiteral("face3_0.jpg")); // the cat
    m_driver->outline(1, {{40, 40}, {80, 45}, {75, 80}});
    const QImage surface = m_harness->w().facePicture->picture();
    const auto outlined = state().PartOutlined;
    const auto points = state().PartPoints;
    pressAutomatic();
    QCOMPARE(m_harness->w().guidanceLabel->caption(), CreationText::NoFaceFound);
    QCOMPARE(m_harness->w().facePicture->picture(), surface);
    QCOMPARE(state().PartOutlined, outlined);
    QCOMPARE(state().PartPoints, points);
    QVERIFY(!m_harness->w().parts().picture(2)->isVisible());
    QVERIFY(m_harness->w().automaticButton->isEnabled());
}

void FlowAutomaticOutlines::cancelHidesTheButton()
{
    startOn(QStringLiteral("face2_0.jpg"));
    m_harness->click(m_harness->w().startButton);
    QCOMPARE(m_harness->form().currentScreen(), Screen::FaceSelect);
    QVERIFY(!m_harness->w().automaticButton->isVisible());
}

void FlowAutomaticOutlines::smallFaceInABigPhotoIsFramedOnOnePress()
{
    const TestPhotos::Photo photo = TestPhotos::personInRoom(
        PictureFile::load(m_dataDir + QStringLiteral("face2_0.jpg")));
    startOnMade(photo.picture);
    pressAutomatic();
    const MainWindowWidgets &w = m_harness->w();
    // The picture is now the square around the face, cut from the photo at full resolution.
    const QImage &framed = state().SourcePicture.pixels;
    QVERIFY2(framed.width() < 1000 && framed.height() < 1000, qPrintable(QStringLiteral("%1").arg(framed.width())));
    QVERIFY(qAbs(framed.width() - framed.height()) <= 1);
    const QRectF face = photo.faces.first().mapRect(QRectF(84, 145, 126, 120)); // eyes to mouth in face2_0.jpg
    QVERIFY(QRectF(QPointF(0, 0), QSizeF(photo.picture.size())).contains(face));
    QVERIFY(state().allOutlined());
    QVERIFY(w.guidanceLabel->caption().startsWith(CreationText::AutomaticFramed));
    QVERIFY(w.guidanceLabel->caption().endsWith(CreationText::AutomaticDone));
    QCOMPARE(w.guidanceLabel->fontColor(), QColor(0x00, 0x00, 0xFF));
    QVERIFY(!w.cutOrDeleteButton->isVisible());
    QVERIFY(w.nameField->isVisible());
    checkPiecesOnThePicture();
    QVERIFY2(narrowerEyePiece() >= 20, qPrintable(QString::number(narrowerEyePiece())));
    for (int k = 1; k <= 4; ++k)
        QCOMPARE(w.parts().picture(k)->width(), state().PartRight[k] - state().PartLeft[k]);
    lookAt(QStringLiteral("framed"));

    // キャンセル as ever.
    m_harness->click(w.startButton);
    QCOMPARE(m_harness->form().currentScreen(), Screen::FaceSelect);
    QVERIFY(!state().SourcePicture.isLoaded());
}

void FlowAutomaticOutlines::eachPressTakesTheNextFace()
{
    startOnMade(TestPhotos::twoFaces(PictureFile::load(m_dataDir + QStringLiteral("face2_0.jpg"))).picture);
    const MainWindowWidgets &w = m_harness->w();
    // The player outlines the larger face's mouth by hand first, small as it is shown.
    m_driver->outline(4, {{65, 110}, {90, 110}, {90, 126}, {65, 126}});
    QVERIFY(state().PartOutlined[4]);
    const QColor handColour = state().PartColor[4];
    pressAutomatic();
    QVERIFY(w.guidanceLabel->caption().contains(CreationText::AutomaticFaces.arg(2)));
    QVERIFY(state().allOutlined());
    // The hand-drawn mouth followed the framing: the same part of the photo, larger.
    QVERIFY(!state().PartAutomatic[4]);
    QCOMPARE(state().PartColor[4], handColour);
    QVERIFY2(state().PartRight[4] - state().PartLeft[4] > 2 * 25,
             qPrintable(QString::number(state().PartRight[4] - state().PartLeft[4])));
    QCOMPARE(w.parts().picture(4)->width(), state().PartRight[4] - state().PartLeft[4]);
    const QImage first = state().SourcePicture.pixels;
    const QColor firstNose = state().PartColor[3];

    pressAutomatic();
    QVERIFY(w.guidanceLabel->caption().contains(CreationText::AutomaticNextFace.arg(2).arg(2)));
    // The hand-drawn mouth lies off the other face's frame: it went, and "自動" outlined this
    // face's own.
    QVERIFY(state().allOutlined());
    QVERIFY(state().PartAutomatic[4]);
    const QImage second = state().SourcePicture.pixels;
    QVERIFY(second != first);
    // The smaller face gave a smaller crop of the photo: the frame follows the face.
    QVERIFY(second.width() < first.width());
    checkPiecesOnThePicture();
    QVERIFY(narrowerEyePiece() >= 20);
    lookAt(QStringLiteral("second_face"));

    // Round again to the largest, exactly as the first press had it.
    pressAutomatic();
    QVERIFY(w.guidanceLabel->caption().contains(CreationText::AutomaticFaces.arg(2)));
    QCOMPARE(state().SourcePicture.pixels, first);
    QCOMPARE(state().PartColor[3], firstNose);
    QVERIFY(w.nameField->isVisible());
}

void FlowAutomaticOutlines::photoCutUnderTheNoseLeavesTheMouthToThePlayer()
{
    startOnMade(TestPhotos::cutUnderNose(PictureFile::load(m_dataDir + QStringLiteral("face2_0.jpg"))).picture);
    const MainWindowWidgets &w = m_harness->w();
    const QImage before = w.facePicture->picture();
    pressAutomatic();
    QVERIFY(state().PartOutlined[1] && state().PartOutlined[2] && state().PartOutlined[3]);
    QVERIFY(!state().PartOutlined[4]);
    QVERIFY(!w.parts().picture(4)->isVisible());
    QCOMPARE(w.guidanceLabel->caption(), CreationText::AutomaticLeftOut.arg(QStringLiteral("「口」")));
    checkPiecesOnThePicture();
    lookAt(QStringLiteral("cut_under_nose"));
    // The blank band below the picture is never painted.
    const ShownFace &shown = m_harness->form().shownFace();
    for (int x = 0; x < 300; x += 3)
        QCOMPARE(w.facePicture->picture().pixel(x, shown.DisplayHeight + 1), before.pixel(x, shown.DisplayHeight + 1));

    // The player outlines the mouth by hand and the face is ready to register.
    m_driver->outline(4, {{100, 200}, {200, 200}, {200, 205}, {100, 206}});
    QVERIFY(state().allOutlined());
    QVERIFY(w.nameField->isVisible());
}

QTEST_MAIN(FlowAutomaticOutlines)
#include "flow_automatic_outlines.moc"
