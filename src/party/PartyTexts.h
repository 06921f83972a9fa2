#pragma once

#include <QString>
#include <QStringList>

// The guidance texts of a party round; "\r" is a line break.
namespace PartyTexts {

inline QString turnCall(const QString &player)
{
    return QStringLiteral(
               "%1さんの番です。ほかの人は画面を見ないでね！\r準備ができたら「始める」ボタンを押してください。")
        .arg(player);
}

// After a turn's unveiling; `saved` when its work was kept.
inline QString turnDone(bool saved, bool lastTurn)
{
    const QString saying = saved ? QStringLiteral("作品を保存しました。\r") : QString();
    return saying
           + (lastTurn ? QStringLiteral("全員終わりました。「結果発表」ボタンを押してください。")
                       : QStringLiteral("「次の人へ」ボタンを押してください。"));
}

inline QString winners(const QStringList &names)
{
    return QStringLiteral("優勝は%1さんです！おめでとう！\r顔をクリックすると、その人のリプレイが見られます。\r"
                          "「もう一回」で同じ顔をもう一度、「終わる」で顔選択に戻ります。")
        .arg(names.join(QStringLiteral("さんと")));
}

inline const QString QuitQuestion = QStringLiteral("みんなで遊ぶのをやめて、顔選択に戻りますか？");

inline QString workNotSaved(const QString &player)
{
    return QStringLiteral("%1さんの作品を保存できませんでした。").arg(player);
}

inline const QString NoReplay = QStringLiteral("この人のリプレイはありません。");

} // namespace PartyTexts
