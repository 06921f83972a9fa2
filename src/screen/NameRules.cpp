#include "screen/NameRules.h"

#include "platform/files/ProfileText.h"
#include "platform/files/TextCodec.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// A work's file name adds "_", a 14-digit time stamp, "_", a score of up to 3 digits (or "M")
// and ".jpg" to the name.
constexpr int WorkNameSuffixBytes = 1 + 14 + 1 + 3 + 4;
// The longest file name, in bytes, that Linux file systems take.
constexpr int LongestFileName = 255;

// Line and paragraph separators break a line as a line feed does.
bool isControl(QChar c)
{
    const QChar::Category category = c.category();
    return category == QChar::Other_Control || category == QChar::Separator_Line
           || category == QChar::Separator_Paragraph;
}

// What keeps a name out of a work's file name.
enum class Fault { ControlCharacter, Slash, TooLong };

QString fileNameMessage(Fault fault, const QString &name, NameUse use)
{
    const QString named = use == NameUse::Face ? QStringLiteral("顔の名前") : QStringLiteral("作品の名前");
    QString reason;
    switch (fault) {
    case Fault::ControlCharacter:
        reason = QStringLiteral("改行などの制御文字は、%1に使えません。").arg(named);
        break;
    case Fault::Slash:
        reason = QStringLiteral("「/」は、%1に使えません。").arg(named);
        break;
    case Fault::TooLong:
        reason = QStringLiteral("名前が長すぎます。");
        break;
    }
    if (use == NameUse::GameWork) {
        // Only a name with a "/" is shown: a control character would cut the message short.
        const QString face = fault == Fault::Slash ? QStringLiteral("「%1」").arg(name) : QString();
        return QStringLiteral("この顔の名前%1では作品を保存できません。\r%2").arg(face, reason);
    }
    const QString next = fault == Fault::TooLong ? QStringLiteral("短い名前を入力してください。")
                                                 : QStringLiteral("別の名前を入力してください。");
    return reason + QLatin1Char('\r') + next;
}

// The first character that CP932 stores as another one ("〜" comes back as "～"), or nothing.
std::optional<std::pair<QChar, QString>> firstChangedCharacter(const QString &name)
{
    for (const QChar c : name) {
        const std::optional<QByteArray> stored = TextCodec::toCp932(QString(c));
        const QString readBack = stored ? TextCodec::fromCp932(*stored) : QString();
        if (readBack != QString(c))
            return std::make_pair(c, readBack);
    }
    return std::nullopt;
}

// What keeps the name from reading back from the index as it was typed.
QString indexProblem(const QString &name, const QString &named = QStringLiteral("顔の名前"))
{
    const std::optional<QByteArray> encoded = TextCodec::toCp932(name);
    if (!encoded)
        return QStringLiteral("「%1」には、%2に使えない文字が含まれています。\r"
                              "使える文字は Shift_JIS (CP932) の文字だけです。別の名前を入力してください。")
            .arg(name, named);
    if (const auto changed = firstChangedCharacter(name))
        return QStringLiteral("「%1」は、顔の一覧にそのまま保存できない文字です（「%2」に変わってしまいます）。\r"
                              "別の名前を入力してください。")
            .arg(changed->first, changed->second);
    if (ProfileText::parseLine("Name=" + *encoded).value != name)
        return QStringLiteral(
            "名前の最初と最後には半角の空白を置けません。また、名前全体を「\"」で囲むこともできません。\r"
            "別の名前を入力してください。");
    return {};
}

} // namespace

QString playerNameProblem(const QString &player, const QString &face)
{
    if (!isAcceptableName(player))
        return QStringLiteral("名前を入力してください。");
    if (std::any_of(player.cbegin(), player.cend(), isControl))
        return QStringLiteral("改行などの制御文字は、名前に使えません。\r別の名前を入力してください。");
    if (player.contains(QLatin1Char('/')) || player.contains(u'（') || player.contains(u'）'))
        return QStringLiteral("「/」「（」「）」は、名前に使えません。\r別の名前を入力してください。");
    const QString problem = indexProblem(player, QStringLiteral("名前"));
    if (!problem.isEmpty())
        return problem;
    // The face's name, the player's between full-width brackets (three bytes each) and the rest.
    if (face.toUtf8().size() + player.toUtf8().size() + 6 + WorkNameSuffixBytes > LongestFileName)
        return fileNameMessage(Fault::TooLong, player, NameUse::MontageWork);
    return {};
}

bool isAcceptableName(const QString &name)
{
    return !name.isEmpty() && name != QStringLiteral(" ") && name != QStringLiteral("　");
}

QString nameProblem(const QString &name, NameUse use)
{
    if (std::any_of(name.cbegin(), name.cend(), isControl))
        return fileNameMessage(Fault::ControlCharacter, name, use);
    if (name.contains(QLatin1Char('/')))
        return fileNameMessage(Fault::Slash, name, use);
    if (use == NameUse::Face) {
        const QString problem = indexProblem(name);
        if (!problem.isEmpty())
            return problem;
    }
    if (name.toUtf8().size() + WorkNameSuffixBytes > LongestFileName)
        return fileNameMessage(Fault::TooLong, name, use);
    return {};
}
