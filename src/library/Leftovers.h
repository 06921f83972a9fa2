#pragma once

#include <QString>

// Start-up: removes what writes cut short by a kill left behind, and nothing else. Each atomic
// write leaves its temporary file (".petara-<hex>.tmp") when killed before its rename, in the
// program folder, data/ or Library/; a registration killed before its index write leaves the
// pictures face<N>_<k>.jpg of a face N that the index does not count. Those pictures go only
// when storedFaceCount, the index's own faces/count, is known (0 or more): without an index no
// picture is an orphan. Files of every other name stay; a file that cannot be removed stays
// too, for the next start.
void removeLeftovers(const QString &appDir, int storedFaceCount);
