#include "game/HintRules.h"

#include <utility>

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

namespace {

// Where the hint's first and second word end: each ends in "！". 0 where one is missing.
std::pair<qsizetype, qsizetype> wordEnds(const QString &hint)
{
    const qsizetype first = hint.indexOf(u'！') + 1;
    const qsizetype second = first > 0 ? hint.indexOf(u'！', first) + 1 : 0;
    return {first, second};
}

} // namespace

Truth truthOf(QPoint pointer, QSize part, QPoint target, QPoint rightPlace)
{
    const QString told = hint(pointer, part, target);
    const QString truthful = hint(pointer, part, rightPlace);
    const auto [first, second] = wordEnds(told);
    return {told.left(first) != truthful.left(first),
            told.mid(first, second - first) != truthful.mid(first, second - first)};
}

QString unmasked(const QString &hint, Truth truth)
{
    const auto [first, second] = wordEnds(hint);
    if (second <= 0)
        return hint;
    const QString mark = QStringLiteral("←うそ");
    return hint.left(first) + (truth.horizontalLie ? mark : QString()) + hint.mid(first, second - first)
           + (truth.verticalLie ? mark : QString()) + hint.mid(second);
}

QString verdict(bool lie)
{
    return lie ? QStringLiteral("先ほどの御案内は、うそでした。")
               : QStringLiteral("先ほどの御案内は、正しいものでした。");
}

} // namespace HintRules
