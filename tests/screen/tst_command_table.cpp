#include "screen/CommandTable.h"

#include <QTest>

// The command table against the screen rules, one screen a row, one command widget a column.
// A button reads as its caption when enabled, its caption in brackets when disabled, and
// empty when hidden; the menu column names the enabled menu commands.
class TestCommandTable : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void screens_data();
    void screens();
};

namespace {

QString seen(const CommandLook &look)
{
    if (!look.visible)
        return QString();
    return look.enabled ? look.caption : QLatin1Char('[') + look.caption + QLatin1Char(']');
}

QString menusSeen(const CommandLooks &looks)
{
    QStringList enabled;
    const std::pair<bool, const char *> menus[] = {{looks.faceMenu, "N1"},
                                                   {looks.works, "N7"},
                                                   {looks.montage, "N8"},
                                                   {looks.createFace, "N9"},
                                                   {looks.deleteFace, "N10"}};
    for (const auto &[on, name] : menus) {
        if (on)
            enabled << QString::fromLatin1(name);
    }
    return enabled.join(QLatin1Char(' '));
}

// The conditions of a row, each named by a word: a screen rule that depends on one of them
// has a row with it and a row without.
ScreenConditions given(const QString &words)
{
    ScreenConditions c;
    c.deletionOffered = false;
    for (const QString &word : words.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (word == QLatin1String("dropped"))
            c.partDropped = true;
        else if (word == QLatin1String("onFace"))
            c.partsOnFace = true;
        else if (word == QLatin1String("finished"))
            c.gameFinished = true;
        else if (word == QLatin1String("registerOffered"))
            c.registerOffered = true;
        else if (word == QLatin1String("name"))
            c.nameAccepted = true;
        else if (word == QLatin1String("zoom"))
            c.zoomOffered = true;
        else if (word == QLatin1String("rectangle"))
            c.zoomRectangle = true;
        else if (word == QLatin1String("picked"))
            c.facePicked = true;
        else if (word == QLatin1String("moreThanTwo"))
            c.deletionOffered = true;
        else if (word == QLatin1String("works"))
            c.worksListed = true;
        else
            qFatal("unknown condition %s", qPrintable(word));
    }
    return c;
}

} // namespace

