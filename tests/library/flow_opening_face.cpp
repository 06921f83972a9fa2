#include "platform/widgets/MouseUpCheckBox.h"
#include "platform/files/ProfileFile.h"
#include "support/WindowHarness.h"
#include "support/TestProgramFolder.h"

#include <QComboBox>

// The "オープニングの顔に使う" box on the selection screen.
class FlowOpeningFace : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void tickingWithNoOpeningFaceAsks_data();
    void tickingWithNoOpeningFaceAsks();
    void tickingWhenAnotherIsTheOpeningFace_data();
    void tickingWhenAnotherIsTheOpeningFace();
    void untickingTheOpeningFace_data();
    void untickingTheOpeningFace();
    void rightButtonLeavesTheChoiceAlone();
    void choiceOpensAtTheNextStart();

private:
    WindowHarness &openOn(int openingFace, int faceToShow);
    int storedOpeningFace() const;
    QByteArray indexBytes() const { return m_folder->readFile(QStringLiteral("data/facedata.ini")); }

    std::unique_ptr<TestProgramFolder> m_folder;
    std::unique_ptr<WindowHarness> m_harness;
};

void FlowOpeningFace::init()
{
    m_harness.reset();
    m_folder = std::make_unique<TestProgramFolder>();
    m_folder->addFaces(3);
}

WindowHarness &FlowOpeningFace::openOn(int openingFace, int faceToShow)
{
    ProfileFile(m_folder->indexPath()).writeInteger(QStringLiteral("TitleFace"), QStringLiteral("NO"), openingFace);
    m_harness = std::make_unique<WindowHarness>(m_folder->appDir());
    m_harness->chance.draws << 0;
    m_harness->open();
    m_harness->click(m_harness->w().selectButton);
    Q_EMIT m_harness->w().faceList->activated(faceToShow);
    return *m_harness;
}

int FlowOpeningFace::storedOpeningFace() const
{
    return ProfileFile(m_folder->indexPath()).readInteger(QStringLiteral("TitleFace"), QStringLiteral("NO"), -99);
}

void FlowOpeningFace::tickingWithNoOpeningFaceAsks_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void FlowOpeningFace::tickingWithNoOpeningFaceAsks()
{
    QFETCH(bool, yes);
    WindowHarness &h = openOn(-1, 2);
    QVERIFY(!h.w().openingFaceBox->isChecked());
    const QByteArray before = indexBytes();
    h.dialogs.answers << yes;
    h.click(h.w().openingFaceBox);
    QCOMPARE(h.dialogs.questions, QStringList{QStringLiteral("「顔2」をオープニングの顔に使いますか？")});
    QCOMPARE(h.w().openingFaceBox->isChecked(), yes);
    QCOMPARE(h.form().library().TitleFaceIndex, yes ? 2 : -1);
    QCOMPARE(storedOpeningFace(), yes ? 2 : -1);
    if (yes) {
        QByteArray expected = before;
        expected.replace("[TitleFace]\r\nNO=-1\r\n", "[TitleFace]\r\nNO=2\r\n");
        QCOMPARE(indexBytes(), expected);
    } else {
        QCOMPARE(indexBytes(), before);
    }
}

void FlowOpeningFace::tickingWhenAnotherIsTheOpeningFace_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void FlowOpeningFace::tickingWhenAnotherIsTheOpeningFace()
{
    QFETCH(bool, yes);
    WindowHarness &h = openOn(0, 1);
    h.dialogs.answers << yes;
    h.click(h.w().openingFaceBox);
    QCOMPARE(h.dialogs.questions,
             QStringList{QStringLiteral(
                 "「顔0」がオープニングの顔に設定されていますが、\r「顔1」をオープニングの顔に使いますか？")});
    QCOMPARE(h.w().openingFaceBox->isChecked(), yes);
    QCOMPARE(storedOpeningFace(), yes ? 1 : 0);
    // Face 0 is no longer ticked once face 1 took its place.
    Q_EMIT h.w().faceList->activated(0);
    QCOMPARE(h.w().openingFaceBox->isChecked(), !yes);
}

void FlowOpeningFace::untickingTheOpeningFace_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes") << true;
    QTest::newRow("no") << false;
}

void FlowOpeningFace::untickingTheOpeningFace()
{
    QFETCH(bool, yes);
    WindowHarness &h = openOn(2, 2);
    QVERIFY(h.w().openingFaceBox->isChecked());
    h.dialogs.answers << yes;
    h.click(h.w().openingFaceBox);
    QCOMPARE(h.dialogs.questions, QStringList{QStringLiteral("「顔2」をオープニングの顔に使いませんか？")});
    QCOMPARE(h.w().openingFaceBox->isChecked(), !yes);
    QCOMPARE(storedOpeningFace(), yes ? -1 : 2);
    QCOMPARE(h.form().library().TitleFaceIndex, yes ? -1 : 2);
}

void FlowOpeningFace::rightButtonLeavesTheChoiceAlone()
{
    WindowHarness &h = openOn(2, 2);
    const QByteArray before = indexBytes();
    h.dialogs.answers << false;
    h.click(h.w().openingFaceBox, Qt::RightButton);
    // The right button does not toggle the tick, so there is nothing to confirm.
    QVERIFY(h.dialogs.questions.isEmpty());
    QVERIFY(h.w().openingFaceBox->isChecked());
    QCOMPARE(indexBytes(), before);
    Q_EMIT h.w().faceList->activated(0);
    h.click(h.w().openingFaceBox, Qt::RightButton);
    QVERIFY(h.dialogs.questions.isEmpty());
    QVERIFY(!h.w().openingFaceBox->isChecked());
}

void FlowOpeningFace::choiceOpensAtTheNextStart()
{
    {
        WindowHarness &h = openOn(-1, 1);
        h.dialogs.answers << true;
        h.click(h.w().openingFaceBox);
        m_harness.reset();
    }
    WindowHarness next(m_folder->appDir());
    next.chance.draws << 2;
    next.open();
    QCOMPARE(next.form().shownFace().CurrentFace, 1);
    next.click(next.w().selectButton);
    QCOMPARE(next.form().shownFace().CurrentFace, 1);
    QVERIFY(next.w().openingFaceBox->isChecked());
}

QTEST_MAIN(FlowOpeningFace)
#include "flow_opening_face.moc"
