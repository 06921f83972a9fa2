#pragma once

#include "platform/widgets/Dialogs.h"

#include <QQueue>
#include <QStringList>

// Dialogs for tests: questions and file dialogs are answered from queues (no answer queued
// means "no" and "cancelled"), and everything shown is recorded in order.
class ScriptedDialogs : public Dialogs
{
public:
    void showMessage(const QString &text) override { messages << text; }
    void showError(const QString &text) override { errors << text; }
    bool askYesNo(const QString &question) override
    {
        questions << question;
        return !answers.isEmpty() && answers.dequeue();
    }
    QString openFile(const QString &title, const QString &filter) override
    {
        fileDialogs << title + QLatin1Char('|') + filter;
        return chosenFiles.isEmpty() ? QString() : chosenFiles.dequeue();
    }
    QString openPicture(const QString &title, const QString &filter) override
    {
        pictureDialogs << title + QLatin1Char('|') + filter;
        return chosenFiles.isEmpty() ? QString() : chosenFiles.dequeue();
    }

    QQueue<bool> answers;
    QQueue<QString> chosenFiles;
    QStringList messages;
    QStringList errors;
    QStringList questions;
    QStringList fileDialogs;
    QStringList pictureDialogs;
};
