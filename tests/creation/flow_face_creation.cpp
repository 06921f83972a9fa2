#include "creation/CreationTexts.h"
#include "creation/FaceCreation.h"
#include "platform/pictures/JpegCodec.h"
#include "support/CreationDriver.h"
#include "support/WindowHarness.h"
#include "support/TestProgramFolder.h"

#include <QAction>
#include <QBuffer>
#include <QComboBox>
#include <QLineEdit>
#include <QWindow>

// Face creation on the real window: loading a picture, the zoom, outlining the parts, the fill
// colours and the cancel, up to the moment the face is ready to be named.
class FlowFaceCreation : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void startSwitchesToTheCreationScreen();
    void unknownExtensionKeepsTheBoxBlankAndSaysWhy();
    void refusedPictureSaysWhy_data();
    void refusedPictureSaysWhy();
    void phonePhotoIsShownUpright();
    void zoomCropsTheRectangleAndEnlargesIt();
    void zoomNeedsARectangleWithArea();
    void zoomTooSmallToCropStaysArmed();
    void zoomWithoutAPictureIsRefused();
    void cancelEndsEveryState_data();
    void cancelEndsEveryState();
    void outlinedPartIsCutOutUnderItsTitle();
    void degenerateCurvesAreDiscarded_data();
    void degenerateCurvesAreDiscarded();
    void curveOutsideTheBoxKeepsItsPoints();
    void fourthPartAsksForAName();
    void colourPickRecoloursAHole();
    void rightPressOnANewPartOnlyChoosesIt();

private:
    CreationDriver &startOn(const QImage &picture, const QString &name = QStringLiteral("face.bmp"));
    QString store(const QString &name, const QByteArray &bytes) const;
    QString storeBitmap(const QString &name, const QImage &image) const;
    const CreationState &state() const { return m_harness->form().creation().state(); }
    QRgb surfaceAt(int x, int y) const { return m_harness->w().facePicture->picture().pixel(x, y) & 0xffffff; }

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<WindowHarness> m_harness;
    std::unique_ptr<CreationDriver> m_driver;
};

void FlowFaceCreation::init()
{
    startAtSelectionScreen(m_folder, m_harness, m_driver);
}

QString FlowFaceCreation::store(const QString &name, const QByteArray &bytes) const
{
    m_folder->writeFile(name, bytes);
    return m_folder->path(name);
}

QString FlowFaceCreation::storeBitmap(const QString &name, const QImage &image) const
{
    const QString path = m_folder->path(name);
    image.save(path, "BMP");
    return path;
}

CreationDriver &FlowFaceCreation::startOn(const QImage &picture, const QString &name)
{
    m_driver->start(storeBitmap(name, picture));
    return *m_driver;
}

// A picture whose every pixel tells where it is: red the x, green the y.
static QImage positionPicture(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x / 256) * 16 + (y / 256)));
    return image;
}

void FlowFaceCreation::startSwitchesToTheCreationScreen()
{
    const MainWindowWidgets &w = m_harness->w();
    startOn(CreationDriver::madeFace());
    QCOMPARE(m_harness->dialogs.pictureDialogs,
             QStringList{QStringLiteral("顔の読み込み|グラフィックファイル (*.jpg;*.jpeg;*.bmp)|*.jpg;*.jpeg;*.bmp|"
                                        "JPEG イメージファイル (*.jpg)|*.jpg|JPEG イメージファイル (*.jpeg)|*.jpeg|"
                                        "ビットマップ (*.bmp)|*.bmp")});
    QVERIFY(w.cutOrDeleteButton->isVisible() && w.cutOrDeleteButton->isEnabled()); // the zoom is offered
    QVERIFY(w.faceList->isHidden() && w.openingFaceBox->isHidden());
    QCOMPARE(w.faceNameLabel->caption(), QStringLiteral("顔作成中．．．"));
    QCOMPARE(w.faceNameLabel->font().pointSize(), 14);
    QCOMPARE(m_harness->form().currentScreen(), Screen::FaceCreate);
    for (int k = 1; k <= 4; ++k)
        QVERIFY(w.parts().title(k)->isVisible() && w.parts().title(k)->isEnabled());
    QCOMPARE(w.guidanceLabel->caption(), CreationText::Start);
    QCOMPARE(w.guidanceLabel->fontColor(), QColor(0, 0, 0xFF));
    QCOMPARE(state().SourcePicture.kind, WorkingPicture::Bitmap);
    QCOMPARE(m_harness->form().shownFace().DisplayWidth, 300);
    QCOMPARE(m_harness->form().shownFace().DisplayHeight, 225);
    // Drawn 1:1 into the top-left of a white 300 × 300 surface.
    QCOMPARE(w.facePicture->picture().size(), QSize(300, 300));
    QCOMPARE(surfaceAt(80, 70), CreationDriver::Eye & 0xffffff);
    QCOMPARE(surfaceAt(30, 130), CreationDriver::Cheek & 0xffffff);
    QCOMPARE(surfaceAt(150, 250), 0xffffffu);
    QVERIFY(m_harness->dialogs.errors.isEmpty() && m_harness->dialogs.messages.isEmpty());
}

