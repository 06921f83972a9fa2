#include "creation/CreationTexts.h"
#include "creation/FaceCreation.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/files/ProfileFile.h"
#include "platform/files/TextCodec.h"
#include "support/CreationDriver.h"
#include "support/WindowHarness.h"
#include "support/ReadOnlyFolder.h"
#include "support/TestProgramFolder.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>

// Registration on the real window: a face made from a photo becomes the last library face,
// written safely, and can be played at once.
class FlowFaceRegistration : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void registersTheFaceAndPlaysItAtOnce();
    void placesAreKeptInPicturePixels();
    void nameCheck_data();
    void nameCheck();
    void failedPictureWriteLeavesTheLibraryAsItWas();
    void readOnlyDataFolderLeavesTheLibraryAsItWas();
    void sharedLibraryGetsTheFaceWhenItsIndexExists();
    void sharedLibraryWithoutIndexReceivesNothing();
    void faceWithoutAPictureIsRefused();

private:
    // Opens the window on three faces ("顔0" .. "顔2", unless named) and makes the face of
    // CreationDriver::madeFace() up to its name, with the right eye's hole in cheek colour.
    void makeFace(const QStringList &names = {});
    void pressRegister() { m_harness->click(m_harness->w().selectButton); }
    QString picturePath(int face, int k) const
    {
        return m_folder->path(QStringLiteral("data/face%1_%2.jpg").arg(face).arg(k));
    }
    // What registration must leave untouched when it fails.
    void checkLibraryAsBefore(const QByteArray &index);

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<WindowHarness> m_harness;
    std::unique_ptr<CreationDriver> m_driver;
};

void FlowFaceRegistration::init()
{
    m_driver.reset();
    m_harness.reset();
    m_folder = std::make_unique<TestProgramFolder>();
}

void FlowFaceRegistration::makeFace(const QStringList &names)
{
    for (int n = 0; n < 3; ++n) {
        TestProgramFolder::Face face;
        face.name = names.value(n, QStringLiteral("顔%1").arg(n));
        m_folder->addFace(face);
    }
    ProfileFile(m_folder->indexPath()).writeInteger(QStringLiteral("TitleFace"), QStringLiteral("NO"), 1);
    m_harness = std::make_unique<WindowHarness>(m_folder->appDir());
    m_harness->open();
    m_harness->click(m_harness->w().selectButton);
    m_driver = std::make_unique<CreationDriver>(*m_harness);
    const QString photo = m_folder->path(QStringLiteral("photo.bmp"));
    QVERIFY(CreationDriver::madeFace().save(photo, "BMP"));
    m_driver->start(photo);
    m_driver->outlineAllParts();
    m_driver->pressTitle(1, Qt::RightButton);
    m_driver->clickImage(QPoint(30, 130));
}

void FlowFaceRegistration::checkLibraryAsBefore(const QByteArray &index)
{
    const MainWindowWidgets &w = m_harness->w();
    QCOMPARE(m_folder->readFile(QStringLiteral("data/facedata.ini")), index);
    for (int k = 0; k <= 5; ++k)
        QVERIFY2(!QFileInfo(picturePath(3, k)).isFile(), qPrintable(picturePath(3, k)));
    QCOMPARE(m_harness->form().library().FaceCount, 3);
    QCOMPARE(m_harness->form().library().Faces.size(), 3);
    QCOMPARE(w.faceList->count(), 3);
    QCOMPARE(m_harness->form().shownFace().CurrentFace, 1);
    // Still naming, with everything made so far, so the player can try again.
    QCOMPARE(m_harness->form().currentScreen(), Screen::FaceRegister);
    QVERIFY(m_harness->form().creation().state().SourcePicture.isLoaded());
    QVERIFY(m_harness->form().creation().state().allOutlined());
}

