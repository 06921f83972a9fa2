#include "platform/widgets/ListBox.h"
#include "platform/widgets/GlobalCursor.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/files/ProfileFile.h"
#include "support/WindowHarness.h"
#include "support/TestProgramFolder.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>

namespace {

const QString placeText = QStringLiteral(
    "目・鼻・口をドラッグして顔の上に置いてください。\r各部分の大きさを変更したい場合は、それぞれのタイトルか各部分"
    "をクリックしてから、「＋」ボタン（拡大）または「－」ボタン（縮小）を押してください。");
const QString nameText = QStringLiteral(
    "この顔を保存する場合は、この顔の名前を入力してから「保存」ボタンを押してください。\r"
    "ゲームを再開する場合は「キャンセル」ボタンを押してください。");
// Where a part is put on the outline, from the face's corner.
const QPoint spots[] = {QPoint(40, 60), QPoint(130, 60), QPoint(80, 120), QPoint(70, 190)};

} // namespace

// The montage on the real main window: pieces of four faces, resized, placed, saved, undone.
class FlowMontage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup()
    {
        m_harness.reset();
        GlobalCursor::reset();
    }
    void resizeSteps_data();
    void resizeSteps();
    void partsDragOnlyWithAllFivePiecesAndNoName();
    void savedTwice();
    void cancelUndoesTheMontage();
    void refusedNames_data();
    void refusedNames();
    void unreadablePiece_data();
    void unreadablePiece();

private:
    // Face selection showing face 0, whose right eye box is `rightEye`.
    WindowHarness &openSelection(QSize rightEye = QSize(60, 60));
    WindowHarness &enterMontage(QSize rightEye = QSize(60, 60));
    // Chooses piece k (5: the outline) and clicks the name of face n.
    void load(int k, int n);
    void loadAll()
    {
        for (int k : {5, 1, 2, 3, 4})
            load(k, k % 4);
    }
    // Drags part k by the pointer's travel; the press is at its top-left corner.
    void drag(int k, QPoint travel);
    void placeAll();
    QStringList works() const { return QDir(m_folder->path(QStringLiteral("Library"))).entryList(QDir::Files); }

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<WindowHarness> m_harness;
};

void FlowMontage::init()
{
    m_harness.reset();
    m_folder = std::make_unique<TestProgramFolder>();
}

WindowHarness &FlowMontage::openSelection(QSize rightEye)
{
    TestProgramFolder::Face face;
    face.name = QStringLiteral("おかめ");
    face.partSizes[0] = rightEye;
    m_folder->addFace(face);
    face.name = QStringLiteral("ひょっとこ");
    face.wholeSize = QSize(200, 300);
    face.colour = QColor(90, 160, 220);
    face.partSizes[1] = QSize(114, 41); // twice as wide as the box it goes into
    m_folder->addFace(face);
    m_folder->addFaces(2);
    ProfileFile(m_folder->indexPath()).writeInteger(QStringLiteral("TitleFace"), QStringLiteral("NO"), 0);
    m_harness = std::make_unique<WindowHarness>(m_folder->appDir());
    m_harness->open();
    m_harness->click(m_harness->w().selectButton);
    return *m_harness;
}

WindowHarness &FlowMontage::enterMontage(QSize rightEye)
{
    openSelection(rightEye).w().montageAction->trigger();
    return *m_harness;
}

void FlowMontage::load(int k, int n)
{
    const MainWindowWidgets &w = m_harness->w();
    if (k == 5)
        m_harness->click(w.outlineTitle);
    else
        QTest::mouseClick(w.parts().title(k), Qt::RightButton); // any button chooses a part
    QTest::mouseClick(w.pickList->viewport(), Qt::LeftButton, {},
                      w.pickList->visualItemRect(w.pickList->item(n)).center());
}

