#include "platform/widgets/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QTest>
#include <QTimer>

// The game's file filters as the real file dialog shows them.
class TestQtDialogs : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void gameFiltersBecomeQtFilters_data();
    void gameFiltersBecomeQtFilters();
    void tuneDialogShowsItsPatternOnce();
};

void TestQtDialogs::gameFiltersBecomeQtFilters_data()
{
    QTest::addColumn<QString>("game");
    QTest::addColumn<QString>("qt");
    QTest::newRow("tune") << QStringLiteral("ミュージックファイル(*.mid)|*.mid")
                          << QStringLiteral("ミュージックファイル(*.mid)");
    QTest::newRow("pictures") << QStringLiteral(
        "グラフィックファイル (*.jpg;*.jpeg;*.bmp)|*.jpg;*.jpeg;*.bmp|JPEG イメージファイル (*.jpg)|*.jpg|"
        "JPEG イメージファイル (*.jpeg)|*.jpeg|ビットマップ (*.bmp)|*.bmp")
                              << QStringLiteral(
                                     "グラフィックファイル (*.jpg *.jpeg *.bmp);;JPEG イメージファイル (*.jpg);;"
                                     "JPEG イメージファイル (*.jpeg);;ビットマップ (*.bmp)");
    QTest::newRow("no patterns in the description")
        << QStringLiteral("Tunes|*.mid;*.midi") << QStringLiteral("Tunes (*.mid *.midi)");
    QTest::newRow("words in brackets") << QStringLiteral("Tunes (MIDI)|*.mid")
                                       << QStringLiteral("Tunes (MIDI) (*.mid)");
    QTest::newRow("description names fewer")
        << QStringLiteral("JPEG (*.jpg)|*.jpg;*.jpeg") << QStringLiteral("JPEG (*.jpg *.jpeg)");
    QTest::newRow("description in another order")
        << QStringLiteral("Pictures (*.bmp *.jpg)|*.jpg;*.bmp") << QStringLiteral("Pictures (*.jpg *.bmp)");
    QTest::newRow("description without its pattern") << QStringLiteral("A|*.a|B") << QStringLiteral("A (*.a)");
}

void TestQtDialogs::gameFiltersBecomeQtFilters()
{
    QFETCH(QString, game);
    QFETCH(QString, qt);
    QCOMPARE(toQtFileFilter(game), qt);
}

void TestQtDialogs::tuneDialogShowsItsPatternOnce()
{
    QStringList shown;
    QString title;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll.stop();
        shown = dialog->nameFilters();
        title = dialog->windowTitle();
        dialog->reject();
    });
    poll.start(10);
    QtDialogs dialogs;
    const QString tuneFilter = QStringLiteral("ミュージックファイル(*.mid)|*.mid");
    QCOMPARE(dialogs.openFile(QStringLiteral("曲の設定"), tuneFilter), QString());
    QCOMPARE(title, QStringLiteral("曲の設定"));
    QCOMPARE(shown, QStringList{QStringLiteral("ミュージックファイル(*.mid)")});
}

QTEST_MAIN(TestQtDialogs)
#include "tst_qt_dialogs.moc"
