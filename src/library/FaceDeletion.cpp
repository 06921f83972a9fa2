#include "library/FaceDeletion.h"

#include "library/DeletionPlan.h"
#include "library/FaceLibrary.h"
#include "library/FacePaths.h"
#include "library/FacePictureLoader.h"
#include "platform/system/AppError.h"
#include "platform/widgets/CaptionLabel.h"
#include "platform/widgets/CommandButton.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/MouseUpCheckBox.h"
#include "platform/widgets/PictureBox.h"
#include "screen/ListPlacement.h"
#include "screen/ScreenState.h"
#include "screen/ShownFace.h"
#include "platform/widgets/ListBox.h"
#include "screen/Guidance.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QWidget>

namespace {

const QString Guidance = QStringLiteral("削除したい顔をリスト上でクリックしてから「削除」ボタンを押してください。\r"
                                        "「キャンセル」ボタンを押すとゲームを再開します。");
const QString NoMoreGuidance = QStringLiteral("これ以上は削除できません。\r「キャンセル」ボタンを押してください。");
const QString OpeningFaceQuestion = QStringLiteral("その顔はオープニングの顔に設定されています。\r削除しますか？");
const QString Failed = QStringLiteral("顔を削除できませんでした。\r");
const QString Unfinished = QStringLiteral("顔の削除を最後まで終えられませんでした。\r"
                                          "続きは次に起動したときに行います。プログラムを終了します。");

// The index as the key-by-key writes would find it: missing reads as empty.
QByteArray readIndex(const QString &appDir)
{
    QFile file(FacePaths::indexFile(appDir));
    if (!file.exists())
        return QByteArray();
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(
            QStringLiteral("ファイル「%1」を読み込めませんでした。").arg(QDir::toNativeSeparators(file.fileName())));
    return file.readAll();
}

} // namespace

FaceDeletion::FaceDeletion(const Widgets &widgets, FaceLibrary &library, ScreenState &screen, ShownFace &shown,
                           Dialogs &dialogs)
    : w(widgets), m_library(library), m_screen(screen), m_shown(shown), m_dialogs(dialogs)
{
}

void FaceDeletion::startDeletion()
{
    m_picked = -1;
    ScreenConditions conditions = m_screen.conditions();
    conditions.facePicked = false;
    m_screen.change(Screen::FaceDelete, conditions);
    w.facePicture->clearPicture();
    w.openingFaceBox->hide();
    w.faceList->hide();
    guide(w.guidanceLabel, Guidance);
    w.faceNameLabel->setCaption(QStringLiteral("顔の削除中．．．"));
    placeListBesideFace(*w.facePicture, *w.pickList);
    w.pickList->clear();
    w.pickList->addItems(faceNames());
    w.pickList->show();
}

void FaceDeletion::markFace(int row)
{
    if (m_library.FaceCount <= 2 || !m_library.hasFace(row))
        return;
    // "削除" always deletes the face on show, so it is off until the picked face is shown.
    pick(-1);
    FacePictureLoader::loadWhole(*w.facePicture, FacePaths::facePicture(m_library.AppDir, row, 0));
    pick(row);
}

void FaceDeletion::pick(int row)
{
    m_picked = row;
    ScreenConditions conditions = m_screen.conditions();
    conditions.facePicked = row >= 0;
    m_screen.change(Screen::FaceDelete, conditions);
}

void FaceDeletion::deleteMarkedFaces()
{
    const int deleted = m_picked;
    pick(-1);
    if (m_library.FaceCount <= 2 || !m_library.hasFace(deleted))
        return;

    const int titleAfter = DeletionPlan::titleFaceAfter(m_library.TitleFaceIndex, deleted);
    if (deleted == m_library.TitleFaceIndex && !m_dialogs.askYesNo(OpeningFaceQuestion))
        return;

    const bool finished = deleteFiles(deleted, titleAfter);
    applyToTable(deleted, titleAfter);
    if (!finished) {
        // The files are half-way; any further change to the library could be lost when the next
        // start completes the deletion, so this run ends here.
        m_dialogs.showError(Unfinished);
        w.client->window()->close();
    }
}

bool FaceDeletion::deleteFiles(int deleted, int titleAfter)
{
    DeletionFiles files(m_library.AppDir, m_fileStep);
    // Only a start completes a deletion left over from elsewhere; the table here does not know it.
    if (files.pending())
        throw AppError(Failed + QStringLiteral("前の顔の削除がまだ終わっていません。もう一度起動してください。"));
    DeletionJournal journal;
    try {
        journal.faceCount = m_library.FaceCount;
        journal.deleted = deleted;
        const QVector<TFaceData> after = DeletionPlan::facesAfter(m_library.Faces, deleted);
        journal.newIndex = ProfileText::withEdits(
            readIndex(m_library.AppDir),
            DeletionPlan::indexEdits(after, deleted, m_library.TitleFaceIndex, titleAfter, m_library.DpiScale));
        files.run(journal);
        return true;
    } catch (const AppError &failure) {
        if (!files.pending())
            throw AppError(Failed + failure.message());
    }
    // Past the commit the deletion stands; one more attempt at once usually completes it.
    try {
        files.finishPending();
        return true;
    } catch (const AppError &) {
        return false;
    }
}

void FaceDeletion::applyToTable(int deleted, int titleAfter)
{
    const int before = m_library.FaceCount;
    m_shown.CurrentFace = DeletionPlan::currentFaceAfter(m_shown.CurrentFace, deleted, before);
    m_library.Faces = DeletionPlan::facesAfter(m_library.Faces, deleted);
    m_library.FaceCount = before - 1;
    m_library.TitleFaceIndex = titleAfter;
    refillLists();
    w.facePicture->clearPicture();
    if (m_library.FaceCount == 2)
        guide(w.guidanceLabel, NoMoreGuidance);
}

QStringList FaceDeletion::faceNames() const
{
    QStringList names;
    names.reserve(m_library.FaceCount);
    for (const TFaceData &face : std::as_const(m_library.Faces))
        names.append(face.Name);
    return names;
}

void FaceDeletion::refillLists()
{
    const QStringList names = faceNames();
    w.pickList->clear();
    w.pickList->addItems(names);
    w.faceList->clear();
    w.faceList->addItems(names);
    w.faceList->setCurrentIndex(-1);
}