void FlowFaceCreation::unknownExtensionKeepsTheBoxBlankAndSaysWhy()
{
    const MainWindowWidgets &w = m_harness->w();
    // A bitmap named as a PNG: the extension decides, not the content.
    storeBitmap(QStringLiteral("face.bmp"), CreationDriver::madeFace());
    QVERIFY(QFile::rename(m_folder->path(QStringLiteral("face.bmp")), m_folder->path(QStringLiteral("face.png"))));
    m_driver->start(m_folder->path(QStringLiteral("face.png")));
    QCOMPARE(m_harness->dialogs.messages, QStringList{CreationText::UnknownKind.arg(QStringLiteral("face.png"))});
    QVERIFY(m_harness->dialogs.errors.isEmpty());
    QVERIFY(!state().SourcePicture.isLoaded());
    QCOMPARE(m_harness->form().currentScreen(), Screen::FaceCreate);
    QCOMPARE(w.guidanceLabel->caption(), CreationText::Start);
    QVERIFY(w.rightEyeTitle->isVisible());
    const QImage blank = w.facePicture->picture();
    QCOMPARE(blank.size(), QSize(300, 300));
    QCOMPARE(blank.pixel(0, 0) & 0xffffff, 0xffffffu);
    QCOMPARE(blank.pixel(150, 100) & 0xffffff, 0xffffffu);
    m_harness->click(w.startButton);
    QCOMPARE(m_harness->form().currentScreen(), Screen::FaceSelect);
}

void FlowFaceCreation::refusedPictureSaysWhy_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    QImage thin(20000, 10, QImage::Format_RGB32);
    thin.fill(Qt::gray);
    QByteArray bitmap;
    QBuffer buffer(&bitmap);
    buffer.open(QIODevice::WriteOnly);
    thin.save(&buffer, "BMP");
    QTest::newRow("undecodable") << QStringLiteral("broken.jpg") << QByteArray("\xFF\xD8\xFF not really")
                                 << QStringLiteral("「broken.jpg」はJPEG画像として読み込めません。");
    QTest::newRow("20000 x 10 shows 300 x 0")
        << QStringLiteral("thin.bmp") << bitmap << CreationText::TooThin.arg(QStringLiteral("thin.bmp"));
    QTest::newRow("10 x 20000 shows 0 x 300")
        << QStringLiteral("tall.jpg") << JpegCodec::encode(thin.transformed(QTransform().rotate(90)))
        << CreationText::TooThin.arg(QStringLiteral("tall.jpg"));
}

void FlowFaceCreation::refusedPictureSaysWhy()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const MainWindowWidgets &w = m_harness->w();
    m_driver->start(store(name, bytes));
    QCOMPARE(m_harness->dialogs.errors, QStringList{message});
    // The screen has switched, but the titles and instructions never came.
    QCOMPARE(m_harness->form().currentScreen(), Screen::FaceCreate);
    QVERIFY(w.rightEyeTitle->isHidden());
    QVERIFY(!state().SourcePicture.isLoaded());
    m_harness->click(w.startButton);
    QCOMPARE(m_harness->form().currentScreen(), Screen::FaceSelect);
    QCOMPARE(m_harness->form().shownFace().CurrentFace, 1);
}

