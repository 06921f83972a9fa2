#pragma once

#include <QString>

// Why a file or folder could not be written, in one sentence for the player, from the errno that
// the failed call left ("ディスクの空き容量が足りません。" for ENOSPC, ...).
QString reasonForWriteError(int error);
