#pragma once

#include <QString>

// The texts of face creation; "\r" is a line break.
namespace CreationText {

inline const QString DialogTitle = QStringLiteral("顔の読み込み");
inline const QString DialogFilter = QStringLiteral(
    "グラフィックファイル (*.jpg;*.jpeg;*.bmp)|*.jpg;*.jpeg;*.bmp|JPEG イメージファイル (*.jpg)|*.jpg|"
    "JPEG イメージファイル (*.jpeg)|*.jpeg|ビットマップ (*.bmp)|*.bmp");
inline const QString Creating = QStringLiteral("顔作成中．．．");
// The automatic outlines' button, and its caption while the landmark model loads.
inline const QString Automatic = QStringLiteral("自動");
inline const QString AutomaticLoading = QStringLiteral("準備中");

inline const QString Start = QStringLiteral(
    "画像の一部を拡大したい場合は、「ズーム」ボタンを押してから、マウスボタンを押しながら拡大したい部分を矩形で囲んでください。\r"
    "画像をそのまま使う場合は、作成したい部分のタイトルを左クリックしてから、顔のその部分を、マウスボタンを押しながら曲線で囲んでください。");
inline const QString ZoomReady = QStringLiteral(
    "選択した部分を拡大表示する場合は「ズーム」ボタンを押してください。\r"
    "やり直す場合は、マウスボタンを押しながら拡大したい部分を矩形で囲んでください。");
inline const QString Outlining = QStringLiteral(
    "作成したい部分のタイトルを左クリックしてから、顔のその部分を、マウスボタンを押しながら曲線で囲んでください。\r"
    "塗りつぶしの色を変更したい場合は、変更したい部分のタイトルを右クリックしてから、顔の好きなところをクリックしてください。（何度でもできます。）");
inline const QString Naming = QStringLiteral(
    "これでよければ、この顔を追加登録します。\r顔の名前を入力してから、「登録」ボタンを押してください。\r"
    "塗りつぶしの色を変更したい場合は、変更したい部分のタイトルを右クリックしてから、顔の好きなところをクリックしてください。（何度でもできます。）");

// Messages of this program's own for what the player cannot do.
inline const QString UnknownKind = QStringLiteral(
    "「%1」は読み込める画像ではありません。\rJPEG（.jpg、.jpeg）かビットマップ（.bmp）の画像を選んでください。\r"
    "「キャンセル」ボタンを押してから、もう一度「顔の作成」を選んでください。");
inline const QString TooThin = QStringLiteral(
    "「%1」は細長すぎるため、顔の枠に表示できません（短い辺が 0 ピクセルになります）。\r"
    "「キャンセル」ボタンを押してから、もう一度「顔の作成」を選んで別の画像を選んでください。");
inline const QString ZoomWithoutPicture = QStringLiteral(
    "画像が読み込まれていないため、ズームできません。\r「キャンセル」ボタンを押してください。");
inline const QString ZoomTooSmall = QStringLiteral(
    "選択した部分が小さすぎて拡大できません。\rマウスボタンを押しながら、もっと大きな矩形で囲んでください。");
inline const QString ZoomTooLarge = QStringLiteral(
    "選択した部分が大きすぎて拡大できません。\rマウスボタンを押しながら、もっと小さな矩形で囲んでください。");
inline const QString RegisterWithoutPicture = QStringLiteral(
    "画像が読み込まれていないため、この顔は登録できません。\r「キャンセル」ボタンを押して、画像を読み込み直してください。");
inline const QString NoFaceFound = QStringLiteral(
    "この画像からは顔が見つかりませんでした。\r"
    "作成したい部分のタイトルを左クリックしてから、顔のその部分を、マウスボタンを押しながら曲線で囲んでください。");
// What the automatic outlines tell the player, each a line of its own, in this order.
inline const QString AutomaticFramed = QStringLiteral("顔が小さかったので、顔のまわりを拡大しました。");
inline const QString AutomaticFaces = QStringLiteral(
    "顔が%1つ見つかったので、いちばん大きな顔を使いました。「自動」をもう一度押すと、次の顔になります。");
inline const QString AutomaticNextFace = QStringLiteral(
    "%1つの顔のうち、%2番目に大きな顔を使いました。「自動」をもう一度押すと、次の顔になります。");
inline const QString AutomaticLeftOut = QStringLiteral("%1は画像からはみ出しているので、手で囲んでください。");
inline const QString AutomaticPartNames[5] = {QString(), QStringLiteral("「右目」"), QStringLiteral("「左目」"),
                                              QStringLiteral("「鼻」"), QStringLiteral("「口」")};
inline const QString AutomaticAnd = QStringLiteral("と");
inline const QString AutomaticDone = QStringLiteral("よければ、顔の名前を入力してから「登録」ボタンを押してください。");
inline const QString RegisterUnfinished = QStringLiteral(
    "右目・左目・鼻・口をすべて囲んでから、「登録」ボタンを押してください。");

} // namespace CreationText