void FlowFaceCreation::phonePhotoIsShownUpright()
{
    // A portrait photo stored turned on its side, with EXIF orientation 6 (turn right to view).
    QImage upright(300, 400, QImage::Format_RGB32);
    upright.fill(qRgb(230, 40, 40));
    for (int y = 200; y < 400; ++y)
        for (int x = 0; x < 300; ++x)
            upright.setPixel(x, y, qRgb(40, 40, 230));
    const QImage stored = upright.transformed(QTransform().rotate(-90));
    QByteArray jpeg = JpegCodec::encode(stored);
    const QByteArray tiff("II*\0\x08\0\0\0\x01\0\x12\x01\x03\0\x01\0\0\0\x06\0\0\0\0\0\0\0", 26);
    const QByteArray exif = QByteArray("Exif\0\0", 6) + tiff;
    const QByteArray segment = QByteArray("\xFF\xE1\0", 3) + char(exif.size() + 2) + exif;
    jpeg.insert(2, segment);
    m_driver->start(store(QStringLiteral("IMG_0042.JPG"), jpeg));
    QVERIFY(m_harness->dialogs.errors.isEmpty());
    QCOMPARE(state().SourcePicture.pixels.size(), QSize(300, 400));
    QCOMPARE(m_harness->form().shownFace().DisplayWidth, 225);
    QCOMPARE(m_harness->form().shownFace().DisplayHeight, 300);
    QVERIFY(nearColour(QColor(surfaceAt(100, 20)), QColor(230, 40, 40), 16));
    QVERIFY(nearColour(QColor(surfaceAt(100, 280)), QColor(40, 40, 230), 16));
}

void FlowFaceCreation::zoomCropsTheRectangleAndEnlargesIt()
{
    const MainWindowWidgets &w = m_harness->w();
    const QImage picture = positionPicture(640, 480);
    startOn(picture);
    m_harness->click(w.cutOrDeleteButton);
    QCOMPARE(m_harness->form().currentScreen(), Screen::ZoomArmed);
    QCOMPARE(state().CurrentPart, 6);
    QVERIFY(!w.cutOrDeleteButton->isEnabled() && w.cutOrDeleteButton->isVisible());
    for (int k = 1; k <= 4; ++k)
        QVERIFY(!w.parts().title(k)->isEnabled());

    PictureBox *image = w.facePicture;
    QTest::mousePress(image, Qt::RightButton, {}, QPoint(240, 120));
    QTest::mouseMove(image, QPoint(100, 90));
    QCOMPARE(surfaceAt(170, 90), 0x0000ffu);
    QTest::mouseMove(image, QPoint(100, 260));
    auto blueInRow260 = [this] {
        int count = 0;
        for (int x = 100; x <= 240; ++x)
            count += surfaceAt(x, 260) == 0x0000ffu;
        return count;
    };
    QVERIFY(blueInRow260() > 20);
    QTest::mouseMove(image, QPoint(40, 20));
    // Nor does it linger in the blank band below the picture.
    QCOMPARE(blueInRow260(), 0);
    // The picture is drawn again under every rectangle: the earlier one is gone.
    QCOMPARE(surfaceAt(170, 90), qRgb(363 % 256, 193, 16) & 0xffffff);
    QCOMPARE(surfaceAt(40, 20), 0x0000ffu);
    QCOMPARE(surfaceAt(240, 120), 0x0000ffu);
    QVERIFY(!w.cutOrDeleteButton->isEnabled());
    QTest::mouseRelease(image, Qt::RightButton, {}, QPoint(40, 20));
    QVERIFY(w.cutOrDeleteButton->isEnabled());
    QCOMPARE(w.guidanceLabel->caption(), CreationText::ZoomReady);

    m_harness->click(w.cutOrDeleteButton);
    QCOMPARE(state().SourcePicture.kind, WorkingPicture::Bitmap);
    QCOMPARE(state().SourcePicture.pixels.size(), QSize(426, 213));
    QCOMPARE(state().SourcePicture.pixels, picture.copy(85, 42, 426, 213));
    QCOMPARE(m_harness->form().shownFace().DisplayWidth, 300);
    QCOMPARE(m_harness->form().shownFace().DisplayHeight, 150);
    QCOMPARE(surfaceAt(0, 0), picture.pixel(85, 42) & 0xffffff);
    QCOMPARE(surfaceAt(299, 149), picture.pixel(85 + 425, 42 + 212) & 0xffffff);
    QCOMPARE(surfaceAt(150, 150), 0xffffffu);
    QCOMPARE(m_harness->form().currentScreen(), Screen::FaceCreate);
    QCOMPARE(state().CurrentPart, 0);
    QVERIFY(w.cutOrDeleteButton->isHidden());
    for (int k = 1; k <= 4; ++k)
        QVERIFY(w.parts().title(k)->isEnabled());
    QCOMPARE(w.guidanceLabel->caption(), CreationText::Outlining);
}

