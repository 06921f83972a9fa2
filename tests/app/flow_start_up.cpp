#include "platform/widgets/CaptionLabel.h"
#include "platform/widgets/CommandButton.h"
#include "platform/widgets/PictureBox.h"
#include "platform/files/ProfileFile.h"
#include "support/WindowHarness.h"
#include "support/TestProgramFolder.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QTimer>

class FlowStartUp : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void widgetsStartWhereTheyBelong_data();
    void widgetsStartWhereTheyBelong();
    void windowAndMenus();
    void facesLoadIntoTheDropDownList();
    void configuredOpeningFaceOpens();
    void randomOpeningFaceWhenNoneIsSet();
    void openingRunsTickByTick();
    void missingCursorFileKeepsStartingUp();
    void missingIndexStopsWithAMessage();
    void emptyLibraryNeverReadsAMissingFace();
    void brokenOpeningPictureStopsWithAMessage_data();
    void brokenOpeningPictureStopsWithAMessage();
    void stoppedStartUpShowsNoFaceName_data();
    void stoppedStartUpShowsNoFaceName();
    void closeWritesTheMusicSwitch();
    void closeAfterAFailedStartUpWritesNothing_data();
    void closeAfterAFailedStartUpWritesNothing();

private:
    std::unique_ptr<TestProgramFolder> m_folder;
};

void FlowStartUp::init()
{
    m_folder = std::make_unique<TestProgramFolder>();
}

void FlowStartUp::widgetsStartWhereTheyBelong_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<bool>("visible");
    QTest::newRow("ImageTitle") << "ImageTitle" << QRect(392, 0, 113, 313) << false;
    QTest::newRow("Image1") << "Image1" << QRect(24, 32, 300, 300) << false;
    QTest::newRow("LabelScore") << "LabelScore" << QRect(376, 96, 74, 36) << false;
    QTest::newRow("LabelHana") << "LabelHana" << QRect(336, 112, 49, 17) << false;
    QTest::newRow("Label1") << "Label1" << QRect(24, 344, 521, 121) << false;
    QTest::newRow("ImageRE") << "ImageRE" << QRect(344, 32, 60, 60) << true;
    QTest::newRow("ImageLE") << "ImageLE" << QRect(464, 32, 57, 41) << true;
    QTest::newRow("ImageHana") << "ImageHana" << QRect(336, 136, 57, 41) << true;
    QTest::newRow("ImageKuti") << "ImageKuti" << QRect(336, 224, 57, 41) << true;
    QTest::newRow("LabelRE") << "LabelRE" << QRect(352, 8, 49, 17) << false;
    QTest::newRow("LabelLE") << "LabelLE" << QRect(464, 8, 49, 17) << false;
    QTest::newRow("LabelKuti") << "LabelKuti" << QRect(344, 200, 49, 17) << false;
    QTest::newRow("Label2") << "Label2" << QRect(24, 5, 177, 22) << true;
    QTest::newRow("ImageRogo") << "ImageRogo" << QRect(201, 413, 351, 52) << false;
    QTest::newRow("LabelRinkaku") << "LabelRinkaku" << QRect(224, 8, 65, 17) << false;
    QTest::newRow("BtnSentaku") << "BtnSentaku" << QRect(328, 312, 57, 25) << false;
    QTest::newRow("BtnStart") << "BtnStart" << QRect(392, 312, 57, 25) << false;
    QTest::newRow("BtnRenshu") << "BtnRenshu" << QRect(456, 312, 57, 25) << false;
    QTest::newRow("Edit1") << "Edit1" << QRect(24, 433, 193, 21) << false;
    QTest::newRow("ComboBox1") << "ComboBox1" << QRect(336, 32, 121, 21) << false;
    QTest::newRow("CheckBox1") << "CheckBox1" << QRect(208, 8, 145, 17) << false;
    QTest::newRow("ListBox1") << "ListBox1" << QRect(408, 136, 145, 136) << false;
    QTest::newRow("BtnKiritori") << "BtnKiritori" << QRect(232, 4, 57, 25) << false;
    QTest::newRow("BtnUp") << "BtnUp" << QRect(504, 104, 33, 25) << false;
    QTest::newRow("BtnDown") << "BtnDown" << QRect(411, 104, 33, 25) << false;
}

void FlowStartUp::widgetsStartWhereTheyBelong()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(bool, visible);
    WindowHarness harness(m_folder->appDir());
    auto *widget = harness.form().findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->geometry(), geometry);
    QCOMPARE(widget->isVisibleTo(harness.w().client), visible);
}

