// The deletion journal's reader on any bytes: nothing, or a journal of a possible deletion,
// which reads back the same once written.

#include "FuzzInput.h"

#include "library/DeletionJournal.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::optional<DeletionJournal> journal = DeletionJournal::parse(fuzzBytes(data, size));
    if (!journal)
        return 0;
    // The start-up finishes a deletion from these values: they must describe one.
    require(journal->deleted >= 0 && journal->deleted < journal->faceCount);
    require(journal->picturesBefore.size() == size_t(journal->slots()) * 6);
    const QByteArray written = journal->toBytes();
    const std::optional<DeletionJournal> again = DeletionJournal::parse(written);
    require(again && again->state == journal->state && again->faceCount == journal->faceCount
            && again->deleted == journal->deleted && again->picturesBefore == journal->picturesBefore
            && again->newIndex == journal->newIndex && again->toBytes() == written);
    return 0;
}
