#pragma once

#include <QString>

// Where the game's files live, relative to the program folder (which ends with "/").
namespace FacePaths {

QString indexFile(const QString &appDir);                          // data/facedata.ini
QString facePicture(const QString &appDir, int face, int picture); // data/face<N>_<k>.jpg
// The face number N of a file name that the game gives a face picture, face<N>_<k>.jpg;
// -1 for every other name (leading zeros, k beyond 5, capitals, anything more).
qint64 faceOfPictureName(const QString &fileName);
QString cursorFile(const QString &appDir);  // data/tomei.cur
QString defaultTune(const QString &appDir); // data/tema84.mid
QString hallOfFame(const QString &appDir);  // data/halloffame.txt
QString worksFolder(const QString &appDir); // Library

// The program folder of an executable path, with a trailing "/".
QString programFolder(const QString &executablePath);

} // namespace FacePaths
