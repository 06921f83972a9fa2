#include "app/TForm1.h"

#include "about/TForm2.h"
#include "app/ArtResources.h"
#include "app/FirstFrame.h"
#include "app/Form1Builder.h"
#include "app/OpeningSequence.h"
#include "creation/FaceCreation.h"
#include "gallery/Gallery.h"
#include "game/PartDragging.h"
#include "library/FaceDeletion.h"
#include "library/FacePaths.h"
#include "library/FaceRegistration.h"
#include "library/FaceSelection.h"
#include "library/Leftovers.h"
#include "library/LibraryLoading.h"
#include "library/OpeningFace.h"
#include "library/OpeningFaceChoice.h"
#include "game/GameStart.h"
#include "game/Unveiling.h"
#include "montage/Montage.h"
#include "music/MidiPlayer.h"
#include "music/MusicController.h"
#include "platform/MouseUpCheckBox.h"
#include "platform/CaptionLabel.h"
#include "platform/Chance.h"
#include "platform/CursorFile.h"
#include "platform/DpiScale.h"
#include "platform/DragController.h"
#include "platform/HandlerBoundary.h"
#include "platform/WindowPlacement.h"

#include <QComboBox>
#include <QTimer>

TForm1::TForm1(const Form1Services &services, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                              | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      m_services(services)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("ペタラ　３"));
    loadArtResources();
    w = buildForm1(this);
    m_screen = std::make_unique<ScreenState>(CommandWidgets{w.BtnSentaku, w.BtnStart, w.BtnRenshu, w.BtnKiritori,
                                                            w.BtnUp, w.BtnDown, w.N1, w.N9, w.N10, w.N7, w.N8});
    m_library.AppDir = services.appDir;
    m_opening = std::make_unique<OpeningSequence>(w, m_library, m_shownFace, m_game, *m_screen, *m_services.chance);
    m_selection = std::make_unique<FaceSelection>(w, m_library, *m_screen, m_shownFace);
    m_openingFace = std::make_unique<OpeningFaceChoice>(*w.CheckBox1, m_library, m_shownFace, *m_services.dialogs);
    m_drag = std::make_unique<DragController>(this);
    m_gameStart = std::make_unique<GameStart>(w, m_library, m_shownFace, m_game, *m_screen, *m_services.chance);
    m_dragging = std::make_unique<PartDragging>(w, m_library, m_shownFace, *m_screen, m_game, *m_drag,
                                                *m_services.chance);
    m_unveiling = std::make_unique<Unveiling>(w, m_library, *m_screen, m_game, m_shownFace, *m_services.chance);
    m_montage = std::make_unique<Montage>(w, m_library, *m_screen, m_game, m_shownFace);
    m_registration = std::make_unique<FaceRegistration>(m_library, m_shownFace, *w.ComboBox1, *w.Edit1,
                                                        *m_services.dialogs, m_services.windowsFolder);
    m_creation = std::make_unique<FaceCreation>(w, *m_screen, m_shownFace, *m_services.dialogs, *m_selection,
                                                *m_registration);
    m_deletion = std::make_unique<FaceDeletion>(w, m_library, *m_screen, m_shownFace, *m_services.dialogs);
    m_gallery = std::make_unique<Gallery>(w, m_library, *m_screen, *m_services.dialogs);
    m_player = std::make_unique<MidiPlayer>();
    m_musicController = std::make_unique<MusicController>(w, m_music, m_library, *m_services.dialogs, *m_player);
    if (m_services.music)
        m_opening->setMusicStart([this] { m_musicController->startMusic(); });
    // The About box is made at start and stays hidden until asked for.
    m_form2 = std::make_unique<TForm2>(*m_services.desktop, *m_services.dialogs, this);
    m_form2->setOnClose([this] { guarded([this] { m_musicController->resumeAfterDialog(); }); });
    connectHandlers();
    setFixedSize(sizeHint());
    centreOnScreen(this);
}

TForm1::~TForm1() = default;

int TForm1::openingStep() const
{
    return m_opening->OpeningStep;
}

QCursor TForm1::transparentCursor() const
{
    return m_transparentCursor;
}

bool TForm1::guarded(const std::function<void()> &handler)
{
    return runHandler(*m_services.dialogs, handler);
}

void TForm1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TForm1::closeEvent(QCloseEvent *event)
{
    FormClose();
    QMainWindow::closeEvent(event);
}

void TForm1::FormShow()
{
    guarded([this] { startUp(); });
}

void TForm1::startUp()
{
    m_transparentCursor = CursorFile::load(FacePaths::cursorFile(m_library.AppDir)).value_or(QCursor(Qt::ArrowCursor));
    m_dragging->setTransparentCursor(m_transparentCursor);
    const LibraryIndex index = loadLibrary(m_library, *w.ComboBox1, Dpi::LayoutScale);
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
    w.Timer1->start();
}

void TForm1::Timer1Timer()
{
    if (m_opening->isRunning())
        guarded([this] { m_opening->tick(); });
    guarded([this] { m_musicController->loopCheck(); });
}

void TForm1::FormClose()
{
    if (m_closed)
        return;
    m_closed = true;
    w.Timer1->stop();
    guarded([this] { m_musicController->saveSwitch(); });
    m_musicController->close();
}
