#include "library/DeletionJournal.h"
#include "library/FaceDeletion.h"
#include "library/HallOfFameFile.h"
#include "platform/system/AppError.h"
#include "platform/widgets/ListBox.h"
#include "platform/files/ProfileFile.h"
#include "support/WindowHarness.h"
#include "support/TestProgramFolder.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QScrollBar>

using namespace Qt::StringLiterals;

namespace {

const QString Guidance = u"削除したい顔をリスト上でクリックしてから「削除」ボタンを押してください。\r"
                         "「キャンセル」ボタンを押すとゲームを再開します。"_s;
const QString NoMore = u"これ以上は削除できません。\r「キャンセル」ボタンを押してください。"_s;
const QString Question = u"その顔はオープニングの顔に設定されています。\r削除しますか？"_s;

struct Killed
{};

QStringList itemsOf(const QListWidget &list)
{
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items << list.item(i)->text();
    return items;
}

QStringList itemsOf(const QComboBox &list)
{
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items << list.itemText(i);
    return items;
}

} // namespace

// The deletion screen, driven the way a player drives it.
class FlowFaceDeletion : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void enteringShowsTheFaceList();
    void deleting_data();
    void deleting();
    void threeFacesAllowOneDeletion();
    void failedDeletionLeavesTheLibraryAsItWas();
    void failureAfterTheCommit_data();
    void failureAfterTheCommit();
    void killedDeletionIsFinishedAtTheNextStart_data();
    void killedDeletionIsFinishedAtTheNextStart();
    void faceWithoutItsPictureCannotBePicked();
    void keysPickAsClicksDo();

private:
    WindowHarness &openOn(int faces, int openingFace, int currentFace);
    void pick(int row);
    void enterDeletion();
    QByteArray picture(int face, int k) const { return m_folder->readFile(u"data/face%1_%2.jpg"_s.arg(face).arg(k)); }
    QList<QByteArray> picturesOf(int faces) const;
    // Checks that face n of the library on disk is face n of `names`, with the pictures that face
    // had before (`before`, six a face) when face `deleted` went, and that no journal is left.
    void verifyFiles(const QStringList &names, int deleted, const QList<QByteArray> &before) const;

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<WindowHarness> m_harness;
};

void FlowFaceDeletion::init()
{
    m_harness.reset();
    m_folder = std::make_unique<TestProgramFolder>();
}

WindowHarness &FlowFaceDeletion::openOn(int faces, int openingFace, int currentFace)
{
    m_folder->addFaces(faces);
    ProfileFile(m_folder->indexPath()).writeInteger(u"TitleFace"_s, u"NO"_s, openingFace);
    m_harness = std::make_unique<WindowHarness>(m_folder->appDir());
    m_harness->chance.draws << currentFace;
    m_harness->open();
    m_harness->click(m_harness->w().selectButton);
    Q_EMIT m_harness->w().faceList->activated(currentFace);
    return *m_harness;
}

void FlowFaceDeletion::enterDeletion()
{
    QVERIFY(m_harness->w().deleteFacesAction->isEnabled());
    m_harness->w().deleteFacesAction->trigger();
}

