#include "platform/widgets/ListBox.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/files/ProfileFile.h"
#include "support/WindowHarness.h"
#include "support/TestProgramFolder.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QThreadPool>

using namespace Qt::StringLiterals;

namespace {

QStringList itemsOf(const QListWidget &list)
{
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items << list.item(i)->text();
    return items;
}

} // namespace

// The gallery of saved works, opened from the selection screen.
class FlowGallery : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void openingListsOnlyTheWorks();
    void clickingAWorkShowsIt_data();
    void clickingAWorkShowsIt();
    void onlyWorksAfterTheDeletionScreen();
    void unreadableWorkChangesNothing_data();
    void unreadableWorkChangesNothing();
    void cancelBringsBackTheFace();
    void workLoadedAfterLeavingIsNotShown();
    void onlyTheLastPickedWorkIsShown();
    void tooThinWorkSaysWhy();

private:
    WindowHarness &openGallery();
    void pick(const QString &name);
    // Picks the row and waits until its work is shown.
    void show(const QString &name);
    // Waits until every work picked so far has been read and its answer delivered.
    static void finishLoads();

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<WindowHarness> m_harness;
};

void FlowGallery::init()
{
    m_harness.reset();
    m_folder = std::make_unique<TestProgramFolder>();
    m_folder->addFaces(3);
    ProfileFile(m_folder->indexPath()).writeInteger(u"TitleFace"_s, u"NO"_s, 1);
    QDir(m_folder->appDir()).mkpath(u"Library/old.jpg"_s);
    JpegCodec::encodeFile(TestProgramFolder::markedPicture({400, 200}, Qt::red, 0), m_folder->path(u"Library/a.jpg"_s));
    JpegCodec::encodeFile(TestProgramFolder::markedPicture({100, 200}, Qt::blue, 0),
                          m_folder->path(u"Library/b.JPG"_s));
    m_folder->writeFile(u"Library/c.png"_s, "not listed");
}

WindowHarness &FlowGallery::openGallery()
{
    if (!m_harness) {
        m_harness = std::make_unique<WindowHarness>(m_folder->appDir());
        m_harness->open();
        m_harness->click(m_harness->w().selectButton);
    }
    [&] { QVERIFY(m_harness->w().galleryAction->isEnabled()); }();
    m_harness->w().galleryAction->trigger();
    return *m_harness;
}

void FlowGallery::pick(const QString &name)
{
    QListWidget *list = m_harness->w().pickList;
    const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found[0]).center());
}

void FlowGallery::show(const QString &name)
{
    pick(name);
    QTRY_COMPARE(m_harness->w().faceNameLabel->caption(), name);
    QVERIFY(m_harness->w().faceNameLabel->isVisible());
}

void FlowGallery::finishLoads()
{
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::sendPostedEvents();
}

void FlowGallery::openingListsOnlyTheWorks()
{
    WindowHarness &h = openGallery();
    const MainWindowWidgets &w = h.w();
    QCOMPARE(itemsOf(*w.pickList), (QStringList{u"a.jpg"_s, u"b.JPG"_s}));
    QVERIFY(w.pickList->isVisible());
    QCOMPARE(w.pickList->geometry(), QRect(329, 24, 217, 280));
    QVERIFY(!w.openingFaceBox->isVisible());
    QVERIFY(!w.faceList->isVisible());
    QVERIFY(!w.facePicture->hasPicture());
    QVERIFY(!w.faceNameLabel->isVisible());
    QCOMPARE(w.guidanceLabel->caption(), u"観たい作品のファイル名をクリックしてください。"_s);
    QCOMPARE(h.form().currentScreen(), Screen::Gallery);
}

void FlowGallery::clickingAWorkShowsIt_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QSize>("shown");
    QTest::newRow("landscape") << u"a.jpg"_s << QColor(Qt::red) << QSize(300, 150);
    QTest::newRow("portrait, upper-case extension") << u"b.JPG"_s << QColor(Qt::blue) << QSize(150, 300);
}

void FlowGallery::clickingAWorkShowsIt()
{
    QFETCH(QString, name);
    QFETCH(QColor, colour);
    QFETCH(QSize, shown);
    WindowHarness &h = openGallery();
    show(name);
    QVERIFY2(h.dialogs.errors.isEmpty(), qPrintable(h.dialogs.errors.join(u'\n')));
    QCOMPARE(h.w().facePicture->shownRect().size(), shown);
    QVERIFY(nearColour(h.w().facePicture->picture().pixelColor(10, 10), colour, 24));
    QCOMPARE(h.w().guidanceLabel->caption(), u"「キャンセル」ボタンを押すとゲームを始めます。"_s);
    QCOMPARE(h.w().faceNameLabel->caption(), name);
    QCOMPARE(h.w().faceNameLabel->width(), 300);
    QCOMPARE(h.w().faceNameLabel->font().pointSize(), 9);
    QVERIFY(h.w().faceNameLabel->isVisible());
}

