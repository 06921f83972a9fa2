#pragma once

#include <QString>

// The captions of the multi-purpose buttons: what the player reads, and nothing more. The
// command table gives each screen's captions; no handler compares them.
namespace Caption {

inline const QString Select = QStringLiteral("顔選択");
inline const QString Cancel = QStringLiteral("キャンセル");
inline const QString Register = QStringLiteral("登録");
inline const QString Start = QStringLiteral("スタート");
inline const QString Unveil = QStringLiteral("お披露目");
inline const QString Practice = QStringLiteral("練習");
inline const QString Real = QStringLiteral("本番");
inline const QString Save = QStringLiteral("保存");
inline const QString Zoom = QStringLiteral("ズーム");
inline const QString Delete = QStringLiteral("削除");
inline const QString Replay = QStringLiteral("リプレイ");
inline const QString DoubleSpeed = QStringLiteral("×2");
inline const QString Slideshow = QStringLiteral("スライドショー");
inline const QString BeginTurn = QStringLiteral("始める");
inline const QString NextPlayer = QStringLiteral("次の人へ");
inline const QString Results = QStringLiteral("結果発表");
inline const QString Again = QStringLiteral("もう一回");
inline const QString EndRound = QStringLiteral("終わる");

} // namespace Caption
