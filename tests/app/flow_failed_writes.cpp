#include "platform/widgets/CaptionLabel.h"
#include "platform/widgets/CommandButton.h"
#include "platform/widgets/MouseUpCheckBox.h"
#include "platform/widgets/PictureBox.h"
#include "platform/files/ProfileFile.h"
#include "support/WindowHarness.h"
#include "support/SmallDisk.h"
#include "support/TestProgramFolder.h"

#include <QDir>
#include <QFile>

#include <memory>

namespace {

const QString noSpace = QStringLiteral("ディスクの空き容量が足りません。");
const QString notAllowed = QStringLiteral("書き込みが許可されていません。");

} // namespace

// Writes that the disk refuses, on a program folder on a small disk of its own: every one is
// told, and the index and the works stay as they were. Mounting the disk needs root.
class FlowFailedWrites : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void saveOnAFullDiskIsToldAndCanBeRetried();
    void openingFaceOnAFullDiskKeepsTheIndex();
    void closeAfterAFailedSaveIsToldToo();

private:
    void openOnTheDisk();
    // Plays a real game with every part on its place, up to the unveiling.
    void playToTheUnveiling();
    QStringList works() const;
    QByteArray indexBytes() const { return m_folder->readFile(QStringLiteral("data/facedata.ini")); }

    std::unique_ptr<SmallDisk> m_disk;
    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<WindowHarness> m_harness;
    TestProgramFolder::Face m_face;
};

void FlowFailedWrites::init()
{
    m_disk = std::make_unique<SmallDisk>(3);
    if (!m_disk->problem().isEmpty())
        QSKIP(qPrintable(m_disk->problem()));
    m_folder = std::make_unique<TestProgramFolder>(m_disk->path());
    m_face.name = QStringLiteral("おかめ");
    m_folder->addFace(m_face);
    m_folder->addFaces(1);
    ProfileFile(m_folder->indexPath()).writeInteger(QStringLiteral("TitleFace"), QStringLiteral("NO"), 0);
}

void FlowFailedWrites::cleanup()
{
    m_harness.reset();
    // Unmounted first: a read-only disk keeps the folder from being removed, and the unmount
    // takes it away anyway.
    m_disk.reset();
    m_folder.reset();
}

void FlowFailedWrites::openOnTheDisk()
{
    m_harness = std::make_unique<WindowHarness>(m_folder->appDir());
    m_harness->open();
    m_harness->click(m_harness->w().selectButton);
}

void FlowFailedWrites::playToTheUnveiling()
{
    WindowHarness &h = *m_harness;
    const MainWindowWidgets &w = h.w();
    h.click(w.startButton);
    h.click(w.modeButton);
    QWidget *client = w.client;
    for (int k = 1; k <= 4; ++k) {
        PictureBox *part = w.parts().picture(k);
        const QPoint grab = part->rect().center();
        const QPoint travel = w.facePicture->pos() + m_face.places[k - 1] - part->pos();
        const QPoint release = client->mapFromGlobal(part->mapToGlobal(grab) + travel);
        QTest::mousePress(part, Qt::LeftButton, {}, grab);
        QTest::mouseMove(client, release);
        QTest::mouseRelease(client, Qt::LeftButton, {}, release);
    }
    h.click(w.startButton);
    QCOMPARE(h.form().game().Score, 300);
    QCOMPARE(h.form().currentScreen(), Screen::Unveiled);
}

QStringList FlowFailedWrites::works() const
{
    return QDir(m_folder->path(QStringLiteral("Library"))).entryList(QDir::Files | QDir::Hidden);
}

void FlowFailedWrites::saveOnAFullDiskIsToldAndCanBeRetried()
{
    openOnTheDisk();
    playToTheUnveiling();
    WindowHarness &h = *m_harness;
    const MainWindowWidgets &w = h.w();
    const QString unveiled = w.guidanceLabel->caption();
    const QByteArray index = indexBytes();
    m_disk->fill();

    h.click(w.modeButton);
    QCOMPARE(h.dialogs.errors.size(), 1);
    QVERIFY2(h.dialogs.errors[0].contains(QStringLiteral("おかめ_20080305140709_300.jpg"))
                 && h.dialogs.errors[0].endsWith(noSpace),
             qPrintable(h.dialogs.errors[0]));
    QVERIFY(works().isEmpty());
    QCOMPARE(w.guidanceLabel->caption(), unveiled);
    QCOMPARE(h.form().currentScreen(), Screen::Unveiled);

    // With room again, the same button saves the work.
    QVERIFY(QFile::remove(m_disk->path() + QStringLiteral("/filler")));
    h.click(w.modeButton);
    QCOMPARE(h.dialogs.errors.size(), 1);
    QCOMPARE(works(), (QStringList{QStringLiteral("おかめ_20080305140709_300.jpg"),
                                   QStringLiteral("おかめ_20080305140709_300.webp")}));
    QCOMPARE(h.form().currentScreen(), Screen::WorkSaved);

    m_disk->fill();
    h.form().close();
    QCOMPARE(h.dialogs.errors.size(), 2);
    QVERIFY2(h.dialogs.errors[1].contains(QStringLiteral("facedata.ini")) && h.dialogs.errors[1].endsWith(noSpace),
             qPrintable(h.dialogs.errors[1]));
    QCOMPARE(indexBytes(), index);
}

void FlowFailedWrites::openingFaceOnAFullDiskKeepsTheIndex()
{
    openOnTheDisk();
    WindowHarness &h = *m_harness;
    h.click(h.w().selectButton); // the second face, not the opening one
    const QByteArray index = indexBytes();
    m_disk->fill();
    h.dialogs.answers << true;
    h.click(h.w().openingFaceBox);
    QCOMPARE(h.dialogs.errors.size(), 1);
    QVERIFY2(h.dialogs.errors[0].endsWith(noSpace), qPrintable(h.dialogs.errors[0]));
    QCOMPARE(indexBytes(), index);
    h.form().close();
    QCOMPARE(h.dialogs.errors.size(), 2);
    QCOMPARE(indexBytes(), index);
    QCOMPARE(QDir(m_folder->path(QStringLiteral("data"))).entryList(QDir::Hidden | QDir::Files).size(), 13);
}

void FlowFailedWrites::closeAfterAFailedSaveIsToldToo()
{
    openOnTheDisk();
    playToTheUnveiling();
    WindowHarness &h = *m_harness;
    const QByteArray index = indexBytes();
    QVERIFY(m_disk->makeReadOnly());

    h.click(h.w().modeButton);
    QCOMPARE(h.dialogs.errors.size(), 1);
    QVERIFY2(h.dialogs.errors[0].contains(QStringLiteral("Library")) && h.dialogs.errors[0].endsWith(notAllowed),
             qPrintable(h.dialogs.errors[0]));
    h.form().close();
    QCOMPARE(h.dialogs.errors.size(), 2);
    QVERIFY2(h.dialogs.errors[1].contains(QStringLiteral("facedata.ini")) && h.dialogs.errors[1].endsWith(notAllowed),
             qPrintable(h.dialogs.errors[1]));
    QCOMPARE(indexBytes(), index);
}

QTEST_MAIN(FlowFailedWrites)
#include "flow_failed_writes.moc"