void FlowMontage::drag(int k, QPoint travel)
{
    QWidget *client = m_harness->w().client;
    PictureBox *part = m_harness->w().parts().picture(k);
    const QPoint release = client->mapFromGlobal(part->mapToGlobal(QPoint(2, 2)) + travel);
    QTest::mousePress(part, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseMove(client, release);
    QTest::mouseRelease(client, Qt::LeftButton, {}, release);
}

void FlowMontage::placeAll()
{
    const MainWindowWidgets &w = m_harness->w();
    for (int k = 1; k <= 4; ++k)
        drag(k, w.facePicture->pos() + spots[k - 1] - w.parts().picture(k)->pos());
}

void FlowMontage::resizeSteps_data()
{
    QTest::addColumn<QSize>("start");
    QTest::addColumn<QString>("presses");
    QTest::addColumn<QList<QSize>>("sizes");
    QTest::newRow("60 grows to 66") << QSize(60, 60) << "+" << QList<QSize>{{66, 66}};
    QTest::newRow("60 shrinks to 53") << QSize(60, 60) << "-" << QList<QSize>{{53, 53}};
    QTest::newRow("137 grows to 150") << QSize(137, 60) << "+" << QList<QSize>{{150, 66}};
    QTest::newRow("138 grows to 151, then 150") << QSize(138, 137) << "++" << QList<QSize>{{151, 150}, {150, 150}};
    QTest::newRow("11 shrinks to 9") << QSize(11, 60) << "-" << QList<QSize>{{9, 53}};
    QTest::newRow("10 stays 10") << QSize(10, 11) << "-" << QList<QSize>{{10, 9}};
}

void FlowMontage::resizeSteps()
{
    QFETCH(QSize, start);
    QFETCH(QString, presses);
    QFETCH(QList<QSize>, sizes);
    WindowHarness &h = enterMontage(start);
    const MainWindowWidgets &w = h.w();
    load(1, 0);
    QCOMPARE(w.rightEyePicture->size(), start);
    for (int i = 0; i < presses.size(); ++i) {
        h.click(presses[i] == QLatin1Char('+') ? w.growButton : w.shrinkButton);
        QCOMPARE(w.rightEyePicture->geometry(), QRect(QPoint(352, 30), sizes[i]));
    }
    // With the outline chosen, or the chosen part not loaded, the buttons do nothing.
    load(5, 0);
    h.click(w.growButton);
    QTest::mouseClick(w.noseTitle, Qt::MiddleButton);
    h.click(w.growButton);
    QCOMPARE(w.rightEyePicture->size(), sizes.last());
    QCOMPARE(w.nosePicture->size(), QSize(57, 41));
}

void FlowMontage::partsDragOnlyWithAllFivePiecesAndNoName()
{
    WindowHarness &h = enterMontage();
    const MainWindowWidgets &w = h.w();
    for (int k = 1; k <= 4; ++k)
        load(k, k - 1);
    drag(1, QPoint(-250, 40));
    QCOMPARE(w.rightEyePicture->pos(), QPoint(352, 30));
    load(5, 0);
    drag(1, QPoint(-250, 40));
    QCOMPARE(w.rightEyePicture->pos(), QPoint(102, 70));
    QVERIFY(!w.modeButton->isEnabled());
    placeAll();
    QCOMPARE(w.guidanceLabel->caption(), nameText);
    QVERIFY(w.nameField->isVisible());
    w.nameField->setText(QStringLiteral("ふくわらい"));
    QCOMPARE(w.modeButton->text(), QStringLiteral("保存"));
    drag(2, QPoint(10, 10));
    QCOMPARE(w.leftEyePicture->pos(), w.facePicture->pos() + spots[1]);
    w.nameField->clear();
    QCOMPARE(w.modeButton->text(), QStringLiteral("練習"));
    drag(2, QPoint(10, 10));
    QCOMPARE(w.leftEyePicture->pos(), w.facePicture->pos() + spots[1] + QPoint(10, 10));
}

void FlowMontage::savedTwice()
{
    WindowHarness &h = enterMontage();
    const MainWindowWidgets &w = h.w();
    QCOMPARE(w.pickList->geometry(), QRect(411, 134, 145, 172));
    QTest::mouseClick(w.pickList->viewport(), Qt::LeftButton, {},
                      w.pickList->visualItemRect(w.pickList->item(1)).center());
    QVERIFY(w.facePicture->isHidden() && h.dialogs.errors.isEmpty()); // no title chosen: nothing loads
    loadAll(); // the outline and the right eye of face 1, the rest from faces 2, 3 and 0
    QCOMPARE(w.mouthTitle->backgroundColor(), QColor(0xFF, 0, 0));
    QCOMPARE(w.mouthPicture->pos(), QPoint(344, 222));
    QCOMPARE(w.leftEyePicture->geometry(), QRect(464, 30, 57, 41)); // the box keeps its size
    QCOMPARE(w.guidanceLabel->caption(), placeText);
    placeAll();
    w.nameField->setText(QStringLiteral("おかめ"));
    h.click(w.modeButton);
    QCOMPARE(works(), QStringList{QStringLiteral("おかめ_20080305140709_M.jpg")});
    QVERIFY(w.guidanceLabel->caption().startsWith(
        QStringLiteral("「キャンセル」ボタンを押すとゲームを再開します。\rモンタージュを続ける")));
    QVERIFY(w.nameField->isHidden() && w.nameField->text().isEmpty());
    QCOMPARE(h.form().currentScreen(), Screen::Montage);
    const QImage work = JpegCodec::decodeFile(m_folder->path(QStringLiteral("Library/")) + works()[0]);
    QCOMPARE(work.size(), QSize(200, 300)); // the portrait outline of face 1
    QVERIFY(nearColour(work.pixelColor(spots[0] + QPoint(5, 5)),
                       TestProgramFolder::markedPicture({1, 1}, QColor(90, 160, 220), 1).pixelColor(0, 0), 12));

    // The montage goes on: face 1's wide left eye, kept in proportion, moved again, a second work.
    const QString saved = w.guidanceLabel->caption();
    load(2, 1);
    QCOMPARE(w.leftEyePicture->shownRect(), QRect(0, 0, 57, 20));
    QCOMPARE(w.guidanceLabel->caption(), saved); // a part on the face: the guidance stays
    drag(2, w.facePicture->pos() + spots[1] - w.leftEyePicture->pos());
    QVERIFY(w.nameField->isVisible());
    h.chance.time = h.chance.time.addSecs(60);
    w.nameField->setText(QStringLiteral("二枚目"));
    h.click(w.modeButton);
    QCOMPARE(works().size(), 2);
    QVERIFY(works().contains(QStringLiteral("二枚目_20080305140809_M.jpg")));
    QVERIFY(h.dialogs.errors.isEmpty());
}

void FlowMontage::cancelUndoesTheMontage()
{
    WindowHarness &h = openSelection();
    const MainWindowWidgets &w = h.w();
    // Everything the player sees, before the montage and after its cancel.
    auto screen = [&] {
        QStringList seen;
        for (QWidget *child : w.client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (child->isVisible())
                seen << QStringLiteral("%1 %2 %3,%4 %5")
                            .arg(child->objectName())
                            .arg(child->isEnabled())
                            .arg(child->x())
                            .arg(child->y())
                            .arg(child->property("text").toString());
        }
        for (QAction *item : {w.faceMenuAction, w.galleryAction, w.montageAction, w.deleteFacesAction})
            seen << QString::number(item->isEnabled());
        seen << w.guidanceLabel->caption() << w.guidanceLabel->fontColor().name() << w.faceNameLabel->caption();
        return seen;
    };
    const QStringList before = screen();
    const QImage face = w.facePicture->picture();
    w.montageAction->trigger();
    loadAll();
    h.click(w.growButton);
    placeAll();
    w.nameField->setText(QStringLiteral("途中"));
    h.click(w.selectButton);
    QCOMPARE(screen(), before);
    QCOMPARE(w.facePicture->picture(), face);
    QCOMPARE(h.form().currentScreen(), Screen::FaceSelect);
    QCOMPARE(w.outlineTitle->backgroundColor(), QColor(0xFF, 0xFF, 0));
    QCOMPARE(h.form().shownFace().DisplayWidth, 300);
    // A game starts afterwards with face 0's own parts, drawn 1:1 again.
    h.click(w.startButton);
    QCOMPARE(w.rightEyePicture->geometry(), QRect(344, 32, 60, 60));
    QCOMPARE(w.leftEyePicture->sizing(), PictureBox::Sizing::TopLeft);
}

void FlowMontage::refusedNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    const QString control = QStringLiteral(
        "改行などの制御文字は、作品の名前に使えません。\r別の名前を入力してください。");
    QTest::newRow("slash") << "../escape"
                           << QStringLiteral("「/」は、作品の名前に使えません。\r別の名前を入力してください。");
    QTest::newRow("pasted line feed") << "a\nb" << control;
    QTest::newRow("nul") << QStringLiteral("a") + QChar(0) + QStringLiteral("b") << control;
    QTest::newRow("too long") << QString(80, QChar(0x304A))
                              << QStringLiteral("名前が長すぎます。\r短い名前を入力してください。");
}