void FlowFaceCreation::zoomNeedsARectangleWithArea()
{
    const MainWindowWidgets &w = m_harness->w();
    startOn(positionPicture(640, 480));
    m_harness->click(w.cutOrDeleteButton);
    m_driver->drag({QPoint(40, 50), QPoint(200, 50)});
    QVERIFY(!w.cutOrDeleteButton->isEnabled());
    m_driver->clickImage(QPoint(60, 60));
    QVERIFY(!w.cutOrDeleteButton->isEnabled());
    // A 1 × 1 rectangle is enough: 2 × 2 pixels, shown at 300 × 300.
    m_driver->drag({QPoint(10, 10), QPoint(11, 11)});
    QVERIFY(w.cutOrDeleteButton->isEnabled());
    m_harness->click(w.cutOrDeleteButton);
    QCOMPARE(state().SourcePicture.pixels.size(), QSize(2, 2));
    QCOMPARE(m_harness->form().shownFace().DisplayWidth, 300);
    QCOMPARE(m_harness->form().shownFace().DisplayHeight, 300);
}

void FlowFaceCreation::zoomTooSmallToCropStaysArmed()
{
    const MainWindowWidgets &w = m_harness->w();
    const QImage small = positionPicture(100, 50);
    startOn(small);
    m_harness->click(w.cutOrDeleteButton);
    m_driver->drag({QPoint(10, 10), QPoint(12, 12)});
    m_harness->click(w.cutOrDeleteButton);
    QCOMPARE(w.guidanceLabel->caption(), CreationText::ZoomTooSmall);
    QCOMPARE(m_harness->form().currentScreen(), Screen::ZoomArmed);
    QVERIFY(!w.cutOrDeleteButton->isEnabled() && w.cutOrDeleteButton->isVisible());
    QCOMPARE(state().SourcePicture.pixels, small);
    // A bigger rectangle then works.
    m_driver->drag({QPoint(3, 3), QPoint(153, 63)});
    m_harness->click(w.cutOrDeleteButton);
    QCOMPARE(state().SourcePicture.pixels.size(), QSize(50, 20));
    QCOMPARE(m_harness->form().currentScreen(), Screen::FaceCreate);
}

void FlowFaceCreation::zoomWithoutAPictureIsRefused()
{
    const MainWindowWidgets &w = m_harness->w();
    m_driver->start(store(QStringLiteral("face.gif"), QByteArray("GIF89a")));
    m_harness->click(w.cutOrDeleteButton);
    m_driver->drag({QPoint(10, 10), QPoint(100, 100)});
    m_harness->click(w.cutOrDeleteButton);
    QCOMPARE(w.guidanceLabel->caption(), CreationText::ZoomWithoutPicture);
    QVERIFY(!state().SourcePicture.isLoaded());
    QCOMPARE(w.facePicture->picture().pixel(50, 50) & 0xffffff, 0xffffffu);
}

void FlowFaceCreation::cancelEndsEveryState_data()
{
    QTest::addColumn<int>("stage");
    QTest::newRow("loaded") << 0;
    QTest::newRow("zoom armed") << 1;
    QTest::newRow("armed with a rectangle") << 2;
    QTest::newRow("zoomed") << 3;
    QTest::newRow("outlining") << 4;
    QTest::newRow("naming") << 5;
    QTest::newRow("picking a colour") << 6;
}

