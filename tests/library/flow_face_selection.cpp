#include "library/FaceSelection.h"
#include "platform/widgets/ListBox.h"
#include "platform/widgets/CaptionLabel.h"
#include "platform/widgets/CommandButton.h"
#include "platform/widgets/MouseUpCheckBox.h"
#include "platform/widgets/PictureBox.h"
#include "platform/files/ProfileFile.h"
#include "support/WindowHarness.h"
#include "support/TestProgramFolder.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QListWidget>

class FlowFaceSelection : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void firstSelectKeepsTheOpeningFaceThenSteps();
    void selectWrapsFromTheLastFaceToTheFirst();
    void selectionScreenShowsWhatItShould();
    void deleteMenuNeedsMoreThanTwoFaces_data();
    void deleteMenuNeedsMoreThanTwoFaces();
    void worksMenuFollowsTheWorksFolder();
    void dropDownPickShowsThatFace();
    void pickingTheOpeningFaceTicksTheBoxSilently();
    void displaySizes_data();
    void displaySizes();
    void missingWholePictureKeepsThePreviousOne();

private:
    WindowHarness &openOn(int openingFace);
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<WindowHarness> m_harness;
};

void FlowFaceSelection::init()
{
    m_harness.reset();
    m_folder = std::make_unique<TestProgramFolder>();
}

WindowHarness &FlowFaceSelection::openOn(int openingFace)
{
    ProfileFile(m_folder->indexPath()).writeInteger(QStringLiteral("TitleFace"), QStringLiteral("NO"), openingFace);
    m_harness = std::make_unique<WindowHarness>(m_folder->appDir());
    m_harness->open();
    return *m_harness;
}

void FlowFaceSelection::firstSelectKeepsTheOpeningFaceThenSteps()
{
    m_folder->addFaces(3);
    WindowHarness &h = openOn(1);
    h.click(h.w().selectButton);
    QCOMPARE(h.form().shownFace().CurrentFace, 1);
    QCOMPARE(h.w().faceNameLabel->caption(), QStringLiteral("顔1"));
    QVERIFY(!h.form().selection().FirstSelect);
    h.click(h.w().selectButton);
    QCOMPARE(h.form().shownFace().CurrentFace, 2);
    QCOMPARE(h.w().faceNameLabel->caption(), QStringLiteral("顔2"));
}

void FlowFaceSelection::selectWrapsFromTheLastFaceToTheFirst()
{
    m_folder->addFaces(3);
    WindowHarness &h = openOn(2);
    h.click(h.w().selectButton);
    QCOMPARE(h.form().shownFace().CurrentFace, 2);
    h.click(h.w().selectButton);
    QCOMPARE(h.form().shownFace().CurrentFace, 0);
    QCOMPARE(h.w().faceNameLabel->caption(), QStringLiteral("顔0"));
    h.click(h.w().selectButton);
    QCOMPARE(h.form().shownFace().CurrentFace, 1);
}

void FlowFaceSelection::selectionScreenShowsWhatItShould()
{
    m_folder->addFaces(2);
    WindowHarness &h = openOn(0);
    const MainWindowWidgets &w = h.w();
    h.click(w.selectButton);
    QCOMPARE(h.form().currentScreen(), Screen::FaceSelect);
    QCOMPARE(w.modeButton->text(), QStringLiteral("練習"));
    QVERIFY(w.faceList->isVisible());
    QCOMPARE(w.faceList->font().pixelSize(), 13);
    QCOMPARE(w.faceList->currentIndex(), -1);
    QVERIFY(w.openingFaceBox->isVisible());
    QVERIFY(w.faceNameLabel->isVisible());
    for (int k = 1; k <= 4; ++k)
        QVERIFY(w.parts().picture(k)->isHidden());
    QVERIFY(w.titlePicture->isHidden() && w.bannerPicture->isHidden() && w.scoreLabel->isHidden());
    QVERIFY(w.pickList->isHidden());
    QCOMPARE(w.guidanceLabel->fontColor(), QColor(0, 0, 0xFF));
    QVERIFY(w.guidanceLabel->caption().startsWith(QStringLiteral("「顔選択」ボタンか、プルダウンリストで")));
    QCOMPARE(w.guidanceLabel->caption().count(QLatin1Char('\r')), 2);
    QCOMPARE(w.faceNameLabel->font().pointSize(), 14);
    QCOMPARE(w.faceNameLabel->width(), 177);
    // The hidden parts wait in the tray column.
    QCOMPARE(w.rightEyePicture->pos(), QPoint(344, 32));
    QCOMPARE(w.leftEyePicture->pos(), QPoint(424, 32));
    QCOMPARE(w.nosePicture->pos(), QPoint(344, 112));
    QCOMPARE(w.mouthPicture->pos(), QPoint(344, 173));
    QVERIFY(nearColour(w.facePicture->picture().pixelColor(10, 10),
                       TestProgramFolder::markedPicture({1, 1}, QColor::fromHsv(0, 120, 230), 0).pixelColor(0, 0)));
}

