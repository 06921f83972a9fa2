#include "game/Unveiling.h"

#include "screen/ShownFace.h"
#include "screen/ScreenState.h"
#include "screen/NameRules.h"
#include "game/GameState.h"
#include "game/GameTexts.h"
#include "game/PartReview.h"
#include "game/ScoreRules.h"
#include "game/WorkNaming.h"
#include "library/FaceLibrary.h"
#include "library/FacePaths.h"
#include "library/HallOfFameKeeper.h"
#include "platform/system/AppError.h"
#include "platform/widgets/CaptionLabel.h"
#include "platform/system/Chance.h"
#include "platform/widgets/CommandButton.h"
#include "platform/files/FolderCreation.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/widgets/LineOverlay.h"
#include "platform/widgets/PictureBox.h"
#include "screen/Guidance.h"

#include <QLineEdit>
#include <QStringList>
#include <QVector>

Unveiling::Unveiling(const Widgets &widgets, FaceLibrary &library, ScreenState &screen, GameState &state,
                     const ShownFace &shown, Chance &clock, HallOfFameKeeper &hallOfFame)
    : w(widgets), m_library(library), m_screen(screen), m_state(state), m_shown(shown), m_clock(clock),
      m_hallOfFame(hallOfFame)
{
}

void Unveiling::unveil(const QString &player)
{
    for (int k = 1; k <= 4; ++k)
        w.parts.picture(k)->show();
    ScreenConditions conditions = m_screen.conditions();
    conditions.gameFinished = true;
    conditions.replayRecorded = !m_state.Record.drags.isEmpty();
    m_screen.change(conditions.roundTurn ? Screen::TurnUnveiled : Screen::Unveiled, conditions);
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
    showReview(placed, rightPlaces);

    m_announcement.clear();
    const HallOfFameKeeper::Entered entered = m_hallOfFame.enter(face.Name, {player, m_state.Score, m_clock.now()});
    if (entered.place > 0) {
        m_announcement = rankInAnnouncement(entered.place);
        guide(w.guidanceLabel, m_announcement + QStringLiteral("\r") + GameTexts::Unveiled);
    }
    if (!entered.problems.isEmpty())
        throw AppError(entered.problems.join(u'\r'));
}

void Unveiling::showReview(const std::array<QPoint, 4> &placed, const std::array<QPoint, 4> &rightPlaces)
{
    // One colour a part, the same in the lines and in nothing else on the screen.
    static const QColor colours[] = {QColor(0xE0, 0x00, 0x00), QColor(0x00, 0x40, 0xFF), QColor(0x00, 0xA0, 0x00),
                                     QColor(0xC0, 0x00, 0xC0)};
    const std::array<int, 4> costs = PartReview::costs(placed, rightPlaces);
    const int best = PartReview::bestPart(costs);
    QStringList lines;
    QVector<LineOverlay::Line> strokes;
    for (int k = 1; k <= 4; ++k) {
        lines << PartReview::line(k, costs[k - 1], k == best);
        // From the middle of the part where it lies to the middle of its right place.
        const QPoint half(w.parts.picture(k)->width() / 2, w.parts.picture(k)->height() / 2);
        strokes.append({QLine(placed[k - 1] + half, rightPlaces[k - 1] + half), colours[k - 1]});
    }
    w.reviewLabel->setCaption(lines.join(u'\r'));
    w.reviewLabel->show();
    w.reviewLines->setGeometry(w.facePicture->geometry());
    w.reviewLines->setLines(strokes);
    w.reviewLines->setLinesShown(true);
    w.reviewLines->show();
    w.reviewLines->raise();
}

void Unveiling::hideReview()
{
    w.reviewLabel->hide();
    w.reviewLines->hide();
}

QImage Unveiling::workPicture() const
{
    // Exactly what the window shows over the face, parts cut at the edges.
    const QRect area(w.facePicture->pos(), QSize(m_shown.DisplayWidth, m_shown.DisplayHeight));
    if (area.isEmpty())
        throw AppError(QStringLiteral("保存する顔がありません。"));
    // The review's lines are for the room, not for the work.
    const bool linesVisible = w.reviewLines->isVisible();
    w.reviewLines->hide();
    QImage work = w.client->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    w.reviewLines->setVisible(linesVisible);
    // A high-density screen grabs more device pixels than the work holds.
    if (work.size() != area.size())
        work = work.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return work;
}

QString Unveiling::writeWork(const QImage &picture, const QString &fileName)
{
    const QString folder = FacePaths::worksFolder(m_library.AppDir);
    createFolder(folder);
    const QString path = folder + QLatin1Char('/') + fileName;
    JpegCodec::encodeFile(picture, path);
    return path;
}

QString Unveiling::saveRoundWork(const QString &player, const QImage &picture)
{
    const QString face = m_library.Faces.at(m_shown.CurrentFace).Name;
    const QString problem = playerNameProblem(player, face);
    if (!problem.isEmpty())
        throw AppError(problem);
    return writeWork(picture, WorkNaming::roundWork(face, player, m_clock.now(), m_state.Score));
}

QString Unveiling::saveWork()
{
    const QImage work = workPicture();
    const bool montage = isMontage(m_screen.screen());
    const QString name = montage ? w.nameField->text() : m_library.Faces.at(m_shown.CurrentFace).Name;
    const QDateTime now = m_clock.now();
    const QString fileName = montage ? WorkNaming::montageWork(name, now)
                                     : WorkNaming::gameWork(name, now, m_state.Score);
    const QString problem = nameProblem(name, montage ? NameUse::MontageWork : NameUse::GameWork);
    if (!problem.isEmpty())
        throw AppError(problem);
    // Throws before anything below runs, so "保存" stays enabled for another try.
    const QString path = writeWork(work, fileName);

    if (montage) {
        w.guidanceLabel->setCaption(GameTexts::MontageSaved);
        w.nameField->clear();
        w.nameField->hide();
        m_screen.change(Screen::Montage);
    } else {
        w.guidanceLabel->setCaption(GameTexts::Saved);
        m_screen.change(Screen::WorkSaved);
    }
    return path;
}
