#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

// What the computer says while a part is dragged blind over the face.
namespace HintRules {

// The spot the hints steer to: the right place itself, or, when the computer lies, a false
// spot 20 + r1 to the right and 20 + r2 below it (r1, r2 drawn below 80).
QPoint target(QPoint rightPlace, bool lie, int r1, int r2);

// The hint for a part of the given size held at its centre at `pointer` (face coordinates):
// one horizontal and one vertical word, then the teasing line on a second line.
QString hint(QPoint pointer, QSize part, QPoint target);

// Which of a hint's two words steer away from the right place: a word lies when the right place
// itself would have given the other word. Only a lying game's false spot makes them differ.
struct Truth
{
    bool horizontalLie = false;
    bool verticalLie = false;
};
Truth truthOf(QPoint pointer, QSize part, QPoint target, QPoint rightPlace);

// The hint as a replay shows it, each lying word unmasked: "もっと左！←うそ".
QString unmasked(const QString &hint, Truth truth);

// The confession after the last part lands.
QString verdict(bool lie);

} // namespace HintRules
