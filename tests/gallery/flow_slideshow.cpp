#include "gallery/Slideshow.h"
#include "platform/files/ProfileFile.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/pictures/WebpAnimation.h"
#include "platform/widgets/CaptionLabel.h"
#include "platform/widgets/CommandButton.h"
#include "platform/widgets/ListBox.h"
#include "platform/widgets/PictureBox.h"
#include "support/TestProgramFolder.h"
#include "support/WindowHarness.h"

#include <QAction>
#include <QDir>
#include <QListWidget>

using namespace Qt::StringLiterals;

namespace {

const QString oldest = u"おかめ_20250101000000_50.jpg"_s;
const QString party = u"お_か_め（はな）_20250201000000_80.jpg"_s;
const QString newest = u"ふく_20250301000000_M.jpg"_s;

} // namespace

// The slideshow of the gallery's works, full screen.
class FlowSlideshow : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void startsWithTheNewestWork_data();
    void startsWithTheNewestWork();
    void arrowsStep_data();
    void arrowsStep();
    void spacePausesAndResumes();
    void leavingRestoresTheGallery_data();
    void leavingRestoresTheGallery();
    void unreadableWorksArePassedOver_data();
    void unreadableWorksArePassedOver();
    void emptyFolderOffersNone();
    void replayPlaysAfterItsWork();
    void buttonCoversNothingOfTheGallery();

private:
    WindowHarness &openGallery();
    // Starts the slideshow with its button and waits for its first work.
    Slideshow &start();

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<WindowHarness> m_harness;
};

void FlowSlideshow::init()
{
    m_harness.reset();
    m_folder = std::make_unique<TestProgramFolder>();
    m_folder->addFaces(3);
    ProfileFile(m_folder->indexPath()).writeInteger(u"TitleFace"_s, u"NO"_s, 1);
    QDir(m_folder->appDir()).mkpath(u"Library"_s);
    JpegCodec::encodeFile(TestProgramFolder::markedPicture({300, 300}, Qt::red, 0), m_folder->path(u"Library/"_s + oldest));
    JpegCodec::encodeFile(TestProgramFolder::markedPicture({300, 300}, Qt::blue, 0), m_folder->path(u"Library/"_s + party));
    JpegCodec::encodeFile(TestProgramFolder::markedPicture({300, 300}, Qt::green, 0),
                          m_folder->path(u"Library/"_s + newest));
}

WindowHarness &FlowSlideshow::openGallery()
{
    m_harness = std::make_unique<WindowHarness>(m_folder->appDir());
    m_harness->open();
    m_harness->click(m_harness->w().selectButton);
    m_harness->w().galleryAction->trigger();
    return *m_harness;
}

Slideshow &FlowSlideshow::start()
{
    m_harness->click(m_harness->w().slideshowButton);
    Slideshow *slideshow = m_harness->form().slideshow();
    [&] { QVERIFY(slideshow); }();
    [&] { QTRY_VERIFY(!slideshow->shownWork().isEmpty()); }();
    return *slideshow;
}

void FlowSlideshow::startsWithTheNewestWork_data()
{
    QTest::addColumn<bool>("byKey");
    QTest::newRow("the button") << false;
    QTest::newRow("F5") << true;
}

void FlowSlideshow::startsWithTheNewestWork()
{
    QFETCH(bool, byKey);
    WindowHarness &h = openGallery();
    if (byKey)
        QTest::keyClick(h.w().pickList, Qt::Key_F5);
    else
        h.click(h.w().slideshowButton);
    Slideshow *slideshow = h.form().slideshow();
    QVERIFY(slideshow);
    QTRY_COMPARE(slideshow->shownWork(), newest);
    QCOMPARE(slideshow->caption(), u"ふく　モンタージュ　2025/03/01 00:00"_s);
    const QImage &picture = slideshow->picture();
    QVERIFY(nearColour(picture.pixelColor(picture.width() / 8, picture.height() / 8), Qt::green, 24));
    QVERIFY(slideshow->isFullScreen());
    QCOMPARE(slideshow->cursor().shape(), Qt::BlankCursor);
    QVERIFY(slideshow->slideTimer().isActive());
    QCOMPARE(slideshow->slideTimer().interval(), 5000);
    QVERIFY(h.dialogs.errors.isEmpty());
}