void FlowFaceSelection::deleteMenuNeedsMoreThanTwoFaces_data()
{
    QTest::addColumn<int>("faces");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("two") << 2 << false;
    QTest::newRow("three") << 3 << true;
}

void FlowFaceSelection::deleteMenuNeedsMoreThanTwoFaces()
{
    QFETCH(int, faces);
    QFETCH(bool, enabled);
    m_folder->addFaces(faces);
    WindowHarness &h = openOn(0);
    h.click(h.w().selectButton);
    QCOMPARE(h.w().deleteFacesAction->isEnabled(), enabled);
}

void FlowFaceSelection::worksMenuFollowsTheWorksFolder()
{
    m_folder->addFaces(2);
    WindowHarness &h = openOn(0);
    h.click(h.w().selectButton);
    QVERIFY(!h.w().galleryAction->isEnabled());
    QVERIFY(QDir().mkpath(m_folder->path(QStringLiteral("Library"))));
    h.click(h.w().selectButton);
    QVERIFY(h.w().galleryAction->isEnabled());
}

void FlowFaceSelection::dropDownPickShowsThatFace()
{
    m_folder->addFaces(3);
    WindowHarness &h = openOn(0);
    h.click(h.w().selectButton);
    h.w().faceList->setCurrentIndex(2);
    Q_EMIT h.w().faceList->activated(2);
    QCOMPARE(h.form().shownFace().CurrentFace, 2);
    QCOMPARE(h.w().faceNameLabel->caption(), QStringLiteral("顔2"));
    // The next press steps on from the picked face.
    h.click(h.w().selectButton);
    QCOMPARE(h.form().shownFace().CurrentFace, 0);
    QCOMPARE(h.w().faceList->currentIndex(), -1);
}

void FlowFaceSelection::pickingTheOpeningFaceTicksTheBoxSilently()
{
    m_folder->addFaces(3);
    WindowHarness &h = openOn(1);
    h.click(h.w().selectButton);
    QVERIFY(h.w().openingFaceBox->isChecked());
    Q_EMIT h.w().faceList->activated(0);
    QVERIFY(!h.w().openingFaceBox->isChecked());
    Q_EMIT h.w().faceList->activated(1);
    QVERIFY(h.w().openingFaceBox->isChecked());
    QVERIFY(h.dialogs.questions.isEmpty());
}

void FlowFaceSelection::displaySizes_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QSize>("display");
    QTest::newRow("400x300") << QSize(400, 300) << QSize(300, 225);
    QTest::newRow("299x300") << QSize(299, 300) << QSize(299, 300);
    QTest::newRow("100x301") << QSize(100, 301) << QSize(99, 300);
}

void FlowFaceSelection::displaySizes()
{
    QFETCH(QSize, picture);
    QFETCH(QSize, display);
    TestProgramFolder::Face face;
    face.name = QStringLiteral("A");
    face.wholeSize = picture;
    m_folder->addFace(face);
    m_folder->addFaces(1);
    WindowHarness &h = openOn(0);
    h.click(h.w().selectButton);
    QCOMPARE(QSize(h.form().shownFace().DisplayWidth, h.form().shownFace().DisplayHeight), display);
}

void FlowFaceSelection::missingWholePictureKeepsThePreviousOne()
{
    m_folder->addFaces(3);
    m_folder->removeFile(QStringLiteral("data/face1_0.jpg"));
    WindowHarness &h = openOn(0);
    h.click(h.w().selectButton);
    const QImage before = h.w().facePicture->picture();
    h.click(h.w().selectButton);
    QCOMPARE(h.dialogs.errors.size(), 1);
    QVERIFY(h.dialogs.errors[0].contains(QStringLiteral("face1_0.jpg")));
    QCOMPARE(h.form().shownFace().CurrentFace, 1);
    QCOMPARE(h.w().facePicture->picture(), before);
    QCOMPARE(h.w().faceNameLabel->caption(), QStringLiteral("顔0"));
    // The program goes on: the next press shows face 2.
    h.click(h.w().selectButton);
    QCOMPARE(h.w().faceNameLabel->caption(), QStringLiteral("顔2"));
    QCOMPARE(h.dialogs.errors.size(), 1);
}

QTEST_MAIN(FlowFaceSelection)
#include "flow_face_selection.moc"
