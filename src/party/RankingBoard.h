#pragma once

#include "party/Ranking.h"

#include <QImage>
#include <QWidget>

class QToolButton;

// The round's ranking on the main window: a card a player, best first, with the face as they
// left it, their place and score, and the winners marked. A click on a face asks for that
// player's replay.
class RankingBoard : public QWidget
{
    Q_OBJECT
public:
    explicit RankingBoard(QWidget *parent = nullptr);

    // pictures: each turn's face as it was left, by turn; a null picture leaves the card bare.
    void showRanking(const QList<RankedTurn> &ranking, const QList<QImage> &pictures);
    // The face button of a turn (from 0), objectName "RankingFace<turn + 1>"; null when none.
    QToolButton *faceButton(int turn) const;

Q_SIGNALS:
    void faceClicked(int turn);

private:
    void clear();
};