void FlowMontage::refusedNames()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    WindowHarness &h = enterMontage();
    const MainWindowWidgets &w = h.w();
    loadAll();
    placeAll();
    w.nameField->setText(name);
    h.click(w.modeButton);
    QCOMPARE(h.dialogs.errors, QStringList{message});
    QVERIFY(w.modeButton->isEnabled() && w.nameField->isVisible() && w.nameField->text() == name);
    QCOMPARE(w.guidanceLabel->caption(), nameText);
    QVERIFY(works().isEmpty());
    QVERIFY(!QFile::exists(m_folder->path(QStringLiteral("escape_20080305140709_M.jpg"))));
}

void FlowMontage::unreadablePiece_data()
{
    QTest::addColumn<int>("piece");
    QTest::addColumn<bool>("loadedBefore");
    QTest::addColumn<QByteArray>("bytes"); // empty: the file is missing
    const QByteArray corrupt = QByteArrayLiteral("\xFF\xD8\xFF\xE0 not a picture");
    QTest::newRow("missing part, none before") << 2 << false << QByteArray();
    QTest::newRow("corrupt part over a loaded one") << 2 << true << corrupt;
    QTest::newRow("missing outline over a loaded one") << 5 << true << QByteArray();
    QTest::newRow("corrupt outline, none before") << 5 << false << corrupt;
}

