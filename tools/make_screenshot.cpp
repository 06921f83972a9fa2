// Takes the screenshot that the AppStream metainfo shows: the game on a copy of the shipped data,
// silent, after its opening, as the X server draws it. Run under Xvfb so that no desktop is needed.
// Usage: xvfb-run -a -s "-screen 0 1024x768x24" make_screenshot <source folder> <output.png>

#include "app/ArtResources.h"
#include "app/MainWindow.h"
#include "platform/system/AppError.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/QtDesktop.h"
#include "platform/widgets/QtDialogs.h"
#include "platform/files/ShippedFiles.h"
#include "platform/system/SystemChance.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>

#include <cstdio>

namespace {

void settle(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_screenshot <source folder> <output.png>\n");
        return 2;
    }
    loadArtResources();
    application.setApplicationDisplayName(QStringLiteral("ペタラ　３"));
    Fonts::installSubstitution();
    application.setFont(Fonts::gameFont(12));

    QTemporaryDir programFolder;
    try {
        ShippedFiles::copyMissing(QString::fromLocal8Bit(argv[1]) + QStringLiteral("/data"),
                                  programFolder.filePath(QStringLiteral("data")));
    } catch (const AppError &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }

    QtDialogs dialogs;
    SystemChance chance;
    QtDesktop desktop;
    MainWindowServices services;
    services.appDir = programFolder.path() + QLatin1Char('/');
    services.dialogs = &dialogs;
    services.chance = &chance;
    services.desktop = &desktop;
    services.music = false;
    MainWindow form1(services);
    dialogs.setOwner(&form1);
    form1.show();
    // The opening takes eight ticks of half a second; the window is drawn once it stands.
    settle(5000);

    const QPixmap shot = form1.screen()->grabWindow(form1.winId());
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
