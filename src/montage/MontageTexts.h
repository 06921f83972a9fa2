#pragma once

#include <QString>

// The montage screen's heading and guidance texts; "\r" is a line break.
namespace MontageTexts {

inline const QString Heading = QStringLiteral("モンタージュ中．．．");
inline const QString ChoosePieces = QStringLiteral(
    "「顔の輪郭」と各部分について、それぞれのタイトルをクリックしてから、その部分を読み込みたい人の名前をリスト上でクリックしてください。");
inline const QString ResizeHint = QStringLiteral(
    "各部分の大きさを変更したい場合は、それぞれのタイトルか各部分をクリックしてから、「＋」ボタン（拡大）または「－」ボタン（縮小）を押してください。");
inline const QString ChooseAndResize = ChoosePieces + QStringLiteral("\r") + ResizeHint;
inline const QString DragAndResize = QStringLiteral("目・鼻・口をドラッグして顔の上に置いてください。\r") + ResizeHint;

} // namespace MontageTexts
