#pragma once

#include <QString>

// Makes the folder at path with any missing parents; an existing folder is fine. Throws AppError
// naming the folder and the reason when it cannot be made.
void createFolder(const QString &path);
