#pragma once

#include <QString>

class Dialogs;
class QComboBox;
class QLineEdit;
struct FaceLibrary;
struct NewFace;
struct ShownFace;

// Registration: a face the player has just made becomes the last face of the library, and
// is copied into the shared library when that library's index exists.
class FaceRegistration
{
public:
    // windowsFolder holds the shared library's folder PetaraData.
    FaceRegistration(FaceLibrary &library, ShownFace &shown, QComboBox &faceList, QLineEdit &nameField,
                     Dialogs &dialogs, QString windowsFolder);

    // "登録": registers `face` and makes it the current face; true when it was registered.
    // A name in use is refused with a message and cleared from the name field, which takes
    // "登録" away; a name that cannot be stored is refused with a message. Both write nothing. A failed write removes
    // the pictures written so far, leaves the index, the face table and the face list as they were, and throws AppError
    // saying so.
    bool registerFace(const NewFace &face);

private:
    void writeOwnLibrary(const NewFace &face, int number);
    void addToSharedLibrary(int number, const NewFace &face);

    FaceLibrary &m_library;
    ShownFace &m_shown;
    QComboBox &m_faceList;
    QLineEdit &m_nameField;
    Dialogs &m_dialogs;
    QString m_windowsFolder;
};