void FlowStartUp::windowAndMenus()
{
    WindowHarness harness(m_folder->appDir());
    const MainWindowWidgets &w = harness.w();
    QCOMPARE(harness.form().windowTitle(), QStringLiteral("ペタラ　３"));
    QCOMPARE(w.client->size(), QSize(560, 479));
    QCOMPARE(w.client->palette().color(QPalette::Window), QColor(0xC0, 0xDC, 0xC0));
    QCOMPARE(harness.form().currentScreen(), Screen::Starting);
    QCOMPARE(w.guidanceLabel->fontColor(), QColor(0, 0, 0xFF));
    QCOMPARE(w.guidanceLabel->backgroundColor(), QColor(0xC0, 0xC0, 0xC0));
    QVERIFY(w.guidanceLabel->font().italic() && w.guidanceLabel->font().bold());
    QCOMPARE(w.faceNameLabel->fontColor(), QColor(0xFF, 0xFF, 0));
    QCOMPARE(w.scoreLabel->caption(), QStringLiteral("得点"));
    QCOMPARE(w.openingFaceBox->text(), QStringLiteral("オープニングの顔に使う"));
    QVERIFY(!w.openingFaceBox->isChecked());

    QCOMPARE(w.faceMenuAction->text(), QStringLiteral("顔の作成／削除(&F)"));
    QCOMPARE(w.createFaceAction->text(), QStringLiteral("顔の作成(&C)"));
    QCOMPARE(w.deleteFacesAction->text(), QStringLiteral("顔の削除(&D)"));
    QVERIFY(w.musicOnAction->isChecked());
    QVERIFY(!w.musicOffAction->isChecked());
    QVERIFY(w.musicSeparator->isSeparator() && w.helpSeparator->isSeparator());
    QCOMPARE(w.chooseTuneAction->text(), QStringLiteral("曲の設定(&K)"));
    QCOMPARE(w.aboutAction->text(), QStringLiteral("バージョン情報(&V)"));
    QCOMPARE(w.tickTimer->interval(), 500);
    QVERIFY(!w.tickTimer->isActive());
}

void FlowStartUp::facesLoadIntoTheDropDownList()
{
    m_folder->addFaces(3);
    WindowHarness harness(m_folder->appDir());
    harness.show();
    const QComboBox *list = harness.w().faceList;
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->itemText(0), QStringLiteral("顔0"));
    QCOMPARE(list->itemText(2), QStringLiteral("顔2"));
    QCOMPARE(list->currentIndex(), -1);
    QCOMPARE(harness.form().library().FaceCount, 3);
}

void FlowStartUp::configuredOpeningFaceOpens()
{
    m_folder->addFaces(3);
    ProfileFile(m_folder->indexPath()).writeInteger(QStringLiteral("TitleFace"), QStringLiteral("NO"), 2);
    WindowHarness harness(m_folder->appDir());
    harness.chance.draws << 0 << 0;
    QVERIFY(harness.show());
    QCOMPARE(harness.form().shownFace().CurrentFace, 2);
    QVERIFY(nearColour(harness.w().facePicture->picture().pixelColor(5, 5),
                       TestProgramFolder::markedPicture({1, 1}, QColor::fromHsv(140, 120, 230), 5).pixelColor(0, 0)));
}

void FlowStartUp::randomOpeningFaceWhenNoneIsSet()
{
    m_folder->addFaces(4);
    WindowHarness harness(m_folder->appDir());
    harness.chance.draws << 3;
    QVERIFY(harness.show());
    QCOMPARE(harness.chance.limits.value(0), 4);
    QCOMPARE(harness.form().shownFace().CurrentFace, 3);
}

