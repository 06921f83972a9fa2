#include "app/QtJapanese.h"
#include "app/WindowSystemChoice.h"
#include "platform/widgets/QtDialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The first entry of the name field's context menu, Qt's own text, without its shortcut.
QString firstEditMenuEntry()
{
    QLineEdit field;
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    return menu->actions().value(0)->text().section(u'\t', 0, 0);
}

} // namespace

// What the game settles before its first window: the window system it asks Qt for, and Qt's
// own texts in Japanese.
class FlowStartChoices : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void windowSystem_data();
    void windowSystem();
    void missingOrDamagedCatalogueChangesNothing();
    void qtTextsSpeakJapanese();
};

void FlowStartChoices::windowSystem_data()
{
    QTest::addColumn<QByteArray>("qtPlatform");
    QTest::addColumn<QByteArray>("waylandDisplay");
    QTest::addColumn<QByteArray>("display");
    QTest::addColumn<QByteArray>("chosen");
    // An empty value is an unset variable.
    const auto row = [](const char *name, const char *qt, const char *wayland, const char *x, const char *chosen) {
        QTest::newRow(name) << QByteArray(qt) << QByteArray(wayland) << QByteArray(x) << QByteArray(chosen);
    };
    row("Wayland with XWayland runs through X", "", "wayland-0", ":0", "xcb;wayland");
    row("Wayland without X stays native", "", "wayland-0", "", "");
    row("X alone is left to Qt", "", "", ":0", "");
    row("the player's wayland wins", "wayland", "wayland-0", ":0", "");
}

void FlowStartChoices::windowSystem()
{
    QFETCH(QByteArray, qtPlatform);
    QFETCH(QByteArray, waylandDisplay);
    QFETCH(QByteArray, display);
    QFETCH(QByteArray, chosen);
    QCOMPARE(chosenQtPlatform({qtPlatform, waylandDisplay, display}), chosen);
}

void FlowStartChoices::missingOrDamagedCatalogueChangesNothing()
{
    QTemporaryDir folder;
    QCOMPARE(installQtJapanese(*qApp, folder.path()), nullptr);
    QFile damaged(folder.filePath(u"qtbase_ja.qm"_s));
    QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write("\x3c\xb8\x64\x18 not a catalogue") > 0);
    damaged.close();
    QCOMPARE(installQtJapanese(*qApp, folder.path()), nullptr);
    QCOMPARE(firstEditMenuEntry(), u"&Undo"_s);
}

void FlowStartChoices::qtTextsSpeakJapanese()
{
    QTranslator *translator = installQtJapanese(*qApp);
    if (!translator)
        QSKIP("Qt's Japanese catalogue is not installed (package qt6-translations-l10n)");
    const auto removeTranslator = qScopeGuard([translator] { QCoreApplication::removeTranslator(translator); });
    QCOMPARE(firstEditMenuEntry(), u"元に戻す(&U)"_s);

    QString openText, cancelText;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        poll.stop();
        const auto closeDialog = qScopeGuard([dialog] { dialog->reject(); });
        auto *buttons = dialog->findChild<QDialogButtonBox *>();
        QVERIFY(buttons && buttons->button(QDialogButtonBox::Open) && buttons->button(QDialogButtonBox::Cancel));
        openText = buttons->button(QDialogButtonBox::Open)->text();
        cancelText = buttons->button(QDialogButtonBox::Cancel)->text();
    });
    poll.start(10);
    QtDialogs dialogs;
    QCOMPARE(dialogs.openPicture(u"顔の読み込み"_s, u"ビットマップ (*.bmp)|*.bmp"_s), QString());
    QCOMPARE(openText, u"開く(&O)"_s);
    QCOMPARE(cancelText, u"キャンセル"_s);
}

QTEST_MAIN(FlowStartChoices)
#include "flow_start_choices.moc"