void FlowFaceCreation::cancelEndsEveryState()
{
    QFETCH(int, stage);
    const MainWindowWidgets &w = m_harness->w();
    startOn(CreationDriver::madeFace());
    if (stage >= 1 && stage <= 3)
        m_harness->click(w.cutOrDeleteButton);
    if (stage >= 2 && stage <= 3)
        m_driver->drag({QPoint(10, 10), QPoint(250, 200)});
    if (stage == 3)
        m_harness->click(w.cutOrDeleteButton);
    if (stage == 4)
        m_driver->outline(1, CreationDriver::partLoop(1));
    if (stage >= 5) {
        m_driver->outlineAllParts();
        w.nameField->setText(QStringLiteral("途中"));
    }
    if (stage == 6)
        m_driver->pressTitle(2, Qt::RightButton);

    m_harness->click(w.startButton);
    QCOMPARE(m_harness->form().currentScreen(), Screen::FaceSelect);
    QVERIFY(!state().OutlineDragging);
    QCOMPARE(state().CurrentPart, 0);
    QVERIFY(!state().SourcePicture.isLoaded());
    QVERIFY(!state().ColorPickMode && !state().ZoomDragging);
    for (int k = 1; k <= 4; ++k) {
        QVERIFY(!state().PartOutlined[k] && state().PartPoints[k].isEmpty());
        QVERIFY(w.parts().title(k)->isHidden() && w.parts().title(k)->isEnabled());
        QCOMPARE(w.parts().title(k)->backgroundColor(), QColor(0xFF, 0xFF, 0x00));
        QVERIFY(w.parts().picture(k)->isHidden());
    }
    QVERIFY(w.nameField->isHidden() && w.nameField->text().isEmpty());
    QCOMPARE(m_harness->form().shownFace().CurrentFace, 1);
    QCOMPARE(w.faceNameLabel->caption(), QStringLiteral("顔1"));
    QVERIFY(w.faceList->isVisible());

    // The next face creation starts with the zoom disarmed and the titles usable.
    startOn(CreationDriver::madeFace());
    QVERIFY(w.cutOrDeleteButton->isEnabled());
    QCOMPARE(m_harness->form().currentScreen(), Screen::FaceCreate);
    for (int k = 1; k <= 4; ++k)
        QVERIFY(w.parts().title(k)->isEnabled());
    QVERIFY(m_harness->dialogs.errors.isEmpty());
}

void FlowFaceCreation::outlinedPartIsCutOutUnderItsTitle()
{
    const MainWindowWidgets &w = m_harness->w();
    startOn(positionPicture(300, 300));
    m_driver->pressTitle(1);
    QCOMPARE(w.rightEyeTitle->backgroundColor(), QColor(0xFF, 0, 0));
    QVERIFY(w.cutOrDeleteButton->isHidden());
    m_driver->drag({QPoint(100, 120), QPoint(140, 125), QPoint(130, 150), QPoint(135, 149)});
    QVERIFY(state().PartOutlined[1]);
    QCOMPARE(state().PartPoints[1], (QVector<QPoint>{{100, 120}, {140, 125}, {130, 150}, {135, 149}}));
    QCOMPARE(w.rightEyePicture->size(), QSize(40, 30));
    QCOMPARE(w.rightEyePicture->pos(), QPoint(352, 30));
    QVERIFY(w.rightEyePicture->isVisible());
    QCOMPARE(w.rightEyePicture->picture(), positionPicture(300, 300).copy(100, 120, 40, 30));
    // The hole is filled with the colour under the press.
    QCOMPARE(surfaceAt(128, 135), qRgb(100, 120, 0) & 0xffffff);
    QCOMPARE(state().CurrentPart, 0);
    QCOMPARE(w.rightEyeTitle->backgroundColor(), QColor(0xFF, 0xFF, 0x00));

    // Without a title pressed first, a drag on the picture does nothing.
    m_driver->drag({QPoint(10, 10), QPoint(50, 50)});
    QCOMPARE(surfaceAt(30, 30), qRgb(30, 30, 0) & 0xffffff);

    // The other pieces stand under their own titles.
    m_driver->outline(2, {QPoint(200, 20), QPoint(220, 40)});
    m_driver->outline(3, {QPoint(200, 120), QPoint(220, 140)});
    m_driver->outline(4, {QPoint(200, 220), QPoint(220, 240)});
    QCOMPARE(w.leftEyePicture->pos(), QPoint(464, 30));
    QCOMPARE(w.nosePicture->pos(), QPoint(336, 134));
    QCOMPARE(w.mouthPicture->pos(), QPoint(344, 222));
}

