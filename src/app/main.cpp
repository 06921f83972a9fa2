#include "app/ArtResources.h"
#include "app/FirstFrame.h"
#include "app/ProgramFolderChoice.h"
#include "app/ProgramLock.h"
#include "app/TForm1.h"
#include "platform/AppError.h"
#include "platform/FolderCreation.h"
#include "platform/FontConfigPreload.h"
#include "platform/Fonts.h"
#include "platform/GameStyle.h"
#include "platform/QtDesktop.h"
#include "platform/QtDialogs.h"
#include "platform/SystemChance.h"
#include "platform/PackedImage.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>

#include <cstdio>

#ifndef PETARA_VERSION
#define PETARA_VERSION "0"
#endif

namespace {

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("petara3"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PETARA_VERSION));
}

// --help and --version answer and end the program here; returns the --data-dir value.
QString parseCommandLine(const QCoreApplication &application)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("ペタラ３ ― 写真の顔で遊ぶふくわらい"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption dataDir(
        QStringLiteral("data-dir"),
        QStringLiteral("DIR をプログラムフォルダ（data/ と Library/ の置き場所）にします。"), QStringLiteral("DIR"));
    parser.addOption(dataDir);
    parser.process(application);
    return parser.value(dataDir);
}

// Whether the command line only asks for the help or the version, which need no display.
bool onlyAsksForText(int argc, char *argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-h" || argument == "--help" || argument == "--help-all" || argument == "-v"
            || argument == "--version")
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    if (onlyAsksForText(argc, argv)) {
        QCoreApplication core(argc, argv);
        nameApplication();
        parseCommandLine(core);
        return 0;
    }
    FontConfigPreload fontConfig;
    QApplication application(argc, argv);
    application.setStyle(new GameStyle);
    nameApplication();
    application.setDesktopFileName(QStringLiteral("jp.example.petara3"));
    const QString dataDirOption = parseCommandLine(application);

    loadArtResources();
    application.setApplicationDisplayName(QStringLiteral("ペタラ　３"));
    application.setWindowIcon(QIcon(QPixmap::fromImage(PackedImage::load(QStringLiteral(":/art/icon")))));
    const ProgramFolderChoice choice = chooseProgramFolder(
        QCoreApplication::applicationFilePath(), dataDirOption,
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    // From here on text may be laid out, if only in an error message: the configuration must be read.
    fontConfig.wait();
    Fonts::installSubstitution();
    application.setFont(Fonts::gameFont(12));

    QtDialogs dialogs;
    std::unique_ptr<ProgramLock> lock;
    try {
        createFolder(choice.appDir);
        // A program folder on a read-only medium still plays, as it always has; nothing can be written there.
        if (!choice.runsInPlace() || QFileInfo(choice.appDir).isWritable())
            lock = lockProgramFolder(choice.appDir);
        prepareProgramFolder(choice);
    } catch (const AppError &error) {
        std::fprintf(stderr, "petara3: %s\n", error.what());
        dialogs.showError(error.message() + QStringLiteral("\rペタラ３を終了します。"));
        return 1;
    }

    SystemChance chance;
    QtDesktop desktop;
    Form1Services services;
    services.appDir = choice.appDir;
    services.dialogs = &dialogs;
    services.chance = &chance;
    services.desktop = &desktop;

    TForm1 form1(services);
    dialogs.setOwner(&form1);
    logFirstFrame(form1);
    form1.show();
    return application.exec();
}
