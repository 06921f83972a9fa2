#include "music/AudioOutput.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestAudioOutput : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void driverOrder_data();
    void driverOrder();
};

void TestAudioOutput::driverOrder_data()
{
    QTest::addColumn<QStringList>("available");
    QTest::addColumn<QString>("forced");
    QTest::addColumn<QStringList>("order");
    const QStringList all{u"alsa"_s, u"file"_s, u"jack"_s, u"pipewire"_s, u"pulseaudio"_s, u"sdl2"_s};
    QTest::newRow("sound server first, then ALSA")
        << all << QString() << QStringList{u"pipewire"_s, u"pulseaudio"_s, u"alsa"_s};
    QTest::newRow("Debian's build has no PipeWire driver")
        << QStringList{u"alsa"_s, u"file"_s, u"jack"_s, u"pulseaudio"_s} << QString()
        << QStringList{u"pulseaudio"_s, u"alsa"_s};
    QTest::newRow("never JACK or SDL on its own")
        << QStringList{u"jack"_s, u"sdl2"_s, u"file"_s} << QString() << QStringList();
    QTest::newRow("the silent driver for tests") << all << u"file"_s << QStringList();
    QTest::newRow("a driver asked for by name") << all << u"jack"_s << QStringList{u"jack"_s};
    QTest::newRow("a driver this build lacks") << all << u"oss"_s << QStringList();
}

void TestAudioOutput::driverOrder()
{
    QFETCH(QStringList, available);
    QFETCH(QString, forced);
    QFETCH(QStringList, order);
    QCOMPARE(AudioOutput::driverOrder(available, forced), order);
}

QTEST_GUILESS_MAIN(TestAudioOutput)
#include "tst_audio_output.moc"