void FlowFaceCreation::degenerateCurvesAreDiscarded_data()
{
    QTest::addColumn<QVector<QPoint>>("points");
    QTest::newRow("click") << QVector<QPoint>{{100, 100}};
    QTest::newRow("along a row") << QVector<QPoint>{{100, 100}, {150, 100}, {120, 100}};
    QTest::newRow("along a column") << QVector<QPoint>{{100, 100}, {100, 180}};
}

void FlowFaceCreation::degenerateCurvesAreDiscarded()
{
    QFETCH(QVector<QPoint>, points);
    const MainWindowWidgets &w = m_harness->w();
    startOn(CreationDriver::madeFace());
    m_driver->pressTitle(3);
    m_driver->drag(points);
    QVERIFY(!state().PartOutlined[3]);
    QCOMPARE(state().CurrentPart, 3);
    QCOMPARE(w.noseTitle->backgroundColor(), QColor(0xFF, 0, 0));
    QVERIFY(!w.nosePicture->hasPicture());
    // A new drag outlines the same part.
    m_driver->drag(CreationDriver::partLoop(3));
    QVERIFY(state().PartOutlined[3]);
    QCOMPARE(w.nosePicture->size(), QSize(60, 50));
}

void FlowFaceCreation::curveOutsideTheBoxKeepsItsPoints()
{
    const MainWindowWidgets &w = m_harness->w();
    startOn(CreationDriver::madeFace());
    m_driver->pressTitle(4);
    // Window-system events, so the press's own grab carries the moves past the face picture's edge.
    QWindow *window = m_harness->form().windowHandle();
    QVERIFY(window);
    auto inWindow = [&](QPoint onImage) { return window->mapFromGlobal(w.facePicture->mapToGlobal(onImage)); };
    QTest::mousePress(window, Qt::LeftButton, {}, inWindow(QPoint(20, 200)));
    QTest::mouseMove(window, inWindow(QPoint(-15, 210)));
    QTest::mouseMove(window, inWindow(QPoint(60, 320)));
    QTest::mouseRelease(window, Qt::LeftButton, {}, inWindow(QPoint(60, 320)));
    QCOMPARE(state().PartPoints[4], (QVector<QPoint>{{20, 200}, {-15, 210}, {60, 320}}));
    QCOMPARE(state().PartLeft[4], -15);
    QCOMPARE(state().PartBottom[4], 320);
    QVERIFY(state().PartOutlined[4]);
    // The piece is the whole box; what lies outside the surface is white.
    const QImage piece = w.mouthPicture->picture();
    QCOMPARE(piece.size(), QSize(75, 120));
    QCOMPARE(piece.pixel(0, 0) & 0xffffff, 0xffffffu);
    QCOMPARE(piece.pixel(20, 5) & 0xffffff, CreationDriver::Skin & 0xffffff);
    QCOMPARE(piece.pixel(20, 110) & 0xffffff, 0xffffffu);
}