void FlowFaceRegistration::registersTheFaceAndPlaysItAtOnce()
{
    makeFace();
    const MainWindowWidgets &w = m_harness->w();
    const QByteArray before = m_folder->readFile(QStringLiteral("data/facedata.ini"));
    m_driver->typeName(QStringLiteral("新しい顔"));
    pressRegister();
    QVERIFY2(m_harness->dialogs.errors.isEmpty(), qPrintable(m_harness->dialogs.errors.join(u'\n')));
    QVERIFY(m_harness->dialogs.messages.isEmpty());

    const QSize sizes[] = {{300, 225}, {60, 40}, {60, 40}, {60, 50}, {100, 40}, {300, 225}};
    QImage pictures[6];
    for (int k = 0; k <= 5; ++k) {
        pictures[k] = JpegCodec::decodeFile(picturePath(3, k));
        QCOMPARE(pictures[k].size(), sizes[k]);
    }
    // The outline has the right eye's hole in the picked colour and the nose's in skin; the
    // whole face and the pieces show the untouched picture.
    QVERIFY(nearColour(pictures[5].pixelColor(80, 70), QColor(CreationDriver::Cheek)));
    QVERIFY(nearColour(pictures[5].pixelColor(150, 125), QColor(CreationDriver::Skin)));
    QVERIFY(nearColour(pictures[0].pixelColor(80, 70), QColor(CreationDriver::Eye)));
    QVERIFY(nearColour(pictures[0].pixelColor(150, 125), QColor(CreationDriver::Nose)));
    QVERIFY(nearColour(pictures[1].pixelColor(30, 20), QColor(CreationDriver::Eye)));
    QVERIFY(nearColour(pictures[4].pixelColor(50, 20), QColor(CreationDriver::Mouth)));

    QByteArray expected = before;
    expected.replace("count=3\r\n", "count=4\r\n");
    expected += "[3]\r\nName=" + *TextCodec::toCp932(QStringLiteral("新しい顔"))
                + "\r\nX1=50\r\nX2=170\r\nX3=120\r\nX4=100\r\nY1=50\r\nY2=50\r\nY3=100\r\nY4=160\r\n";
    QCOMPARE(m_folder->readFile(QStringLiteral("data/facedata.ini")), expected);

    const FaceLibrary &library = m_harness->form().library();
    QCOMPARE(library.FaceCount, 4);
    QCOMPARE(library.Faces.at(3).Name, QStringLiteral("新しい顔"));
    QCOMPARE(library.Faces.at(3).partX(4), 100);
    QCOMPARE(library.Faces.at(3).partY(4), 160);
    QCOMPARE(w.faceList->count(), 4);
    QCOMPARE(w.faceList->itemText(3), QStringLiteral("新しい顔"));
    QCOMPARE(w.faceList->currentIndex(), -1);

    // Back on the selection screen, showing the new face.
    QCOMPARE(m_harness->form().shownFace().CurrentFace, 3);
    QCOMPARE(w.faceNameLabel->caption(), QStringLiteral("新しい顔"));
    QCOMPARE(m_harness->form().currentScreen(), Screen::FaceSelect);
    QVERIFY(!m_harness->form().creation().state().SourcePicture.isLoaded());
    QVERIFY(nearColour(w.facePicture->picture().pixelColor(80, 70), QColor(CreationDriver::Eye)));

    // And it plays at once.
    m_harness->click(w.startButton);
    QVERIFY(m_harness->dialogs.errors.isEmpty());
    QCOMPARE(m_harness->form().currentScreen(), Screen::PracticePlay);
    QVERIFY(nearColour(w.facePicture->picture().pixelColor(80, 70), QColor(CreationDriver::Cheek)));
    for (int k = 1; k <= 4; ++k) {
        QVERIFY(w.parts().picture(k)->isVisible());
        QCOMPARE(w.parts().picture(k)->size(), sizes[k]);
    }
}

void FlowFaceRegistration::placesAreKeptInPicturePixels()
{
    // The layout is never scaled by the game, so the index and the table hold the same places.
    makeFace();
    m_driver->typeName(QStringLiteral("Places"));
    pressRegister();
    const ProfileFile index(m_folder->indexPath());
    const TFaceData &face = m_harness->form().library().Faces.at(3);
    for (int k = 1; k <= 4; ++k) {
        QCOMPARE(index.readInteger(QStringLiteral("3"), QStringLiteral("X%1").arg(k), -1), face.partX(k));
        QCOMPARE(index.readInteger(QStringLiteral("3"), QStringLiteral("Y%1").arg(k), -1), face.partY(k));
    }
    QCOMPARE(face.partX(1), 50);
    QCOMPARE(face.partY(3), 100);
}

