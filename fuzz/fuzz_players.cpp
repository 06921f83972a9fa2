// The remembered players' reader on any bytes: nothing, or players a round would take, which
// read back the same once written.

#include "FuzzInput.h"

#include "party/PlayersFile.h"
#include "screen/NameRules.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::optional<RememberedPlayers> remembered = PlayersFile::parse(fuzzBytes(data, size));
    if (!remembered)
        return 0;
    // The dialog fills its rows from these, and the hall of fame takes the last name.
    require(remembered->players.size() <= RoundPlayers::Most);
    for (const RoundPlayer &player : remembered->players)
        require(playerNameProblem(player.name, QString()).isEmpty());
    require(remembered->lastPlayer.isEmpty() || playerNameProblem(remembered->lastPlayer, QString()).isEmpty());
    const QByteArray written = PlayersFile::toBytes(*remembered);
    const std::optional<RememberedPlayers> again = PlayersFile::parse(written);
    require(again && *again == *remembered && PlayersFile::toBytes(*again) == written);
    return 0;
}
