#include "montage/MontageGuidance.h"
#include "montage/MontageTexts.h"
#include "montage/ResizeRules.h"

#include <QTest>

// The montage's rules without a window (the flow test walks the documented resize examples).
class TestMontageRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void resizeStep_data();
    void resizeStep();
    void guidanceAfterLoad_data();
    void guidanceAfterLoad();
};

void TestMontageRules::resizeStep_data()
{
    QTest::addColumn<int>("side");
    QTest::addColumn<float>("factor");
    QTest::addColumn<int>("result");
    QTest::newRow("151 grows to 166, set to 150") << 151 << ResizeRules::Grow << 150;
    QTest::newRow("9 grows to 9.9, which stays 9") << 9 << ResizeRules::Grow << 9;
    QTest::newRow("8 grows to 8, set to 10") << 8 << ResizeRules::Grow << 10;
    QTest::newRow("100 grows to 110, the float is over 1.1") << 100 << ResizeRules::Grow << 110;
    QTest::newRow("100 shrinks to 89, the float is under 0.9") << 100 << ResizeRules::Shrink << 89;
    QTest::newRow("9 shrinks to 8, set to 10") << 9 << ResizeRules::Shrink << 10;
    QTest::newRow("a huge side comes back to 150") << 2000000000 << ResizeRules::Shrink << 150;
}

void TestMontageRules::resizeStep()
{
    QFETCH(int, side);
    QFETCH(float, factor);
    QFETCH(int, result);
    QCOMPARE(ResizeRules::resizedSide(side, factor), result);
}

void TestMontageRules::guidanceAfterLoad_data()
{
    QTest::addColumn<bool>("allShown");
    QTest::addColumn<bool>("anyOnFace");
    QTest::addColumn<QString>("text"); // empty: the line keeps its text
    QTest::newRow("a piece missing") << false << false << MontageTexts::ChooseAndResize;
    QTest::newRow("a piece missing, a part on the face") << false << true << MontageTexts::ChooseAndResize;
    QTest::newRow("all loaded, every part in the tray") << true << false << MontageTexts::DragAndResize;
    QTest::newRow("a part on the face") << true << true << QString();
}

void TestMontageRules::guidanceAfterLoad()
{
    QFETCH(bool, allShown);
    QFETCH(bool, anyOnFace);
    QFETCH(QString, text);
    const std::optional<QString> advice = MontageGuidance::afterLoad(allShown, anyOnFace);
    QCOMPARE(advice.value_or(QString()), text);
}

QTEST_APPLESS_MAIN(TestMontageRules)
#include "tst_montage_rules.moc"