void FlowFaceRegistration::nameCheck_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message"); // empty: registered
    QTest::addColumn<bool>("emptied");
    const QString inUse = QStringLiteral("その名前はすでに使われています。\r別の名前を入力してください。");
    QTest::newRow("letter case differs") << QStringLiteral("abc") << QString() << false;
    QTest::newRow("in use") << QStringLiteral("Abc") << inUse << true;
    QTest::newRow("two spaces inside") << QStringLiteral("a  b") << QString() << false;
    QTest::newRow("slash") << QStringLiteral("a/b")
                           << QStringLiteral("「/」は、顔の名前に使えません。\r別の名前を入力してください。") << false;
    QTest::newRow("not CP932") << QStringLiteral("笑顔😀")
                               << QStringLiteral(
                                      "「笑顔😀」には、顔の名前に使えない文字が含まれています。\r"
                                      "使える文字は Shift_JIS (CP932) の文字だけです。別の名前を入力してください。")
                               << false;
    QTest::newRow("only spaces") << QStringLiteral("  ")
                                 << QStringLiteral(
                                        "名前の最初と最後には半角の空白を置けません。"
                                        "また、名前全体を「\"」で囲むこともできません。\r別の名前を入力してください。")
                                 << false;
    QTest::newRow("too long for a work") << QString(78, QChar(0x3042))
                                         << QStringLiteral("名前が長すぎます。\r短い名前を入力してください。") << false;
    QTest::newRow("just fits a work") << QString(77, QChar(0x3042)) << QString() << false;
}

void FlowFaceRegistration::nameCheck()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    QFETCH(bool, emptied);
    makeFace({QStringLiteral("Abc"), QStringLiteral("B"), QStringLiteral("C")});
    const QByteArray before = m_folder->readFile(QStringLiteral("data/facedata.ini"));
    m_harness->w().nameField->setText(name);
    QVERIFY(m_harness->w().selectButton->isEnabled());
    pressRegister();
    if (message.isEmpty()) {
        QVERIFY(m_harness->dialogs.messages.isEmpty());
        QCOMPARE(m_harness->form().library().Faces.at(3).Name, name);
        QCOMPARE(ProfileFile(m_folder->indexPath()).readString(QStringLiteral("3"), QStringLiteral("Name"), {}), name);
        return;
    }
    QCOMPARE(m_harness->dialogs.messages, QStringList{message});
    QVERIFY(m_harness->dialogs.errors.isEmpty());
    checkLibraryAsBefore(before);
    QCOMPARE(m_harness->w().nameField->text().isEmpty(), emptied);
    QCOMPARE(m_harness->w().selectButton->isEnabled(), !emptied);
}

void FlowFaceRegistration::failedPictureWriteLeavesTheLibraryAsItWas()
{
    makeFace();
    const QByteArray before = m_folder->readFile(QStringLiteral("data/facedata.ini"));
    // A folder where the fourth picture should go makes that write fail, even for root.
    QVERIFY(QDir().mkpath(picturePath(3, 4)));
    m_driver->typeName(QStringLiteral("新しい顔"));
    pressRegister();
    QCOMPARE(m_harness->dialogs.errors.size(), 1);
    const QString error = m_harness->dialogs.errors.first();
    QVERIFY2(error.startsWith(QStringLiteral("この顔を登録できませんでした。\r")), qPrintable(error));
    QVERIFY(error.contains(QStringLiteral("face3_4.jpg")));
    QVERIFY(error.endsWith(QStringLiteral("もう一度「登録」ボタンを押してください。")));
    QVERIFY(QFileInfo(picturePath(3, 4)).isDir());
    QVERIFY(QDir().rmdir(picturePath(3, 4)));
    checkLibraryAsBefore(before);
    QCOMPARE(QDir(m_folder->path(QStringLiteral("data"))).entryList(QDir::Files).size(), 3 * 6 + 1);

    // The player tries again, and now it works.
    pressRegister();
    QCOMPARE(m_harness->dialogs.errors.size(), 1);
    QCOMPARE(m_harness->form().library().FaceCount, 4);
    for (int k = 0; k <= 5; ++k)
        QVERIFY(QFileInfo(picturePath(3, k)).isFile());
}

