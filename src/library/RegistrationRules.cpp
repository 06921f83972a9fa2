#include "library/RegistrationRules.h"

#include "platform/ProfileText.h"
#include "platform/TextCodec.h"

#include <algorithm>

namespace RegistrationRules {

namespace {

// A work's file name adds "_", a 14-digit time stamp, "_", a score of up to 3 digits and ".jpg".
constexpr int WorkNameSuffixBytes = 1 + 14 + 1 + 3 + 4;
constexpr int LongestFileName = 255;

bool hasControlCharacter(const QString &name)
{
    return std::any_of(name.cbegin(), name.cend(), [](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7F; });
}

} // namespace

bool isNameInUse(const QVector<TFaceData> &faces, const QString &name)
{
    return std::any_of(faces.cbegin(), faces.cend(), [&name](const TFaceData &face) { return face.Name == name; });
}

QString nameProblem(const QString &name)
{
    if (hasControlCharacter(name))
        return QStringLiteral("改行などの制御文字は、顔の名前に使えません。\r別の名前を入力してください。");
    if (name.contains(QLatin1Char('/')))
        return QStringLiteral("「/」は、顔の名前に使えません。\r別の名前を入力してください。");
    const std::optional<QByteArray> encoded = TextCodec::toCp932(name);
    if (!encoded)
        return QStringLiteral("「%1」には、顔の名前に使えない文字が含まれています。\r"
                              "使える文字は Shift_JIS (CP932) の文字だけです。別の名前を入力してください。")
            .arg(name);
    if (ProfileText::parseLine("Name=" + *encoded).value != name)
        return QStringLiteral(
            "名前の最初と最後には半角の空白を置けません。また、名前全体を「\"」で囲むこともできません。\r"
            "別の名前を入力してください。");
    if (name.toUtf8().size() + WorkNameSuffixBytes > LongestFileName)
        return QStringLiteral("名前が長すぎます。\r短い名前を入力してください。");
    return {};
}

QByteArray indexWithFace(const QByteArray &index, int number, const QString &name, const std::array<QPoint, 5> &places)
{
    const QString section = QString::number(number);
    QByteArray bytes = ProfileText::withValue(index, QStringLiteral("faces"), QStringLiteral("count"),
                                              QString::number(number + 1));
    bytes = ProfileText::withValue(bytes, section, QStringLiteral("Name"), name);
    for (int k = 1; k <= 4; ++k)
        bytes = ProfileText::withValue(bytes, section, QStringLiteral("X%1").arg(k), QString::number(places[k].x()));
    for (int k = 1; k <= 4; ++k)
        bytes = ProfileText::withValue(bytes, section, QStringLiteral("Y%1").arg(k), QString::number(places[k].y()));
    return bytes;
}

} // namespace RegistrationRules
