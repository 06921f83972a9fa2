#include "game/HintRules.h"

namespace HintRules {

QPoint target(QPoint rightPlace, bool lie, int r1, int r2)
{
    if (!lie)
        return rightPlace;
    return {rightPlace.x() + r1 + 20, rightPlace.y() + r2 + 20};
}

QString hint(QPoint pointer, QSize part, QPoint target)
{
    // The part is taken to be held at its centre; there is no word for "right there".
    const int left = pointer.x() - part.width() / 2;
    const int top = pointer.y() - part.height() / 2;
    const QString horizontal = left > target.x() ? QStringLiteral("もっと左！") : QStringLiteral("もっと右！");
    const QString vertical = top > target.y() ? QStringLiteral("もっと上！") : QStringLiteral("もっと下！");
    return horizontal + vertical + QStringLiteral("\rコンピューター、うそつかない！？");
}

QString verdict(bool lie)
{
    return lie ? QStringLiteral("先ほどの御案内は、うそでした。")
               : QStringLiteral("先ほどの御案内は、正しいものでした。");
}

} // namespace HintRules