void FlowFaceRegistration::readOnlyDataFolderLeavesTheLibraryAsItWas()
{
    makeFace();
    const QByteArray before = m_folder->readFile(QStringLiteral("data/facedata.ini"));
    m_driver->typeName(QStringLiteral("新しい顔"));
    {
        ReadOnlyFolder readOnly(m_folder->path(QStringLiteral("data")));
        if (!readOnly.binds())
            QSKIP("This file system lets this user write to any folder.");
        pressRegister();
        QCOMPARE(m_harness->dialogs.errors.size(), 1);
        QVERIFY(m_harness->dialogs.errors.first().startsWith(QStringLiteral("この顔を登録できませんでした。\r")));
    }
    checkLibraryAsBefore(before);
    QDir data(m_folder->path(QStringLiteral("data")));
    QCOMPARE(data.entryList(QDir::Files | QDir::Hidden).size(), 3 * 6 + 1);
}

void FlowFaceRegistration::sharedLibraryGetsTheFaceWhenItsIndexExists()
{
    makeFace();
    const QString shared = m_folder->path(QStringLiteral("windows/PetaraData/"));
    QVERIFY(QDir().mkpath(shared));
    m_folder->writeFile(QStringLiteral("windows/PetaraData/facedata.ini"), "[faces]\r\ncount=7\r\n");
    m_driver->typeName(QStringLiteral("共有"));
    pressRegister();
    QVERIFY(m_harness->dialogs.errors.isEmpty());
    QCOMPARE(m_folder->readFile(QStringLiteral("windows/PetaraData/facedata.ini")),
             "[faces]\r\ncount=8\r\n[7]\r\nName=" + *TextCodec::toCp932(QStringLiteral("共有"))
                 + "\r\nX1=50\r\nX2=170\r\nX3=120\r\nX4=100\r\nY1=50\r\nY2=50\r\nY3=100\r\nY4=160\r\n");
    for (int k = 0; k <= 5; ++k) {
        const QByteArray own = m_folder->readFile(QStringLiteral("data/face3_%1.jpg").arg(k));
        QVERIFY(!own.isEmpty());
        QCOMPARE(m_folder->readFile(QStringLiteral("windows/PetaraData/face7_%1.jpg").arg(k)), own);
    }
}

void FlowFaceRegistration::sharedLibraryWithoutIndexReceivesNothing()
{
    makeFace();
    const QString shared = m_folder->path(QStringLiteral("windows/PetaraData"));
    QVERIFY(QDir().mkpath(shared));
    m_driver->typeName(QStringLiteral("共有"));
    pressRegister();
    QCOMPARE(m_harness->form().library().FaceCount, 4);
    QVERIFY(QDir(shared).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

void FlowFaceRegistration::faceWithoutAPictureIsRefused()
{
    makeFace();
    const QByteArray before = m_folder->readFile(QStringLiteral("data/facedata.ini"));
    m_harness->click(m_harness->w().startButton);
    m_folder->writeFile(QStringLiteral("face.tif"), "II*\0");
    m_driver->start(m_folder->path(QStringLiteral("face.tif")));
    m_driver->outlineAllParts();
    m_driver->typeName(QStringLiteral("空"));
    m_harness->dialogs.messages.clear();
    pressRegister();
    QCOMPARE(m_harness->dialogs.messages, QStringList{CreationText::RegisterWithoutPicture});
    QCOMPARE(m_folder->readFile(QStringLiteral("data/facedata.ini")), before);
    QVERIFY(!QFileInfo(picturePath(3, 0)).exists());
    QCOMPARE(m_harness->form().library().FaceCount, 3);
}

QTEST_MAIN(FlowFaceRegistration)
#include "flow_face_registration.moc"
