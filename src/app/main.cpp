#include "app/ArtResources.h"
#include "app/FirstFrame.h"
#include "app/ProgramFolderChoice.h"
#include "app/ProgramLock.h"
#include "app/QtJapanese.h"
#include "app/SecondStart.h"
#include "app/MainWindow.h"
#include "app/WindowSystemChoice.h"
#include "platform/system/AppError.h"
#include "platform/landmarks/FaceLandmarks.h"
#include "platform/files/FolderCreation.h"
#include "platform/system/FontConfigPreload.h"
#include "platform/widgets/Fonts.h"
#include "platform/widgets/GameStyle.h"
#include "platform/widgets/QtDesktop.h"
#include "platform/widgets/QtDialogs.h"
#include "platform/system/SystemChance.h"
#include "platform/pictures/PackedImage.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QStandardPaths>

#include <cstdio>
#include <vector>

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

// The command line with "-platform NAME" right behind the program's name, when a platform is
// chosen: a -platform the player gives later on the line still wins, and unlike the variable
// QT_QPA_PLATFORM it is not handed down to the programs the game opens (the help text's editor).
class PlatformArguments
{
public:
    PlatformArguments(int argc, char *argv[], const QByteArray &platform)
        : m_platformOption("-platform"), m_platform(platform)
    {
        m_values.assign(argv, argv + argc);
        if (!platform.isEmpty() && argc > 0)
            m_values.insert(m_values.begin() + 1, {m_platformOption.data(), m_platform.data()});
        m_count = int(m_values.size());
        m_values.push_back(nullptr);
    }
    // QApplication keeps both, and may take its own options out of them.
    int &count() { return m_count; }
    char **values() { return m_values.data(); }

private:
    QByteArray m_platformOption;
    QByteArray m_platform;
    std::vector<char *> m_values;
    int m_count;
};

// The message of a start that cannot go on, on standard error and in a box.
int endWith(Dialogs &dialogs, const AppError &error)
{
    std::fprintf(stderr, "petara3: %s\n", error.what());
    dialogs.showError(error.message() + QStringLiteral("\rペタラ３を終了します。"));
    return 1;
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
    PlatformArguments arguments(argc, argv, chosenQtPlatform(SessionVariables::ofThisProcess()));
    QApplication application(arguments.count(), arguments.values());
    // Before the first window, so that every box and dialog of Qt's speaks Japanese.
    installQtJapanese(application);
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
    SecondStartListener secondStarts;
    try {
        createFolder(choice.appDir);
        // A program folder on a read-only medium still plays, as it always has; nothing can be written there.
        if (!choice.runsInPlace() || QFileInfo(choice.appDir).isWritable()) {
            lock = lockProgramFolder(choice.appDir);
            secondStarts.listen(choice.appDir);
        }
        prepareProgramFolder(choice);
    } catch (const ProgramAlreadyRunning &error) {
        // The player wants the game: the one running comes forward, and this start ends at once.
        if (SecondStart::askRunningCopyForward(choice.appDir)) {
            std::fprintf(stderr, "petara3: %s起動中のウィンドウを前面に出しました。\n", error.what());
            return 0;
        }
        return endWith(dialogs, error);
    } catch (const AppError &error) {
        return endWith(dialogs, error);
    }

    SystemChance chance;
    QtDesktop desktop;
    MainWindowServices services;
    services.appDir = choice.appDir;
    services.dialogs = &dialogs;
    services.chance = &chance;
    services.desktop = &desktop;

    // Face creation simply offers no "自動" without them; the log says why, once.
    const QString outlinesMissing = FaceLandmarks::missingPieces();
    if (!outlinesMissing.isEmpty())
        std::fprintf(stderr, "petara3: automatic outlines: not installed (%s)\n", qPrintable(outlinesMissing));

    MainWindow form1(services);
    dialogs.setOwner(&form1);
    secondStarts.setWindow(&form1);
    logFirstFrame(form1);
    form1.show();
    return application.exec();
}