void FlowFaceDeletion::pick(int row)
{
    QListWidget *list = m_harness->w().pickList;
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

QList<QByteArray> FlowFaceDeletion::picturesOf(int faces) const
{
    QList<QByteArray> pictures;
    for (int n = 0; n < faces; ++n) {
        for (int k = 0; k < 6; ++k)
            pictures << picture(n, k);
    }
    return pictures;
}

void FlowFaceDeletion::verifyFiles(const QStringList &names, int deleted, const QList<QByteArray> &before) const
{
    const int faces = int(before.size() / 6);
    const bool done = names.size() < faces;
    const ProfileFile index(m_folder->indexPath());
    QCOMPARE(index.readInteger(u"faces"_s, u"count"_s, 0), names.size());
    for (int n = 0; n < faces; ++n) {
        const int original = !done || n < deleted ? n : n + 1;
        for (int k = 0; k < 6; ++k)
            QCOMPARE(picture(n, k), n < names.size() ? before[original * 6 + k] : QByteArray());
        QCOMPARE(index.readString(QString::number(n), u"Name"_s, u"-"_s), n < names.size() ? names[n] : u"-"_s);
    }
    QVERIFY(!QFile::exists(DeletionJournal::path(m_folder->appDir())));
}

void FlowFaceDeletion::enteringShowsTheFaceList()
{
    WindowHarness &h = openOn(12, -1, 4);
    enterDeletion();
    const MainWindowWidgets &w = h.w();
    QCOMPARE(h.form().currentScreen(), Screen::FaceDelete);
    QVERIFY(!w.facePicture->hasPicture());
    QVERIFY(w.facePicture->isVisible());
    QVERIFY(!w.openingFaceBox->isVisible());
    QVERIFY(!w.faceList->isVisible());
    QVERIFY(!w.cutOrDeleteButton->isEnabled()); // until a face is picked
    QCOMPARE(w.guidanceLabel->caption(), Guidance);
    QCOMPARE(w.faceNameLabel->caption(), u"顔の削除中．．．"_s);
    QCOMPARE(w.pickList->geometry(), QRect(329, 24, 217, 280));
    QVERIFY(w.pickList->isVisible());
    QCOMPARE(itemsOf(*w.pickList).size(), 12);
    QCOMPARE(w.pickList->item(11)->text(), u"顔11"_s);
    // Rows 12 high, whole rows only, scrolled sideways over 300 pixels.
    auto *list = static_cast<ListBox *>(w.pickList);
    QCOMPARE(list->visualItemRect(list->item(1)).top() - list->visualItemRect(list->item(0)).top(), 12);
    QCOMPARE(list->rowAreaHeight() % 12, 0);
    QVERIFY(list->rowAreaHeight() > 280 - 12 - 40);
    QCOMPARE(list->horizontalScrollBar()->maximum(), 300 - list->viewport()->width());

    h.click(w.selectButton);
    QCOMPARE(h.form().currentScreen(), Screen::FaceSelect);
    QVERIFY(!w.pickList->isVisible());
    QCOMPARE(h.form().shownFace().CurrentFace, 4);
    QCOMPARE(w.faceNameLabel->caption(), u"顔4"_s);
}

void FlowFaceDeletion::deleting_data()
{
    QTest::addColumn<int>("faces");
    QTest::addColumn<int>("opening");
    QTest::addColumn<int>("current");
    QTest::addColumn<int>("deleted");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<int>("currentAfter");
    QTest::addColumn<int>("openingAfter");
    QTest::addColumn<QStringList>("namesAfter");

    const QStringList all{u"顔0"_s, u"顔1"_s, u"顔2"_s, u"顔3"_s, u"顔4"_s};
    auto without = [&](int faces, int n) {
        QStringList names = all.mid(0, faces);
        names.removeAt(n);
        return names;
    };
    QTest::newRow("the last face") << 4 << -1 << 1 << 3 << false << 1 << -1 << without(4, 3);
    QTest::newRow("a middle face, the opening face after it") << 5 << 3 << 0 << 1 << false << 0 << 2 << without(5, 1);
    QTest::newRow("a middle face, the opening face before it") << 5 << 0 << 4 << 2 << false << 3 << 0 << without(5, 2);
    QTest::newRow("the opening face, yes") << 5 << 2 << 1 << 2 << true << 1 << -1 << without(5, 2);
    QTest::newRow("the opening face, no") << 5 << 2 << 1 << 2 << false << 1 << 2 << all;
    QTest::newRow("the current face, which is the last") << 4 << -1 << 3 << 3 << false << 0 << -1 << without(4, 3);
    QTest::newRow("face 1 while face 3 is current") << 5 << -1 << 3 << 1 << false << 2 << -1 << without(5, 1);
}

void FlowFaceDeletion::deleting()
{
    QFETCH(int, faces);
    QFETCH(int, opening);
    QFETCH(int, current);
    QFETCH(int, deleted);
    QFETCH(bool, yes);
    QFETCH(int, currentAfter);
    QFETCH(int, openingAfter);
    QFETCH(QStringList, namesAfter);
    WindowHarness &h = openOn(faces, opening, current);
    const QList<QByteArray> before = picturesOf(faces);
    const QByteArray indexBefore = m_folder->readFile(u"data/facedata.ini"_s);
    HallOfFame hall;
    for (const TFaceData &face : h.form().library().Faces)
        hall.enter(face.Name, {u"はなこ"_s, 250, QDateTime(QDate(2026, 1, 2), QTime(10, 0))});
    HallOfFameFile::save(m_folder->appDir(), hall);
    enterDeletion();
    pick(deleted);
    QVERIFY(h.w().facePicture->hasPicture());
    QVERIFY(h.w().cutOrDeleteButton->isEnabled());
    h.dialogs.answers << yes;
    h.click(h.w().cutOrDeleteButton);

    QVERIFY2(h.dialogs.errors.isEmpty(), qPrintable(h.dialogs.errors.join(u'\n')));
    QCOMPARE(h.dialogs.questions, deleted == opening ? QStringList{Question} : QStringList());
    QVERIFY(!h.w().cutOrDeleteButton->isEnabled());
    const bool done = namesAfter.size() < faces;
    QCOMPARE(h.w().facePicture->hasPicture(), !done);
    QCOMPARE(h.form().library().FaceCount, int(namesAfter.size()));
    QCOMPARE(h.form().library().TitleFaceIndex, openingAfter);
    QCOMPARE(h.form().shownFace().CurrentFace, currentAfter);
    QCOMPARE(itemsOf(*h.w().pickList), namesAfter);
    QCOMPARE(itemsOf(*h.w().faceList), namesAfter);
    QCOMPARE(h.w().pickList->currentRow(), done ? -1 : deleted);
    QCOMPARE(h.w().guidanceLabel->caption(), Guidance);

    // The files say the same as the screen: each number has its own face's pictures and section.
    if (!done)
        QCOMPARE(m_folder->readFile(u"data/facedata.ini"_s), indexBefore);
    QCOMPARE(ProfileFile(m_folder->indexPath()).readInteger(u"TitleFace"_s, u"NO"_s, -9), openingAfter);
    verifyFiles(namesAfter, deleted, before);
    // The hall of fame keeps exactly the faces left.
    QStringList famed = HallOfFameFile::load(m_folder->appDir()).hall.faces();
    QStringList left = namesAfter;
    famed.sort();
    left.sort();
    QCOMPARE(famed, left);

    h.click(h.w().selectButton);
    QCOMPARE(h.w().faceNameLabel->caption(), namesAfter[currentAfter]);
    QCOMPARE(h.w().openingFaceBox->isChecked(), openingAfter == currentAfter);
}

void FlowFaceDeletion::threeFacesAllowOneDeletion()
{
    WindowHarness &h = openOn(3, -1, 0);
    enterDeletion();
    pick(0);
    h.click(h.w().cutOrDeleteButton);
    QCOMPARE(h.form().library().FaceCount, 2);
    QCOMPARE(h.w().guidanceLabel->caption(), NoMore);
    pick(1);
    QVERIFY(!h.w().facePicture->hasPicture());
    QVERIFY(!h.w().cutOrDeleteButton->isEnabled());
    h.click(h.w().cutOrDeleteButton);
    QCOMPARE(h.form().library().FaceCount, 2);
    QCOMPARE(ProfileFile(m_folder->indexPath()).readInteger(u"faces"_s, u"count"_s, 0), 2);
    h.click(h.w().selectButton);
    QVERIFY(!h.w().deleteFacesAction->isEnabled());
    QCOMPARE(h.w().faceNameLabel->caption(), u"顔1"_s);
}

void FlowFaceDeletion::failedDeletionLeavesTheLibraryAsItWas()
{
    WindowHarness &h = openOn(4, 2, 2);
    // A folder where the journal goes: the deletion cannot even begin.
    QVERIFY(QDir().mkpath(DeletionJournal::path(m_folder->appDir())));
    const QList<QByteArray> before = picturesOf(4);
    const QByteArray indexBefore = m_folder->readFile(u"data/facedata.ini"_s);
    enterDeletion();
    pick(1);
    h.click(h.w().cutOrDeleteButton);
    QCOMPARE(h.dialogs.errors.size(), 1);
    QVERIFY2(h.dialogs.errors[0].startsWith(u"顔を削除できませんでした。\rファイル「"_s),
             qPrintable(h.dialogs.errors[0]));
    QVERIFY2(h.dialogs.errors[0].contains(u"deletion.journal"_s), qPrintable(h.dialogs.errors[0]));
    QCOMPARE(picturesOf(4), before);
    QCOMPARE(m_folder->readFile(u"data/facedata.ini"_s), indexBefore);
    QCOMPARE(h.form().library().FaceCount, 4);
    QCOMPARE(h.form().library().TitleFaceIndex, 2);
    QCOMPARE(itemsOf(*h.w().pickList).size(), 4);
    QVERIFY(h.form().isVisible());
}

void FlowFaceDeletion::failureAfterTheCommit_data()
{
    QTest::addColumn<bool>("lasting");
    QTest::newRow("once: completed at once") << false;
    QTest::newRow("lasting: completed at the next start") << true;
}

void FlowFaceDeletion::failureAfterTheCommit()
{
    QFETCH(bool, lasting);
    WindowHarness &h = openOn(4, -1, 0);
    const QList<QByteArray> before = picturesOf(4);
    int steps = 0;
    h.form().deletion().setFileStep([&steps, lasting] {
        ++steps;
        if (steps == 10 || (lasting && steps > 10))
            throw AppError(u"書き込めません。"_s);
    });
    enterDeletion();
    pick(1);
    h.click(h.w().cutOrDeleteButton);
    const QStringList after{u"顔0"_s, u"顔2"_s, u"顔3"_s};
    QCOMPARE(itemsOf(*h.w().pickList), after);
    QCOMPARE(h.form().library().FaceCount, 3);
    if (lasting) {
        QCOMPARE(h.dialogs.errors, QStringList{u"顔の削除を最後まで終えられませんでした。\r"
                                               "続きは次に起動したときに行います。プログラムを終了します。"_s});
        QVERIFY(!h.form().isVisible());
        m_harness.reset();
        WindowHarness next(m_folder->appDir());
        next.open();
        QVERIFY(next.dialogs.errors.isEmpty());
        QCOMPARE(itemsOf(*next.w().faceList), after);
    } else {
        QVERIFY(h.dialogs.errors.isEmpty());
    }
    verifyFiles(after, 1, before);
}

void FlowFaceDeletion::killedDeletionIsFinishedAtTheNextStart_data()
{
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("facesAfter");
    // Deleting face 1 of 4: the journal (the commit), the index, the journal again, 18 moves,
    // a sync and the journal's removal.
    QTest::newRow("writing the journal") << 1 << 4;
    QTest::newRow("moving the pictures") << 12 << 3;
}

void FlowFaceDeletion::killedDeletionIsFinishedAtTheNextStart()
{
    QFETCH(int, step);
    QFETCH(int, facesAfter);
    openOn(4, -1, 0);
    const QList<QByteArray> before = picturesOf(4);
    int steps = 0;
    m_harness->form().deletion().setFileStep([&steps, step] {
        if (++steps == step)
            throw Killed();
    });
    enterDeletion();
    pick(1);
    QVERIFY_THROWS_EXCEPTION(Killed, m_harness->form().deletion().deleteMarkedFaces());
    // A killed program writes nothing more, not even at its close.
    m_harness->form().hide();
    m_harness.reset();

    WindowHarness next(m_folder->appDir());
    next.chance.draws << 0;
    next.open();
    QVERIFY(next.dialogs.errors.isEmpty());
    QStringList names{u"顔0"_s, u"顔1"_s, u"顔2"_s, u"顔3"_s};
    if (facesAfter == 3)
        names.removeAt(1);
    QCOMPARE(itemsOf(*next.w().faceList), names);
    verifyFiles(names, 1, before);
}

void FlowFaceDeletion::faceWithoutItsPictureCannotBePicked()
{
    WindowHarness &h = openOn(4, -1, 0);
    m_folder->removeFile(u"data/face2_0.jpg"_s);
    enterDeletion();
    pick(1);
    const QImage shown = h.w().facePicture->picture();
    pick(2);
    QCOMPARE(h.dialogs.errors.size(), 1);
    QVERIFY(h.dialogs.errors[0].contains(u"face2_0.jpg"_s));
    QCOMPARE(h.w().facePicture->picture(), shown);
    QVERIFY(!h.w().cutOrDeleteButton->isEnabled());
    h.click(h.w().cutOrDeleteButton);
    QCOMPARE(h.form().library().FaceCount, 4);
}

void FlowFaceDeletion::keysPickAsClicksDo()
{
    WindowHarness &h = openOn(4, -1, 0);
    enterDeletion();
    pick(0);
    QTest::keyClick(h.w().pickList, Qt::Key_Down);
    QCOMPARE(h.w().pickList->currentRow(), 1);
    h.click(h.w().cutOrDeleteButton);
    QCOMPARE(itemsOf(*h.w().pickList), (QStringList{u"顔0"_s, u"顔2"_s, u"顔3"_s}));
}

QTEST_MAIN(FlowFaceDeletion)
#include "flow_face_deletion.moc"