void FlowFaceCreation::fourthPartAsksForAName()
{
    const MainWindowWidgets &w = m_harness->w();
    startOn(CreationDriver::madeFace());
    for (int k = 1; k <= 3; ++k)
        m_driver->outline(k, CreationDriver::partLoop(k));
    QVERIFY(w.nameField->isHidden());
    QCOMPARE(w.selectButton->text(), QStringLiteral("顔選択"));
    m_driver->outline(4, CreationDriver::partLoop(4));
    QCOMPARE(m_harness->form().currentScreen(), Screen::FaceRegister);
    QCOMPARE(w.guidanceLabel->caption(), CreationText::Naming);
    QVERIFY(w.nameField->isVisible());
    QCOMPARE(w.nameField->font().pixelSize(), 13);
    QCOMPARE(m_harness->form().focusWidget(), w.nameField);
    m_driver->typeName(QStringLiteral("　"));
    QVERIFY(!w.selectButton->isEnabled());
    m_driver->typeName(QStringLiteral("山田"));
    QVERIFY(w.selectButton->isEnabled());
    // Every hole is filled with the skin found where its curve began.
    QCOMPARE(surfaceAt(80, 70), CreationDriver::Skin & 0xffffff);
    QCOMPARE(surfaceAt(150, 125), CreationDriver::Skin & 0xffffff);
    QCOMPARE(surfaceAt(150, 180), CreationDriver::Skin & 0xffffff);

    // Outlining a part anew goes back from naming to outlining.
    m_driver->pressTitle(2);
    QVERIFY(w.nameField->isHidden());
    QCOMPARE(m_harness->form().currentScreen(), Screen::FaceCreate);
    QCOMPARE(w.selectButton->text(), QStringLiteral("登録")); // kept from the naming
    QVERIFY(!state().PartOutlined[2] && !w.leftEyePicture->hasPicture());
    QCOMPARE(surfaceAt(200, 70), CreationDriver::Eye & 0xffffff);
    QCOMPARE(surfaceAt(80, 70), CreationDriver::Skin & 0xffffff);
}

void FlowFaceCreation::colourPickRecoloursAHole()
{
    const MainWindowWidgets &w = m_harness->w();
    startOn(CreationDriver::madeFace());
    m_driver->outlineAllParts();
    m_driver->typeName(QStringLiteral("山田"));
    m_driver->pressTitle(1, Qt::RightButton);
    QCOMPARE(w.rightEyeTitle->backgroundColor(), QColor(0x00, 0x80, 0x00));
    QVERIFY(state().ColorPickMode);
    m_driver->clickImage(QPoint(150, 10));
    QCOMPARE(state().PartColor[1], QColor(CreationDriver::Hair));
    QCOMPARE(surfaceAt(80, 70), CreationDriver::Hair & 0xffffff);
    m_driver->clickImage(QPoint(30, 130));
    QCOMPARE(surfaceAt(80, 70), CreationDriver::Cheek & 0xffffff);
    // A colour picked inside another part's hole is that hole's colour.
    m_driver->pressTitle(3, Qt::RightButton);
    QCOMPARE(w.rightEyeTitle->backgroundColor(), QColor(0xFF, 0xFF, 0x00));
    m_driver->clickImage(QPoint(80, 70));
    QCOMPARE(state().PartColor[3], QColor(CreationDriver::Cheek));
    QCOMPARE(surfaceAt(150, 125), CreationDriver::Cheek & 0xffffff);
    // Picks keep the naming state as it was, and draw no curve.
    QVERIFY(w.selectButton->isEnabled() && w.nameField->isVisible());
    QVERIFY(state().PartOutlined[3] && !state().OutlineDragging);
    // A left press on a title ends the picking.
    m_driver->pressTitle(4);
    QVERIFY(!state().ColorPickMode);
}

void FlowFaceCreation::rightPressOnANewPartOnlyChoosesIt()
{
    const MainWindowWidgets &w = m_harness->w();
    startOn(CreationDriver::madeFace());
    m_driver->pressTitle(2, Qt::RightButton);
    QCOMPARE(state().CurrentPart, 2);
    QCOMPARE(w.leftEyeTitle->backgroundColor(), QColor(0xFF, 0xFF, 0x00));
    QVERIFY(!state().ColorPickMode);
    QVERIFY(w.cutOrDeleteButton->isVisible());
    m_driver->drag(CreationDriver::partLoop(2));
    QVERIFY(state().PartOutlined[2]);
    m_driver->pressTitle(2, Qt::MiddleButton);
    QCOMPARE(state().CurrentPart, 2);
    QVERIFY(!state().ColorPickMode);
    QVERIFY(state().PartOutlined[2]);
}

QTEST_MAIN(FlowFaceCreation)
#include "flow_face_creation.moc"
