#pragma once

#include "game/BlindRecord.h"

#include <QString>

namespace MadeGames {

inline const QString teasing = QStringLiteral("\rコンピューター、うそつかない！？");

// A made real game: the right eye dragged from its tray for a second and dropped, four seconds of
// thought, then the nose dragged for 0.4 s and abandoned, with hints on the way.
inline BlindRecord blindGame()
{
    BlindRecord record;
    record.trayPlaces = {QPoint(344, 32), QPoint(464, 32), QPoint(336, 136), QPoint(336, 224)};
    record.beginDrag(1, 1000, QPoint(350, 40));
    record.move(1200, QPoint(300, 40));
    record.hint(1200, QStringLiteral("もっと左！もっと下！") + teasing, true, false);
    record.move(1500, QPoint(250, 40));
    record.hint(1800, QStringLiteral("もっと左！もっと上！") + teasing, false, false);
    record.drop(2000, QPoint(150, 140), QPoint(144, 132));
    record.beginDrag(3, 6000, QPoint(340, 140));
    record.hint(6200, QStringLiteral("もっと右！もっと上！") + teasing, true, true);
    record.abandon(6400, QPoint(300, 140));
    return record;
}

} // namespace MadeGames
