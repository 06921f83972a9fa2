#include "library/DeletionFiles.h"

#include "library/DeletionPlan.h"
#include "library/FacePaths.h"
#include "library/HallOfFameFile.h"
#include "library/LibraryIndex.h"
#include "platform/system/AppError.h"
#include "platform/system/DpiScale.h"
#include "platform/files/AtomicFile.h"
#include "platform/files/FileMoves.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

constexpr int PicturesPerFace = 6;

} // namespace

DeletionFiles::DeletionFiles(QString appDir, Step beforeEachStep)
    : m_appDir(std::move(appDir)), m_beforeEachStep(std::move(beforeEachStep))
{
}

void DeletionFiles::step()
{
    if (m_beforeEachStep)
        m_beforeEachStep();
}

QString DeletionFiles::picture(int face, int k) const
{
    return FacePaths::facePicture(m_appDir, face, k);
}

bool DeletionFiles::pending() const
{
    return QFileInfo(DeletionJournal::path(m_appDir)).isFile();
}

void DeletionFiles::writeJournal(DeletionJournal &journal, DeletionJournal::State state)
{
    step();
    journal.state = state;
    writeFileAtomically(DeletionJournal::path(m_appDir), journal.toBytes());
}

void DeletionFiles::run(DeletionJournal journal)
{
    if (pending())
        throw AppError(QStringLiteral("前の顔の削除がまだ終わっていません。"));
    journal.picturesBefore.clear();
    for (int slot = 0; slot < journal.slots(); ++slot) {
        for (int p = 0; p < PicturesPerFace; ++p)
            journal.picturesBefore.push_back(QFile::exists(picture(journal.deleted + slot, p)));
    }
    writeJournal(journal, DeletionJournal::State::Started);
    complete(journal, std::vector<int>(PicturesPerFace, 0));
}

std::vector<int> DeletionFiles::movesDone(const DeletionJournal &journal) const
{
    std::vector<int> done;
    for (int p = 0; p < PicturesPerFace; ++p) {
        std::vector<bool> had;
        std::vector<bool> has;
        for (int slot = 0; slot < journal.slots(); ++slot) {
            had.push_back(journal.hadPicture(slot, p));
            has.push_back(QFile::exists(picture(journal.deleted + slot, p)));
        }
        const int moves = DeletionPlan::movesDone(had, has);
        if (moves < 0)
            throw AppError(QStringLiteral("顔の画像が、削除の途中のどの時点とも合いません。\r"
                                          "「data」フォルダーの顔の画像が書き換えられた可能性があります。"));
        done.push_back(moves);
    }
    return done;
}

void DeletionFiles::complete(DeletionJournal &journal, std::vector<int> done)
{
    if (journal.state == DeletionJournal::State::Started) {
        step();
        writeFileAtomically(FacePaths::indexFile(m_appDir), journal.newIndex);
        // The deleted face's hall of fame goes with it, before the step is marked done: a kill
        // in between repeats both, and both come out the same again.
        step();
        forgetDeletedFacesFame();
        writeJournal(journal, DeletionJournal::State::Indexed);
    }
    // Move 0 removes the deleted face's picture; move t brings face deleted + t down one number.
    // A picture that a face lacked before leaves its new number's slot empty.
    for (int p = 0; p < PicturesPerFace; ++p) {
        for (int t = done[size_t(p)]; t < journal.slots(); ++t) {
            step();
            if (t == 0)
                FileMoves::removeFile(picture(journal.deleted, p));
            else
                FileMoves::moveFile(picture(journal.deleted + t, p), picture(journal.deleted + t - 1, p));
        }
    }
    step();
    FileMoves::syncFolder(m_appDir + QStringLiteral("data"));
    step();
    FileMoves::removeFile(DeletionJournal::path(m_appDir));
}

void DeletionFiles::forgetDeletedFacesFame() const
{
    // A missing hall has nothing to forget; one the game cannot read is left for the game to set
    // aside, with its message.
    std::optional<HallOfFame> hall = HallOfFameFile::read(m_appDir);
    if (!hall)
        return;
    // Face names are unique, and every face left is in the index just written.
    QSet<QString> left;
    for (const TFaceData &face : loadLibraryIndex(m_appDir, Dpi::LayoutScale).Faces)
        left.insert(face.Name);
    bool changed = false;
    for (const QString &face : hall->faces()) {
        if (!left.contains(face)) {
            hall->forgetFace(face);
            changed = true;
        }
    }
    if (changed)
        HallOfFameFile::save(m_appDir, *hall);
}

bool DeletionFiles::finishPending()
{
    if (!pending())
        return false;
    const QString path = DeletionJournal::path(m_appDir);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("ファイル「%1」を読み込めませんでした。").arg(QDir::toNativeSeparators(path)));
    std::optional<DeletionJournal> journal = DeletionJournal::parse(file.readAll());
    file.close();
    if (!journal)
        throw AppError(QStringLiteral("顔の削除の記録「%1」が壊れています。").arg(QDir::toNativeSeparators(path)));
    complete(*journal, movesDone(*journal));
    return true;
}

void finishInterruptedDeletion(const QString &appDir)
{
    try {
        DeletionFiles(appDir).finishPending();
    } catch (const AppError &error) {
        throw AppError(QStringLiteral("前回中断した顔の削除を仕上げられませんでした。\r%1\r"
                                      "「data」フォルダーに書き込めることを確かめてから、もう一度起動してください。")
                           .arg(error.message()));
    }
}
