#pragma once

#include <QString>

// The guidance line's texts; "\r" is a line break.
namespace Guidance {

inline const QString Opening = QStringLiteral("\r\r「顔選択」ボタンを押してください。");
inline const QString Loading = QStringLiteral("データロード中．．．");
inline const QString FaceSelect = QStringLiteral(
    "「顔選択」ボタンか、プルダウンリストで好きな顔を選んだら、\r「スタート」ボタンを押してください。\r"
    "新たに顔を作りたい場合は、メニューの「顔の作成／削除」－「顔の作成」をクリックしてください。");

} // namespace Guidance