void TestCommandTable::screens_data()
{
    QTest::addColumn<Screen>("screen");
    QTest::addColumn<QString>("conditions");
    QTest::addColumn<QString>("BtnSentaku");
    QTest::addColumn<QString>("BtnStart");
    QTest::addColumn<QString>("BtnRenshu");
    QTest::addColumn<QString>("BtnKiritori");
    QTest::addColumn<QString>("BtnUpDown");
    QTest::addColumn<QString>("menus");
    const QString none;
    auto row = [](const char *name, Screen screen, const char *conditions) -> QTestData & {
        return QTest::newRow(name) << screen << QString::fromUtf8(conditions);
    };
    // Before the opening stands the buttons are hidden, and "顔の削除" is enabled in its closed menu.
    row("start-up", Screen::Starting, "moreThanTwo") << none << none << none << none << none << "N9 N10";
    row("Opening", Screen::Opening, "") << "顔選択" << "[スタート]" << "[練習]" << none << none << "N9";
    row("Opening, parts dragged onto the face", Screen::Opening, "onFace")
        << "顔選択" << "スタート" << "[練習]" << none << none << "N9";
    row("FaceSelect", Screen::FaceSelect, "works moreThanTwo")
        << "顔選択" << "スタート" << "[練習]" << none << none << "N1 N7 N8 N9 N10";
    row("FaceSelect, no works folder, two faces", Screen::FaceSelect, "")
        << "顔選択" << "スタート" << "[練習]" << none << none << "N1 N8 N9";
    row("FaceSelect after a finished game", Screen::FaceSelect, "finished")
        << "顔選択" << "スタート" << "[保存]" << none << none << "N1 N8 N9";
    row("PracticePlay", Screen::PracticePlay, "") << "[顔選択]" << "[スタート]" << "練習" << none << none << "N9";
    row("PracticePlay after the first drop", Screen::PracticePlay, "dropped")
        << "[顔選択]" << "[スタート]" << "[練習]" << none << none << "N9";
    row("RealPlay", Screen::RealPlay, "") << "[顔選択]" << "[スタート]" << "本番" << none << none << "N9";
    row("RealPlay after the first drop", Screen::RealPlay, "dropped")
        << "[顔選択]" << "[スタート]" << "[本番]" << none << none << "N9";
    row("PracticeDone", Screen::PracticeDone, "dropped")
        << "[顔選択]" << "スタート" << "[練習]" << none << none << "N9";
    row("UnveilReady", Screen::UnveilReady, "dropped")
        << "[顔選択]" << "お披露目" << "[本番]" << none << none << "N9";
    row("Unveiled", Screen::Unveiled, "finished") << "顔選択" << "[お披露目]" << "保存" << none << none << "N9";
    row("WorkSaved", Screen::WorkSaved, "finished")
        << "顔選択" << "[お披露目]" << "[保存]" << none << none << "N9";
    row("FaceCreate", Screen::FaceCreate, "zoom")
        << "[顔選択]" << "キャンセル" << "[練習]" << "ズーム" << none << "N9";
    row("FaceCreate after a finished game", Screen::FaceCreate, "zoom finished")
        << "[顔選択]" << "キャンセル" << "[保存]" << "ズーム" << none << "N9";
    row("FaceCreate, outlining begun", Screen::FaceCreate, "")
        << "[顔選択]" << "キャンセル" << "[練習]" << none << none << "N9";
    row("FaceCreate, a part redone after the naming", Screen::FaceCreate, "registerOffered name")
        << "[登録]" << "キャンセル" << "[練習]" << none << none << "N9";
    row("zoom armed", Screen::ZoomArmed, "zoom")
        << "[顔選択]" << "キャンセル" << "[練習]" << "[ズーム]" << none << "N9";
    row("zoom armed with a rectangle", Screen::ZoomArmed, "zoom rectangle")
        << "[顔選択]" << "キャンセル" << "[練習]" << "ズーム" << none << "N9";
    row("FaceRegister", Screen::FaceRegister, "registerOffered")
        << "[登録]" << "キャンセル" << "[練習]" << none << none << "N9";
    row("FaceRegister with a valid name", Screen::FaceRegister, "registerOffered name")
        << "登録" << "キャンセル" << "[練習]" << none << none << "N9";
    row("FaceRegister, the zoom never given up", Screen::FaceRegister, "registerOffered zoom")
        << "[登録]" << "キャンセル" << "[練習]" << "ズーム" << none << "N9";
    row("FaceDelete", Screen::FaceDelete, "moreThanTwo")
        << "キャンセル" << "[スタート]" << "[練習]" << "[削除]" << none << "N9 N10";
    row("FaceDelete, a face picked", Screen::FaceDelete, "picked finished")
        << "キャンセル" << "[スタート]" << "[保存]" << "削除" << none << "N9";
    row("Montage", Screen::Montage, "") << "キャンセル" << "[スタート]" << "[練習]" << none << "+ -" << "N9";
    row("MontageSave", Screen::MontageSave, "") << "キャンセル" << "[スタート]" << "[練習]" << none << "+ -" << "N9";
    row("MontageSave with a valid name", Screen::MontageSave, "name")
        << "キャンセル" << "[スタート]" << "保存" << none << "+ -" << "N9";
    row("Gallery", Screen::Gallery, "works") << "キャンセル" << "[スタート]" << "[練習]" << none << none << "N9";
}

void TestCommandTable::screens()
{
    QFETCH(Screen, screen);
    QFETCH(QString, conditions);
    const CommandLooks looks = commandLooks(screen, given(conditions));
    QTEST(seen(looks.select), "BtnSentaku");
    QTEST(seen(looks.start), "BtnStart");
    QTEST(seen(looks.mode), "BtnRenshu");
    QTEST(seen(looks.zoomOrDelete), "BtnKiritori");
    QTEST(QStringList({seen(looks.grow), seen(looks.shrink)}).join(QLatin1Char(' ')).trimmed(), "BtnUpDown");
    QTEST(menusSeen(looks), "menus");
}

QTEST_APPLESS_MAIN(TestCommandTable)
#include "tst_command_table.moc"