void FlowSlideshow::arrowsStep_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("caption");
    const QString roundCaption = u"お_か_め　はなさん　80点　2025/02/01 00:00"_s;
    QTest::newRow("→") << QList<int>{Qt::Key_Right} << party << roundCaption;
    QTest::newRow("→ →") << QList<int>{Qt::Key_Right, Qt::Key_Right} << oldest << u"おかめ　50点　2025/01/01 00:00"_s;
    QTest::newRow("→ → → comes round") << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Right} << newest
                                        << u"ふく　モンタージュ　2025/03/01 00:00"_s;
    QTest::newRow("← from the first goes to the last") << QList<int>{Qt::Key_Left} << oldest
                                                       << u"おかめ　50点　2025/01/01 00:00"_s;
    QTest::newRow("→ → ←") << QList<int>{Qt::Key_Right, Qt::Key_Right, Qt::Key_Left} << party << roundCaption;
}

void FlowSlideshow::arrowsStep()
{
    QFETCH(QList<int>, keys);
    openGallery();
    Slideshow &slideshow = start();
    for (int key : keys) {
        const QString before = slideshow.shownWork();
        QTest::keyClick(&slideshow, Qt::Key(key));
        QTRY_VERIFY(slideshow.shownWork() != before);
    }
    QTEST(slideshow.shownWork(), "shown");
    QTEST(slideshow.caption(), "caption");
    QVERIFY(slideshow.slideTimer().isActive());
}

void FlowSlideshow::spacePausesAndResumes()
{
    openGallery();
    Slideshow &slideshow = start();
    QTest::keyClick(&slideshow, Qt::Key_Space);
    QVERIFY(slideshow.isPaused());
    QVERIFY(!slideshow.slideTimer().isActive());
    slideshow.slideTimer().setInterval(1);
    // Nothing to wait for: the pause must hold however long it lasts.
    QTest::qWait(50);
    QCOMPARE(slideshow.shownWork(), newest);
    // A step while paused shows the work and stays paused.
    QTest::keyClick(&slideshow, Qt::Key_Right);
    QTRY_COMPARE(slideshow.shownWork(), party);
    QTest::qWait(50);
    QCOMPARE(slideshow.shownWork(), party);
    QTest::keyClick(&slideshow, Qt::Key_Space);
    QVERIFY(!slideshow.isPaused());
    QTRY_VERIFY(slideshow.shownWork() != party);
}

void FlowSlideshow::leavingRestoresTheGallery_data()
{
    QTest::addColumn<bool>("byClick");
    QTest::addColumn<bool>("workShown");
    QTest::newRow("Esc, nothing picked") << false << false;
    QTest::newRow("Esc, a work shown") << false << true;
    QTest::newRow("a click, a work shown") << true << true;
}

void FlowSlideshow::leavingRestoresTheGallery()
{
    QFETCH(bool, byClick);
    QFETCH(bool, workShown);
    WindowHarness &h = openGallery();
    const MainWindowWidgets &w = h.w();
    if (workShown) {
        QListWidget *list = w.pickList;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        QTRY_COMPARE(w.faceNameLabel->caption(), party);
    }
    const QStringList items = [&] {
        QStringList names;
        for (int row = 0; row < w.pickList->count(); ++row)
            names << w.pickList->item(row)->text();
        return names;
    }();
    const int row = w.pickList->currentRow();
    const QImage picture = w.facePicture->picture();
    const QString heading = w.faceNameLabel->caption();
    const bool headingShown = w.faceNameLabel->isVisible();
    const QString guidance = w.guidanceLabel->caption();

    Slideshow &slideshow = start();
    QTest::keyClick(&slideshow, Qt::Key_Right);
    QTRY_COMPARE(slideshow.shownWork(), party);
    if (byClick)
        QTest::mouseClick(&slideshow, Qt::LeftButton);
    else
        QTest::keyClick(&slideshow, Qt::Key_Escape);
    QTRY_VERIFY(!h.form().slideshow());

    QCOMPARE(h.form().currentScreen(), Screen::Gallery);
    QCOMPARE(w.pickList->count(), items.size());
    for (int i = 0; i < items.size(); ++i)
        QCOMPARE(w.pickList->item(i)->text(), items[i]);
    QCOMPARE(w.pickList->currentRow(), row);
    QVERIFY(w.pickList->isVisible());
    QCOMPARE(w.facePicture->picture(), picture);
    QCOMPARE(w.faceNameLabel->caption(), heading);
    QCOMPARE(w.faceNameLabel->isVisible(), headingShown);
    QCOMPARE(w.guidanceLabel->caption(), guidance);
    QVERIFY(w.slideshowButton->isVisible());
    QVERIFY(h.dialogs.errors.isEmpty());
}