void FlowStartUp::openingRunsTickByTick()
{
    TestProgramFolder::Face face;
    face.name = QStringLiteral("おかめ");
    face.places = {QPoint(50, 60), QPoint(170, 61), QPoint(120, 130), QPoint(110, 200)};
    m_folder->addFace(face);
    m_folder->addFaces(1);
    ProfileFile(m_folder->indexPath()).writeInteger(QStringLiteral("TitleFace"), QStringLiteral("NO"), 0);
    WindowHarness harness(m_folder->appDir());
    const MainWindowWidgets &w = harness.w();
    QVERIFY(harness.show());
    QCOMPARE(w.faceNameLabel->caption(), QStringLiteral("データロード中．．．"));
    QCOMPARE(harness.form().openingStep(), 0);
    QCOMPARE(w.rightEyePicture->pos(), QPoint(344, 32));

    harness.chance.draws << 10 << 20 << 0 << 99 << 50 << 50 << 99 << 0;
    harness.form().tick();
    QVERIFY(w.faceNameLabel->isHidden());
    QCOMPARE(w.faceNameLabel->caption(), QString());
    QCOMPARE(w.rightEyePicture->pos(), QPoint(344, 32));

    harness.form().tick(); // the right eye lands near (24 + 50, 32 + 60)
    QCOMPARE(w.rightEyePicture->pos(), QPoint(10 + 50 + 24 - 50, 20 + 60 + 32 - 50));
    QCOMPARE(w.leftEyePicture->pos(), QPoint(464, 32));
    harness.form().tick();
    QCOMPARE(w.leftEyePicture->pos(), QPoint(0 + 170 + 24 - 50, 99 + 61 + 32 - 50));
    harness.form().tick();
    QCOMPARE(w.nosePicture->pos(), QPoint(50 + 120 + 24 - 50, 50 + 130 + 32 - 50));
    QCOMPARE(w.mouthPicture->pos(), QPoint(336, 224));
    harness.form().tick();
    QCOMPARE(w.mouthPicture->pos(), QPoint(99 + 110 + 24 - 50, 0 + 200 + 32 - 50));
    QCOMPARE(harness.chance.reseeds, 4);
    QVERIFY(w.facePicture->isHidden());

    harness.form().tick(); // the sixth tick changes nothing
    QVERIFY(w.facePicture->isHidden());
    QVERIFY(w.selectButton->isHidden());

    harness.form().tick();
    for (QWidget *shown : {static_cast<QWidget *>(w.facePicture), static_cast<QWidget *>(w.selectButton),
                           static_cast<QWidget *>(w.startButton), static_cast<QWidget *>(w.modeButton),
                           static_cast<QWidget *>(w.titlePicture), static_cast<QWidget *>(w.bannerPicture),
                           static_cast<QWidget *>(w.guidanceLabel)})
        QVERIFY2(shown->isVisibleTo(w.client), qPrintable(shown->objectName()));
    QCOMPARE(w.guidanceLabel->caption(), QStringLiteral("\r\r「顔選択」ボタンを押してください。"));
    QCOMPARE(harness.form().currentScreen(), Screen::Opening);

    const QList<QPoint> before = {w.rightEyePicture->pos(), w.leftEyePicture->pos(), w.nosePicture->pos(),
                                  w.mouthPicture->pos()};
    const int drawsBefore = harness.chance.limits.size();
    for (int i = 0; i < 5; ++i)
        harness.form().tick();
    QCOMPARE(harness.form().openingStep(), 8);
    QCOMPARE(harness.chance.limits.size(), drawsBefore);
    QCOMPARE(
        (QList<QPoint>{w.rightEyePicture->pos(), w.leftEyePicture->pos(), w.nosePicture->pos(), w.mouthPicture->pos()}),
        before);
}

void FlowStartUp::missingCursorFileKeepsStartingUp()
{
    m_folder->addFaces(2);
    WindowHarness harness(m_folder->appDir());
    QVERIFY(harness.show());
    QVERIFY(harness.dialogs.errors.isEmpty());
    QCOMPARE(harness.form().transparentCursor().shape(), Qt::ArrowCursor);
}

void FlowStartUp::missingIndexStopsWithAMessage()
{
    WindowHarness harness(m_folder->appDir());
    QVERIFY(!harness.show());
    QCOMPARE(harness.dialogs.errors.size(), 1);
    QVERIFY(harness.dialogs.errors[0].contains(QStringLiteral("facedata.ini")));
    harness.finishOpening();
    QVERIFY(harness.w().selectButton->isHidden());
}

void FlowStartUp::emptyLibraryNeverReadsAMissingFace()
{
    m_folder->addFaces(1);
    ProfileFile(m_folder->indexPath()).writeInteger(QStringLiteral("faces"), QStringLiteral("count"), 0);
    WindowHarness harness(m_folder->appDir());
    QVERIFY(!harness.show());
    QCOMPARE(harness.dialogs.errors.size(), 1);
    harness.finishOpening();
    QVERIFY(harness.w().facePicture->isHidden());
}

void FlowStartUp::brokenOpeningPictureStopsWithAMessage_data()
{
    QTest::addColumn<QStringList>("missing");
    QTest::addColumn<QStringList>("garbled");
    QTest::addColumn<QString>("named");
    const QString part = QStringLiteral("data/face1_3.jpg");
    const QString outline = QStringLiteral("data/face1_5.jpg");
    QTest::newRow("missing part") << QStringList{part} << QStringList() << QStringLiteral("face1_3.jpg");
    QTest::newRow("garbled outline") << QStringList() << QStringList{outline} << QStringLiteral("face1_5.jpg");
    // The parts are read before the outline: a broken part is the one reported.
    QTest::newRow("part missing, outline garbled")
        << QStringList{part} << QStringList{outline} << QStringLiteral("face1_3.jpg");
}

