#include "game/Unveiling.h"

#include "screen/ShownFace.h"
#include "screen/ScreenState.h"
#include "screen/NameRules.h"
#include "game/GameState.h"
#include "game/GameTexts.h"
#include "game/ScoreRules.h"
#include "game/WorkNaming.h"
#include "library/FaceLibrary.h"
#include "library/FacePaths.h"
#include "platform/system/AppError.h"
#include "platform/widgets/CaptionLabel.h"
#include "platform/system/Chance.h"
#include "platform/widgets/CommandButton.h"
#include "platform/files/FolderCreation.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/widgets/PictureBox.h"
#include "screen/Guidance.h"

#include <QLineEdit>

Unveiling::Unveiling(const Widgets &widgets, FaceLibrary &library, ScreenState &screen, GameState &state,
                     const ShownFace &shown, Chance &clock)
    : w(widgets), m_library(library), m_screen(screen), m_state(state), m_shown(shown), m_clock(clock)
{
}

void Unveiling::unveil()
{
    for (int k = 1; k <= 4; ++k)
        w.parts.picture(k)->show();
    ScreenConditions conditions = m_screen.conditions();
    conditions.gameFinished = true;
    m_screen.change(Screen::Unveiled, conditions);
    guide(w.guidanceLabel, GameTexts::Unveiled);

    std::array<QPoint, 4> placed;
    std::array<QPoint, 4> rightPlaces;
    const TFaceData &face = m_library.Faces.at(m_shown.CurrentFace);
    for (int k = 1; k <= 4; ++k) {
        placed[k - 1] = w.parts.picture(k)->pos() - w.facePicture->pos();
        rightPlaces[k - 1] = QPoint(face.partX(k), face.partY(k));
    }
    m_state.Score = scoreFor(placed, rightPlaces);

    w.scoreLabel->setCaption(QStringLiteral("得点\r　　") + QString::number(m_state.Score));
    w.scoreLabel->adjustSize();
    w.scoreLabel->show();
}

void Unveiling::saveWork()
{
    // Exactly what the window shows over the face, parts cut at the edges.
    const QRect area(w.facePicture->pos(), QSize(m_shown.DisplayWidth, m_shown.DisplayHeight));
    if (area.isEmpty())
        throw AppError(QStringLiteral("保存する顔がありません。"));
    QImage work = w.client->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    // A high-density screen grabs more device pixels than the work holds.
    if (work.size() != area.size())
        work = work.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    const bool montage = isMontage(m_screen.screen());
    const QString name = montage ? w.nameField->text() : m_library.Faces.at(m_shown.CurrentFace).Name;
    const QDateTime now = m_clock.now();
    const QString fileName = montage ? WorkNaming::montageWork(name, now)
                                     : WorkNaming::gameWork(name, now, m_state.Score);
    const QString problem = nameProblem(name, montage ? NameUse::MontageWork : NameUse::GameWork);
    if (!problem.isEmpty())
        throw AppError(problem);

    const QString folder = FacePaths::worksFolder(m_library.AppDir);
    createFolder(folder);
    // Throws before anything below runs, so "保存" stays enabled for another try.
    JpegCodec::encodeFile(work, folder + QLatin1Char('/') + fileName);

    if (montage) {
        w.guidanceLabel->setCaption(GameTexts::MontageSaved);
        w.nameField->clear();
        w.nameField->hide();
        m_screen.change(Screen::Montage);
    } else {
        w.guidanceLabel->setCaption(GameTexts::Saved);
        m_screen.change(Screen::WorkSaved);
    }
}