void FlowGallery::onlyWorksAfterTheDeletionScreen()
{
    WindowHarness &h = openGallery();
    h.click(h.w().selectButton);
    h.w().deleteFacesAction->trigger();
    QCOMPARE(h.w().pickList->count(), 3);
    h.click(h.w().selectButton);
    openGallery();
    QCOMPARE(itemsOf(*h.w().pickList), (QStringList{u"a.jpg"_s, u"b.JPG"_s}));
    show(u"a.jpg"_s);
    QVERIFY(h.dialogs.errors.isEmpty());
}

void FlowGallery::unreadableWorkChangesNothing_data()
{
    QTest::addColumn<bool>("removed");
    QTest::addColumn<bool>("afterAWork");
    QTest::newRow("removed after listing, first pick") << true << false;
    QTest::newRow("removed after listing, after a work") << true << true;
    QTest::newRow("not a JPEG, first pick") << false << false;
    QTest::newRow("not a JPEG, after a work") << false << true;
}

void FlowGallery::unreadableWorkChangesNothing()
{
    QFETCH(bool, removed);
    QFETCH(bool, afterAWork);
    m_folder->writeFile(u"Library/z.jpg"_s, "\xFF\xD8\xFF not really");
    WindowHarness &h = openGallery();
    if (removed)
        m_folder->removeFile(u"Library/z.jpg"_s);
    if (afterAWork)
        show(u"a.jpg"_s);
    const QImage picture = h.w().facePicture->picture();
    const QString guidance = h.w().guidanceLabel->caption();
    const QString heading = h.w().faceNameLabel->caption();
    const bool headingShown = h.w().faceNameLabel->isVisible();
    const int headingWidth = h.w().faceNameLabel->width();
    pick(u"z.jpg"_s);
    QTRY_COMPARE(h.dialogs.errors.size(), 1);
    QVERIFY2(h.dialogs.errors[0].contains(u"z.jpg"_s), qPrintable(h.dialogs.errors[0]));
    QCOMPARE(h.w().facePicture->picture(), picture);
    QVERIFY(h.w().facePicture->isVisible());
    QCOMPARE(h.w().guidanceLabel->caption(), guidance);
    QCOMPARE(h.w().faceNameLabel->caption(), heading);
    QCOMPARE(h.w().faceNameLabel->isVisible(), headingShown);
    QCOMPARE(h.w().faceNameLabel->width(), headingWidth);
}

void FlowGallery::cancelBringsBackTheFace()
{
    WindowHarness &h = openGallery();
    show(u"b.JPG"_s);
    h.click(h.w().selectButton);
    QVERIFY(!h.w().pickList->isVisible());
    QCOMPARE(h.form().shownFace().CurrentFace, 1);
    QCOMPARE(h.w().faceNameLabel->caption(), u"顔1"_s);
    QCOMPARE(h.w().faceNameLabel->width(), 177);
    QCOMPARE(h.w().faceNameLabel->font().pointSize(), 14);
    QVERIFY(h.w().faceNameLabel->isVisible());
    QVERIFY(h.w().faceList->isVisible());
}

// A work still being read when the player leaves the gallery never appears on another screen,
// nor in the gallery opened again.
void FlowGallery::workLoadedAfterLeavingIsNotShown()
{
    WindowHarness &h = openGallery();
    const QImage face = [&] {
        h.click(h.w().selectButton);
        return h.w().facePicture->picture();
    }();
    openGallery();
    pick(u"a.jpg"_s);
    h.click(h.w().selectButton);
    finishLoads();
    QCOMPARE(h.w().faceNameLabel->caption(), u"顔1"_s);
    QCOMPARE(h.w().facePicture->picture(), face);

    openGallery();
    pick(u"a.jpg"_s);
    h.click(h.w().selectButton);
    openGallery();
    finishLoads();
    QVERIFY(!h.w().facePicture->hasPicture());
    QVERIFY(!h.w().faceNameLabel->isVisible());
    QVERIFY(h.dialogs.errors.isEmpty());
}

void FlowGallery::onlyTheLastPickedWorkIsShown()
{
    WindowHarness &h = openGallery();
    pick(u"a.jpg"_s);
    pick(u"b.JPG"_s);
    finishLoads();
    QCOMPARE(h.w().faceNameLabel->caption(), u"b.JPG"_s);
    QVERIFY(nearColour(h.w().facePicture->picture().pixelColor(10, 10), Qt::blue, 24));
}

void FlowGallery::tooThinWorkSaysWhy()
{
    JpegCodec::encodeFile(TestProgramFolder::markedPicture({20000, 10}, Qt::red, 0),
                          m_folder->path(u"Library/thin.jpg"_s));
    WindowHarness &h = openGallery();
    show(u"a.jpg"_s);
    const QImage shown = h.w().facePicture->picture();
    pick(u"thin.jpg"_s);
    QTRY_COMPARE(h.dialogs.errors, QStringList{u"「thin.jpg」は細長すぎるため表示できません。"_s});
    QCOMPARE(h.w().facePicture->picture(), shown);
    QCOMPARE(h.w().faceNameLabel->caption(), u"a.jpg"_s);
}

QTEST_MAIN(FlowGallery)
#include "flow_gallery.moc"
