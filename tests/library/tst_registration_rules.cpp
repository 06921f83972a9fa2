#include "library/RegistrationRules.h"
#include "platform/system/AppError.h"
#include "platform/files/ProfileFile.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace RegistrationRules;

// The name rules of registration and the index it writes.
class TestRegistrationRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nameInUseIsCaseSensitive();
    void indexMatchesKeyByKeyWrites_data();
    void indexMatchesKeyByKeyWrites();
    void indexRefusesWhatItCannotHold();
};

void TestRegistrationRules::nameInUseIsCaseSensitive()
{
    QVector<TFaceData> faces(2);
    faces[0].Name = QStringLiteral("A");
    faces[1].Name = QStringLiteral("山田");
    QVERIFY(isNameInUse(faces, QStringLiteral("A")));
    QVERIFY(isNameInUse(faces, QStringLiteral("山田")));
    QVERIFY(!isNameInUse(faces, QStringLiteral("a")));
    QVERIFY(!isNameInUse(faces, QStringLiteral("A ")));
    QVERIFY(!isNameInUse({}, QStringLiteral("A")));
}

void TestRegistrationRules::indexMatchesKeyByKeyWrites_data()
{
    QTest::addColumn<QByteArray>("index");
    QTest::addColumn<int>("number");
    QTest::newRow("no index yet") << QByteArray() << 0;
    QTest::newRow("two faces and music") << QByteArray(
        "[faces]\r\ncount=2\r\n[0]\r\nName=A\r\n[1]\r\nName=B\r\n[BGM]\r\nPlay=1\r\n")
                                         << 2;
    QTest::newRow("stale section of the new number")
        << QByteArray("[faces]\r\ncount=1\r\n[0]\r\nName=A\r\n[1]\r\nName=old\r\nY4=9\r\n\r\n[TitleFace]\r\nNO=0") << 1;
}

void TestRegistrationRules::indexMatchesKeyByKeyWrites()
{
    QFETCH(QByteArray, index);
    QFETCH(int, number);
    const std::array<QPoint, 5> places{QPoint(), QPoint(50, -3), QPoint(170, 50), QPoint(120, 100), QPoint(100, 160)};
    const QString name = QStringLiteral("新しい顔");

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("facedata.ini"));
    if (!index.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(index);
    }
    // The order the index has always been written in, one key at a time.
    ProfileFile profile(path);
    const QString section = QString::number(number);
    profile.writeInteger(QStringLiteral("faces"), QStringLiteral("count"), number + 1);
    profile.writeString(section, QStringLiteral("Name"), name);
    for (int k = 1; k <= 4; ++k)
        profile.writeInteger(section, QStringLiteral("X%1").arg(k), places[k].x());
    for (int k = 1; k <= 4; ++k)
        profile.writeInteger(section, QStringLiteral("Y%1").arg(k), places[k].y());
    QFile written(path);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(indexWithFace(index, number, name, places), written.readAll());
}

void TestRegistrationRules::indexRefusesWhatItCannotHold()
{
    const QByteArray index("[faces]\r\ncount=1\r\n");
    QVERIFY_THROWS_EXCEPTION(AppError, indexWithFace(index, 1, QStringLiteral("a\nb"), {}));
    QVERIFY_THROWS_EXCEPTION(AppError, indexWithFace(index, 1, QStringLiteral("얼굴"), {}));
}

QTEST_APPLESS_MAIN(TestRegistrationRules)
#include "tst_registration_rules.moc"
