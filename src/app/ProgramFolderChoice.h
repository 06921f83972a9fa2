#pragma once

#include <QString>

// Where the game keeps its files. A folder that holds data/facedata.ini beside the executable
// (the build tree, a copied folder) runs in place; an installed program runs in the player's own
// data folder, filled from the files the package ships.
struct ProgramFolderChoice
{
    QString appDir;        // with a trailing "/"
    QString shippedFolder; // where the shipped files are; empty when the program runs in place

    bool runsInPlace() const { return shippedFolder.isEmpty(); }
};

// dataDirOption (--data-dir, may be empty) wins; else the executable's folder when it holds
// data/facedata.ini; else userDataFolder. A folder that is not run in place is filled from
// <prefix>/share/petara3/ of an executable in <prefix>/bin/.
ProgramFolderChoice chooseProgramFolder(const QString &executablePath, const QString &dataDirOption,
                                        const QString &userDataFolder);

// The shipped-data folder of an executable installed as <prefix>/bin/petara3, with a trailing "/".
QString shippedDataFolder(const QString &executablePath);

// Makes the chosen folder ready; a folder run in place is left as it is. One whose index is
// missing gets every shipped file it lacks, the index last, so an interrupted first start completes
// at the next one; its works folder is made. Throws AppError with a message for the player.
void prepareProgramFolder(const ProgramFolderChoice &choice);