void FlowSlideshow::unreadableWorksArePassedOver_data()
{
    QTest::addColumn<QStringList>("broken");
    QTest::addColumn<QString>("shown"); // "" when the slideshow gives up
    QTest::addColumn<QString>("back");  // after ←
    QTest::newRow("the newest") << QStringList{newest} << party << oldest;
    QTest::newRow("the oldest") << QStringList{oldest} << newest << party;
    QTest::newRow("every one") << QStringList{newest, party, oldest} << QString() << QString();
}

void FlowSlideshow::unreadableWorksArePassedOver()
{
    QFETCH(QStringList, broken);
    QFETCH(QString, shown);
    QFETCH(QString, back);
    for (const QString &name : broken)
        m_folder->writeFile(u"Library/"_s + name, "\xFF\xD8\xFF not really");
    WindowHarness &h = openGallery();
    h.click(h.w().slideshowButton);
    if (shown.isEmpty()) {
        QTRY_VERIFY(!h.form().slideshow());
        QCOMPARE(h.form().currentScreen(), Screen::Gallery);
    } else {
        Slideshow *slideshow = h.form().slideshow();
        QVERIFY(slideshow);
        QTRY_COMPARE(slideshow->shownWork(), shown);
        // Stepping back passes over them the other way.
        QTest::keyClick(slideshow, Qt::Key_Left);
        QTRY_COMPARE(slideshow->shownWork(), back);
        QVERIFY(h.form().slideshow());
    }
    QVERIFY2(h.dialogs.errors.isEmpty(), qPrintable(h.dialogs.errors.join(u'\n')));
}

void FlowSlideshow::emptyFolderOffersNone()
{
    for (const QString &name : {oldest, party, newest})
        m_folder->removeFile(u"Library/"_s + name);
    WindowHarness &h = openGallery();
    QCOMPARE(h.form().currentScreen(), Screen::Gallery);
    QVERIFY(!h.w().slideshowButton->isVisible());
    QTest::keyClick(h.w().pickList, Qt::Key_F5);
    h.form().startSlideshow();
    QVERIFY(!h.form().slideshow());
}

void FlowSlideshow::replayPlaysAfterItsWork()
{
    WebpAnimationWriter writer(QSize(30, 30));
    QImage frame(30, 30, QImage::Format_RGB32);
    frame.fill(Qt::yellow);
    writer.addFrame(frame, 0);
    frame.fill(Qt::magenta);
    writer.addFrame(frame, 60);
    m_folder->writeFile(u"Library/ふく_20250301000000_M.webp"_s, writer.finish(120));
    openGallery();
    Slideshow &slideshow = start();
    QVERIFY(!slideshow.isPlayingReplay());
    slideshow.slideTimer().setInterval(1);
    QTRY_VERIFY(slideshow.isPlayingReplay());
    QCOMPARE(slideshow.shownWork(), newest);
    QCOMPARE(slideshow.picture().size(), QSize(30, 30));
    slideshow.slideTimer().setInterval(5000);
    QTRY_COMPARE(slideshow.shownWork(), party);
    QVERIFY(!slideshow.isPlayingReplay());
    QVERIFY(slideshow.slideTimer().isActive());
}

void FlowSlideshow::buttonCoversNothingOfTheGallery()
{
    m_folder->writeFile(u"Library/ふく_20250301000000_M.webp"_s, [] {
        WebpAnimationWriter writer(QSize(30, 30));
        QImage frame(30, 30, QImage::Format_RGB32);
        frame.fill(Qt::yellow);
        writer.addFrame(frame, 0);
        return writer.finish(100);
    }());
    WindowHarness &h = openGallery();
    const MainWindowWidgets &w = h.w();
    const QRect before = w.slideshowButton->geometry();
    QListWidget *list = w.pickList;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(0)).center());
    QTRY_VERIFY(w.replayButton->isVisible());
    QVERIFY(w.faceNameLabel->isVisible());
    QVERIFY(w.slideshowButton->isVisible());
    QCOMPARE(w.slideshowButton->geometry(), before);
    for (QWidget *child : w.client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child != w.slideshowButton && child->isVisible())
            QVERIFY2(!child->geometry().intersects(before), qPrintable(child->objectName()));
    }
    // The caption fits the button.
    QVERIFY(w.slideshowButton->fontMetrics().horizontalAdvance(w.slideshowButton->text()) <= before.width());
}

QTEST_MAIN(FlowSlideshow)
#include "flow_slideshow.moc"
