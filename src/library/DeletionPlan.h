#pragma once

#include "library/TFaceData.h"
#include "platform/files/ProfileText.h"

#include <QVector>

#include <vector>

// The renumbering rules of deleting face `deleted` from a library of `faceCount` faces: every
// later face moves down by one number, in the table, the index and the picture files alike.
namespace DeletionPlan {

// CurrentFace afterwards: the last face, deleted while it is current, gives 0; the deletion of
// an earlier face lowers the number by one; otherwise it stays (naming the face that moved in).
int currentFaceAfter(int current, int deleted, int faceCount);

// TitleFaceIndex afterwards: -1 when the opening face itself goes, one lower when an earlier
// face goes, unchanged when a later one goes or there is none.
int titleFaceAfter(int title, int deleted);

// The table without the deleted face.
QVector<TFaceData> facesAfter(const QVector<TFaceData> &faces, int deleted);

// The index changes, in the order the game writes them: TitleFace/NO when it changes, then
// faces/count, then Name, X1..X4, Y1..Y4 of every renumbered section from the deleted number
// on, then the removal of the old last section. Places are stored at 96 pixels per inch.
std::vector<ProfileText::Edit> indexEdits(const QVector<TFaceData> &facesAfter, int deleted, int titleBefore,
                                          int titleAfter, qint64 dpiScale);

// How far the moves of one picture number have come when a deletion was cut short. The faces
// from the deleted one on are slots 0 .. n - 1; move 0 removes slot 0's picture and move t
// (t >= 1) moves slot t's picture into slot t - 1. had[i] tells whether slot i held the picture
// before the first move, has[i] whether it holds one now. Returns how many moves are done (n when
// all are), or -1 when no point of the run leaves what is there. Points that differ only by moves
// of pictures that were missing look alike and are alike, so the first that fits is the answer.
int movesDone(const std::vector<bool> &had, const std::vector<bool> &has);

} // namespace DeletionPlan
