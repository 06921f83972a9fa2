#pragma once

#include <QString>

// The message, question and file dialogs the game shows. The Qt implementation shows real
// boxes; tests use ScriptedDialogs, which answers from a queue and records what was asked.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // A plain message box with an OK button.
    virtual void showMessage(const QString &text) = 0;
    // The error box shown when a handler fails.
    virtual void showError(const QString &text) = 0;
    // The confirmation box titled "確認" with a question icon, "はい(&Y)" and "いいえ(&N)".
    // Returns true only for yes.
    virtual bool askYesNo(const QString &question) = 0;
    // A file-open dialog. The filter uses the "description|pattern|..." form.
    // Returns the chosen path, or an empty string when the player cancels.
    virtual QString openFile(const QString &title, const QString &filter) = 0;
    // openFile() for a photo: the dialog also shows a preview of the selected file.
    virtual QString openPicture(const QString &title, const QString &filter) = 0;
};