void FlowMontage::unreadablePiece()
{
    QFETCH(int, piece);
    QFETCH(bool, loadedBefore);
    QFETCH(QByteArray, bytes);
    WindowHarness &h = enterMontage();
    const MainWindowWidgets &w = h.w();
    if (loadedBefore)
        load(piece, 0);
    PictureBox *box = piece == 5 ? w.facePicture : w.parts().picture(piece);
    const QImage picture = box->picture();
    const QRect geometry = box->geometry();
    const QString guidance = w.guidanceLabel->caption();
    const QString file = QStringLiteral("data/face1_%1.jpg").arg(piece); // the portrait face
    m_folder->removeFile(file);
    if (!bytes.isEmpty())
        m_folder->writeFile(file, bytes);
    load(piece, 1);
    QCOMPARE(h.dialogs.errors.size(), 1);
    QVERIFY(h.dialogs.errors[0].contains(QStringLiteral("face1_%1.jpg").arg(piece)));
    QCOMPARE(box->picture(), picture);
    QCOMPARE(box->geometry(), geometry);
    QCOMPARE(box->isVisible(), loadedBefore);
    QCOMPARE(w.guidanceLabel->caption(), guidance);
    QCOMPARE(w.faceNameLabel->caption(), QStringLiteral("モンタージュ中．．．"));
    QCOMPARE(h.form().shownFace().DisplayWidth, 300);
}

QTEST_MAIN(FlowMontage)
#include "flow_montage.moc"
