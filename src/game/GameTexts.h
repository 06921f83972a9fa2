#pragma once

#include <QString>

// The guidance texts of a game; "\r" is a line break.
namespace GameTexts {

inline const QString PracticeStart = QStringLiteral(
    "練習モードです。\r目・鼻・口をドラッグして顔の上に置いてください。\r本番モードにするには「練習」ボタンを押してください。");
inline const QString RealStart = QStringLiteral(
    "本番モードです。\r目・鼻・口をドラッグして顔の上に置いてください。但し、動き出すと消えますよ！\r"
    "練習モードにするには「本番」ボタンを押してください。");
inline const QString Practice = QStringLiteral("練習モードです。\r目・鼻・口をドラッグして顔の上に置いてください。");
inline const QString Real = QStringLiteral(
    "本番モードです。\r目・鼻・口をドラッグして顔の上に置いてください。但し、動き出すと消えますよ！");
inline const QString PressStart = QStringLiteral("「スタート」ボタンを押してください。");
inline const QString PressUnveil = QStringLiteral("「お披露目」ボタンを押してください。");
inline const QString MontageName = QStringLiteral(
    "この顔を保存する場合は、この顔の名前を入力してから「保存」ボタンを押してください。\r"
    "ゲームを再開する場合は「キャンセル」ボタンを押してください。");
inline const QString Unveiled = QStringLiteral(
    "うまくできましたか？・・・\r「保存」ボタンを押すとこの顔を保存します。\r「顔選択」ボタンを押すとゲームを再開します。");
inline const QString Saved = QStringLiteral("「顔選択」ボタンを押すとゲームを再開します。");
inline const QString MontageSaved = QStringLiteral(
    "「キャンセル」ボタンを押すとゲームを再開します。\rモンタージュを続ける場合は、「顔の輪郭」と各部分について、"
    "それぞれのタイトルをクリックしてから、その部分を読み込みたい人の名前をリスト上でクリックしてください。");
inline const QString Replaying =
    QStringLiteral("リプレイ中です。\rもう一度「リプレイ」ボタンを押すと止まります。");
inline const QString ReplayNotSaved = QStringLiteral("作品は保存しましたが、リプレイは保存できませんでした。");

} // namespace GameTexts
