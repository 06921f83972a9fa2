#include "app/MainWindow.h"

#include "about/AboutBox.h"
#include "app/ArtResources.h"
#include "app/FirstFrame.h"
#include "app/MainWindowBuilder.h"
#include "app/ControllerViews.h"
#include "app/OpeningSequence.h"
#include "creation/FaceCreation.h"
#include "gallery/Gallery.h"
#include "gallery/GalleryReplay.h"
#include "game/ReplayPlayback.h"
#include "game/PartDragging.h"
#include "library/FaceDeletion.h"
#include "library/FacePaths.h"
#include "library/FaceRegistration.h"
#include "library/FaceSelection.h"
#include "library/HallOfFameKeeper.h"
#include "library/Leftovers.h"
#include "library/LibraryLoading.h"
#include "library/OpeningFace.h"
#include "library/OpeningFaceChoice.h"
#include "game/GameStart.h"
#include "game/Unveiling.h"
#include "montage/Montage.h"
#include "party/RoundController.h"
#include "music/MidiPlayer.h"
#include "music/MusicController.h"
#include "platform/widgets/MouseUpCheckBox.h"
#include "platform/widgets/CaptionLabel.h"
#include "platform/system/Chance.h"
#include "platform/pictures/CursorFile.h"
#include "platform/system/DpiScale.h"
#include "platform/widgets/DragController.h"
#include "platform/widgets/HandlerBoundary.h"
#include "platform/widgets/WindowPlacement.h"

#include <QComboBox>
#include <QTimer>

MainWindow::MainWindow(const MainWindowServices &services, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_services(services)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ペタラ　３"));
    loadArtResources();
    w = buildMainWindowWidgets(this);
    m_screen = std::make_unique<ScreenState>(
        CommandWidgets{w.selectButton, w.startButton, w.modeButton, w.cutOrDeleteButton, w.growButton, w.shrinkButton,
                       w.replayButton, w.doubleSpeedButton, w.slideshowButton, w.faceMenuAction, w.createFaceAction,
                       w.deleteFacesAction, w.galleryAction, w.montageAction, w.partyMenuAction});
    m_library.AppDir = services.appDir;
    m_opening = std::make_unique<OpeningSequence>(openingView(w), m_library, m_shownFace, m_game, *m_screen,
                                                  *m_services.chance);
    m_selection = std::make_unique<FaceSelection>(selectionView(w), m_library, *m_screen, m_shownFace);
    m_openingFace = std::make_unique<OpeningFaceChoice>(*w.openingFaceBox, m_library, m_shownFace, *m_services.dialogs);
    m_drag = std::make_unique<DragController>(this);
    m_gameStart = std::make_unique<GameStart>(gameStartView(w), m_library, m_shownFace, m_game, *m_screen,
                                              *m_services.chance);
    m_dragging = std::make_unique<PartDragging>(draggingView(w), m_library, m_shownFace, *m_screen, m_game, *m_drag,
                                                *m_services.chance);
    m_hallOfFame = std::make_unique<HallOfFameKeeper>(services.appDir);
    m_unveiling = std::make_unique<Unveiling>(unveilingView(w), m_library, *m_screen, m_game, m_shownFace,
                                              *m_services.chance, *m_hallOfFame);
    m_montage = std::make_unique<Montage>(montageView(w), m_library, *m_screen, m_game, m_shownFace);
    m_registration = std::make_unique<FaceRegistration>(m_library, m_shownFace, *w.faceList, *w.nameField,
                                                        *m_services.dialogs, m_services.windowsFolder);
    m_creation = std::make_unique<FaceCreation>(creationView(w), *m_screen, m_shownFace, *m_services.dialogs,
                                                *m_selection, *m_registration);
    m_deletion = std::make_unique<FaceDeletion>(deletionView(w), m_library, *m_screen, m_shownFace,
                                                *m_services.dialogs);
    m_gallery = std::make_unique<Gallery>(galleryView(w), m_library, *m_screen, *m_services.dialogs);
    m_replay = std::make_unique<ReplayPlayback>(replayView(w), m_game);
    m_round = std::make_unique<RoundController>(
        roundView(w, this),
        RoundController::Services{.library = m_library,
                                  .shown = m_shownFace,
                                  .game = m_game,
                                  .screen = *m_screen,
                                  .selection = *m_selection,
                                  .gameStart = *m_gameStart,
                                  .unveiling = *m_unveiling,
                                  .replay = *m_replay,
                                  .dialogs = *m_services.dialogs,
                                  .chance = *m_services.chance,
                                  .keepReplayBeside = [this](const QString &work) { saveReplayBeside(work); }});
    m_galleryReplay = std::make_unique<GalleryReplay>(GalleryReplay::Widgets{
        .facePicture = w.facePicture, .replayButton = w.replayButton, .doubleSpeedButton = w.doubleSpeedButton});
    m_player = std::make_unique<MidiPlayer>();
    m_musicController = std::make_unique<MusicController>(
        MusicController::Widgets{.musicOnAction = w.musicOnAction, .musicOffAction = w.musicOffAction}, m_music,
        m_library, *m_services.dialogs, *m_player);
    if (m_services.music)
        m_opening->setMusicStart([this] { m_musicController->startMusic(); });
    // The About box is made at start and stays hidden until asked for.
    m_aboutBox = std::make_unique<AboutBox>(*m_services.desktop, *m_services.dialogs, this);
    m_aboutBox->setOnClose([this] { guarded([this] { m_musicController->resumeAfterDialog(); }); });
    connectHandlers();
    setFixedSize(sizeHint());
    centreOnScreen(this);
}

MainWindow::~MainWindow() = default;

int MainWindow::openingStep() const
{
    return m_opening->OpeningStep;
}

QCursor MainWindow::transparentCursor() const
{
    return m_transparentCursor;
}

bool MainWindow::guarded(const std::function<void()> &handler)
{
    return runHandler(*m_services.dialogs, handler);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        windowShown();
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    windowClosing();
    QMainWindow::closeEvent(event);
}

void MainWindow::windowShown()
{
    guarded([this] { startUp(); });
}

void MainWindow::startUp()
{
    m_transparentCursor = CursorFile::load(FacePaths::cursorFile(m_library.AppDir)).value_or(QCursor(Qt::ArrowCursor));
    m_dragging->setTransparentCursor(m_transparentCursor);
    const LibraryIndex index = loadLibrary(m_library, *w.faceList, Dpi::LayoutScale);
    // What writes killed midway left behind goes once the window stands; no screen needs it.
    afterFirstFrame(*this,
                    [appDir = m_library.AppDir, count = index.StoredFaceCount] { removeLeftovers(appDir, count); });
    m_shownFace.CurrentFace = openingFace(m_library, *m_services.chance);
    m_opening->prepare();
    // Taken only once the start-up has succeeded: after a failure, closing writes nothing.
    m_musicController->takeSettings(index.BgmOn, index.MusicFileName);
    // The first tick opens the tune 500 ms from now; the sound font loads meanwhile, once the
    // window is on screen, so that it never delays the first frame.
    if (m_services.music)
        afterFirstFrame(*this, [this] { m_player->prepare(); });
    w.tickTimer->start();
}

void MainWindow::tick()
{
    if (m_opening->isRunning())
        guarded([this] { m_opening->tick(); });
    guarded([this] { m_musicController->loopCheck(); });
}

void MainWindow::windowClosing()
{
    if (m_closed)
        return;
    m_closed = true;
    w.tickTimer->stop();
    guarded([this] { m_musicController->saveSwitch(); });
    m_musicController->close();
}
