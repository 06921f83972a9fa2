#include "party/PlayersFile.h"

#include "screen/NameRules.h"
#include "platform/files/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace PlayersFile {

namespace {

const QString Heading = QStringLiteral("petara3 players 1");

QString pathIn(const QString &appDir)
{
    return appDir + QStringLiteral("data/players.txt");
}

// A name as the file may hold it: one a round would take on a face of no name.
bool isKeptName(const QString &name)
{
    return playerNameProblem(name, QString()).isEmpty();
}

} // namespace

QByteArray toBytes(const RememberedPlayers &remembered)
{
    QByteArray out = Heading.toUtf8() + '\n';
    for (const RoundPlayer &player : remembered.players)
        out += "player\t" + player.name.toUtf8() + '\t' + (player.practice ? '1' : '0') + '\n';
    if (!remembered.lastPlayer.isEmpty())
        out += "last\t" + remembered.lastPlayer.toUtf8() + '\n';
    return out;
}

std::optional<RememberedPlayers> parse(const QByteArray &bytes)
{
    if (bytes.size() > MaxBytes || !bytes.endsWith('\n'))
        return std::nullopt;
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    QStringList lines = text.split(u'\n');
    lines.removeLast(); // after the last "\n"
    if (lines.isEmpty() || lines.first() != Heading)
        return std::nullopt;
    RememberedPlayers remembered;
    bool lastSeen = false;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList fields = lines[i].split(u'\t');
        if (fields.size() == 3 && fields[0] == u"player" && isKeptName(fields[1])
            && (fields[2] == u"0" || fields[2] == u"1") && remembered.players.size() < RoundPlayers::Most)
            remembered.players.append({fields[1], fields[2] == u"1"});
        else if (fields.size() == 2 && fields[0] == u"last" && isKeptName(fields[1]) && !lastSeen) {
            remembered.lastPlayer = fields[1];
            lastSeen = true;
        } else {
            return std::nullopt;
        }
    }
    return remembered;
}

RememberedPlayers load(const QString &appDir)
{
    // Only a regular file: a pipe put in its place would block the read.
    if (!QFileInfo(pathIn(appDir)).isFile())
        return {};
    QFile file(pathIn(appDir));
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxBytes)
        return {};
    return parse(file.read(MaxBytes + 1)).value_or(RememberedPlayers());
}

void save(const QString &appDir, const RememberedPlayers &remembered)
{
    writeFileAtomically(pathIn(appDir), toBytes(remembered));
}

} // namespace PlayersFile
