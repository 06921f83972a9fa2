#include "platform/ListBox.h"
#include "platform/JpegCodec.h"
#include "platform/ProfileFile.h"
#include "support/FormHarness.h"
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
    FormHarness &openGallery();
    void pick(const QString &name);
    // Picks the row and waits until its work is shown.
    void show(const QString &name);
    // Waits until every work picked so far has been read and its answer delivered.
    static void finishLoads();

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<FormHarness> m_harness;
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

FormHarness &FlowGallery::openGallery()
{
    if (!m_harness) {
        m_harness = std::make_unique<FormHarness>(m_folder->appDir());
        m_harness->open();
        m_harness->click(m_harness->w().BtnSentaku);
    }
    [&] { QVERIFY(m_harness->w().N7->isEnabled()); }();
    m_harness->w().N7->trigger();
    return *m_harness;
}

void FlowGallery::pick(const QString &name)
{
    QListWidget *list = m_harness->w().ListBox1;
    const QList<QListWidgetItem *> found = list->findItems(name, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found[0]).center());
}

void FlowGallery::show(const QString &name)
{
    pick(name);
    QTRY_COMPARE(m_harness->w().Label2->caption(), name);
    QVERIFY(m_harness->w().Label2->isVisible());
}

void FlowGallery::finishLoads()
{
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::sendPostedEvents();
}

void FlowGallery::openingListsOnlyTheWorks()
{
    FormHarness &h = openGallery();
    const Form1Widgets &w = h.w();
    QCOMPARE(itemsOf(*w.ListBox1), (QStringList{u"a.jpg"_s, u"b.JPG"_s}));
    QVERIFY(w.ListBox1->isVisible());
    QCOMPARE(w.ListBox1->geometry(), QRect(329, 24, 217, 280));
    QVERIFY(!w.CheckBox1->isVisible());
    QVERIFY(!w.ComboBox1->isVisible());
    QVERIFY(!w.Image1->hasPicture());
    QVERIFY(!w.Label2->isVisible());
    QCOMPARE(w.Label1->caption(), u"観たい作品のファイル名をクリックしてください。"_s);
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
    FormHarness &h = openGallery();
    show(name);
    QVERIFY2(h.dialogs.errors.isEmpty(), qPrintable(h.dialogs.errors.join(u'\n')));
    QCOMPARE(h.w().Image1->shownRect().size(), shown);
    QVERIFY(nearColour(h.w().Image1->picture().pixelColor(10, 10), colour, 24));
    QCOMPARE(h.w().Label1->caption(), u"「キャンセル」ボタンを押すとゲームを始めます。"_s);
    QCOMPARE(h.w().Label2->caption(), name);
    QCOMPARE(h.w().Label2->width(), 300);
    QCOMPARE(h.w().Label2->font().pointSize(), 9);
    QVERIFY(h.w().Label2->isVisible());
}

void FlowGallery::onlyWorksAfterTheDeletionScreen()
{
    FormHarness &h = openGallery();
    h.click(h.w().BtnSentaku);
    h.w().N10->trigger();
    QCOMPARE(h.w().ListBox1->count(), 3);
    h.click(h.w().BtnSentaku);
    openGallery();
    QCOMPARE(itemsOf(*h.w().ListBox1), (QStringList{u"a.jpg"_s, u"b.JPG"_s}));
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
    FormHarness &h = openGallery();
    if (removed)
        m_folder->removeFile(u"Library/z.jpg"_s);
    if (afterAWork)
        show(u"a.jpg"_s);
    const QImage picture = h.w().Image1->picture();
    const QString guidance = h.w().Label1->caption();
    const QString heading = h.w().Label2->caption();
    const bool headingShown = h.w().Label2->isVisible();
    const int headingWidth = h.w().Label2->width();
    pick(u"z.jpg"_s);
    QTRY_COMPARE(h.dialogs.errors.size(), 1);
    QVERIFY2(h.dialogs.errors[0].contains(u"z.jpg"_s), qPrintable(h.dialogs.errors[0]));
    QCOMPARE(h.w().Image1->picture(), picture);
    QVERIFY(h.w().Image1->isVisible());
    QCOMPARE(h.w().Label1->caption(), guidance);
    QCOMPARE(h.w().Label2->caption(), heading);
    QCOMPARE(h.w().Label2->isVisible(), headingShown);
    QCOMPARE(h.w().Label2->width(), headingWidth);
}

void FlowGallery::cancelBringsBackTheFace()
{
    FormHarness &h = openGallery();
    show(u"b.JPG"_s);
    h.click(h.w().BtnSentaku);
    QVERIFY(!h.w().ListBox1->isVisible());
    QCOMPARE(h.form().shownFace().CurrentFace, 1);
    QCOMPARE(h.w().Label2->caption(), u"顔1"_s);
    QCOMPARE(h.w().Label2->width(), 177);
    QCOMPARE(h.w().Label2->font().pointSize(), 14);
    QVERIFY(h.w().Label2->isVisible());
    QVERIFY(h.w().ComboBox1->isVisible());
}

// A work still being read when the player leaves the gallery never appears on another screen,
// nor in the gallery opened again.
void FlowGallery::workLoadedAfterLeavingIsNotShown()
{
    FormHarness &h = openGallery();
    const QImage face = [&] {
        h.click(h.w().BtnSentaku);
        return h.w().Image1->picture();
    }();
    openGallery();
    pick(u"a.jpg"_s);
    h.click(h.w().BtnSentaku);
    finishLoads();
    QCOMPARE(h.w().Label2->caption(), u"顔1"_s);
    QCOMPARE(h.w().Image1->picture(), face);

    openGallery();
    pick(u"a.jpg"_s);
    h.click(h.w().BtnSentaku);
    openGallery();
    finishLoads();
    QVERIFY(!h.w().Image1->hasPicture());
    QVERIFY(!h.w().Label2->isVisible());
    QVERIFY(h.dialogs.errors.isEmpty());
}

void FlowGallery::onlyTheLastPickedWorkIsShown()
{
    FormHarness &h = openGallery();
    pick(u"a.jpg"_s);
    pick(u"b.JPG"_s);
    finishLoads();
    QCOMPARE(h.w().Label2->caption(), u"b.JPG"_s);
    QVERIFY(nearColour(h.w().Image1->picture().pixelColor(10, 10), Qt::blue, 24));
}

void FlowGallery::tooThinWorkSaysWhy()
{
    JpegCodec::encodeFile(TestProgramFolder::markedPicture({20000, 10}, Qt::red, 0),
                          m_folder->path(u"Library/thin.jpg"_s));
    FormHarness &h = openGallery();
    show(u"a.jpg"_s);
    const QImage shown = h.w().Image1->picture();
    pick(u"thin.jpg"_s);
    QTRY_COMPARE(h.dialogs.errors, QStringList{u"「thin.jpg」は細長すぎるため表示できません。"_s});
    QCOMPARE(h.w().Image1->picture(), shown);
    QCOMPARE(h.w().Label2->caption(), u"a.jpg"_s);
}

QTEST_MAIN(FlowGallery)
#include "flow_gallery.moc"
