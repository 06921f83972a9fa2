// The hall of fame's reader on any bytes: nothing, or a hall that the game could have kept,
// which reads back the same once written.

#include "FuzzInput.h"

#include "library/HallOfFameFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::optional<HallOfFame> hall = HallOfFameFile::parse(fuzzBytes(data, size));
    if (!hall)
        return 0;
    // The screens show these places and scores as they are.
    for (const QString &face : hall->faces()) {
        const QList<HallOfFameEntry> entries = hall->entries(face);
        require(!entries.isEmpty() && entries.size() <= HallOfFame::Places);
        for (qsizetype i = 0; i < entries.size(); ++i)
            require(entries[i].score >= 0 && entries[i].score <= HallOfFame::BestScore
                    && (i == 0 || entries[i].score <= entries[i - 1].score));
    }
    const QByteArray written = HallOfFameFile::toBytes(*hall);
    const std::optional<HallOfFame> again = HallOfFameFile::parse(written);
    require(again && *again == *hall && HallOfFameFile::toBytes(*again) == written);
    return 0;
}