void FlowStartUp::brokenOpeningPictureStopsWithAMessage()
{
    QFETCH(QStringList, missing);
    QFETCH(QStringList, garbled);
    QFETCH(QString, named);
    m_folder->addFaces(2);
    ProfileFile(m_folder->indexPath()).writeInteger(QStringLiteral("TitleFace"), QStringLiteral("NO"), 1);
    for (const QString &file : missing)
        m_folder->removeFile(file);
    for (const QString &file : garbled)
        m_folder->writeFile(file, QByteArray("\xFF\xD8 not a picture"));
    WindowHarness harness(m_folder->appDir());
    QVERIFY(!harness.show());
    QCOMPARE(harness.dialogs.errors.size(), 1);
    QVERIFY2(harness.dialogs.errors[0].contains(named), qPrintable(harness.dialogs.errors[0]));
    QVERIFY(harness.w().facePicture->isHidden());
}

void FlowStartUp::stoppedStartUpShowsNoFaceName_data()
{
    QTest::addColumn<int>("faces");
    QTest::addColumn<QString>("missing");
    QTest::newRow("empty library") << 0 << QString();
    QTest::newRow("missing outline") << 2 << QStringLiteral("data/face0_5.jpg");
    QTest::newRow("missing part") << 2 << QStringLiteral("data/face0_1.jpg");
}

void FlowStartUp::stoppedStartUpShowsNoFaceName()
{
    QFETCH(int, faces);
    QFETCH(QString, missing);
    m_folder->addFaces(faces);
    ProfileFile(m_folder->indexPath()).writeInteger(QStringLiteral("TitleFace"), QStringLiteral("NO"), 0);
    if (!missing.isEmpty())
        m_folder->removeFile(missing);
    WindowHarness harness(m_folder->appDir());
    QVERIFY(!harness.show());
    QCOMPARE(harness.dialogs.errors.size(), 1);
    // The name label stands over the window behind the error box: no face was loaded to name.
    QVERIFY(harness.w().faceNameLabel->isVisible());
    QCOMPARE(harness.w().faceNameLabel->caption(), QString());
    QCOMPARE(harness.w().faceNameLabel->text(), QString());
}

void FlowStartUp::closeWritesTheMusicSwitch()
{
    m_folder->addFaces(2);
    {
        WindowHarness harness(m_folder->appDir());
        harness.open();
        harness.form().close();
    }
    QCOMPARE(ProfileFile(m_folder->indexPath()).readInteger(QStringLiteral("BGM"), QStringLiteral("Play"), -1), 1);
    QVERIFY(m_folder->readFile(QStringLiteral("data/facedata.ini")).endsWith("[BGM]\r\nPlay=1\r\n"));

    ProfileFile(m_folder->indexPath()).writeBool(QStringLiteral("BGM"), QStringLiteral("Play"), false);
    {
        WindowHarness harness(m_folder->appDir());
        harness.open();
        QVERIFY(!harness.form().music().BgmOn);
        harness.form().close();
    }
    QCOMPARE(ProfileFile(m_folder->indexPath()).readInteger(QStringLiteral("BGM"), QStringLiteral("Play"), -1), 0);
}

void FlowStartUp::closeAfterAFailedStartUpWritesNothing_data()
{
    QTest::addColumn<QByteArray>("index");
    QTest::addColumn<bool>("present");
    QTest::newRow("no index") << QByteArray() << false;
    QTest::newRow("no faces") << QByteArray("[faces]\r\ncount=0\r\n") << true;
    QTest::newRow("UTF-16 index") << QByteArray("\xFF\xFE[\0f\0a\0c\0e\0s\0]\0", 16) << true;
}

void FlowStartUp::closeAfterAFailedStartUpWritesNothing()
{
    QFETCH(QByteArray, index);
    QFETCH(bool, present);
    if (present)
        m_folder->writeFile(QStringLiteral("data/facedata.ini"), index);
    {
        WindowHarness harness(m_folder->appDir());
        QVERIFY(!harness.show());
        harness.form().close();
        QCOMPARE(harness.dialogs.errors.size(), 1);
    }
    QCOMPARE(QFile::exists(m_folder->indexPath()), present);
    QCOMPARE(m_folder->readFile(QStringLiteral("data/facedata.ini")), index);
}

QTEST_MAIN(FlowStartUp)
#include "flow_start_up.moc"
