#pragma once

#include <QString>

// A name typed for a face or a work is acceptable when it is not empty and is not exactly one
// half-width or one full-width space.
bool isAcceptableName(const QString &name);

// What a name is used for. A face's name goes into the index and into the file name of every
// work made with the face; a montage's name goes only into the file name of its work.
enum class NameUse { Face, GameWork, MontageWork };

// Why `name` cannot serve `use`, as a message for the player; empty when it can. One rule serves
// every use: a name must make a work's file name (no "/", no control character, not too long
// for the file system). A face's name must also read back from the index as it was typed (CP932
// characters that come back as themselves, no blanks at either end, not wrapped in double
// quotes). So every name that registration accepts makes works that can be saved.
QString nameProblem(const QString &name, NameUse use);

// Why `player` cannot name a player of a round on the face `face`, as a message; empty when it
// can. A round's works are named "<face>（<player>）_<stamp>_<score>.jpg": a player's name must
// make that file name with the face's, be kept as typed (CP932, as a face's name) and hold no
// "（" or "）", so that the name can be read back from the work's.
QString playerNameProblem(const QString &player, const QString &face);
