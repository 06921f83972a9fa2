#pragma once

#include "platform/widgets/Dialogs.h"

class QWidget;

// Real message boxes and file dialogs, owned by the given window.
class QtDialogs : public Dialogs
{
public:
    explicit QtDialogs(QWidget *owner = nullptr) : m_owner(owner) {}
    void setOwner(QWidget *owner) { m_owner = owner; }

    void showMessage(const QString &text) override;
    void showError(const QString &text) override;
    bool askYesNo(const QString &question) override;
    QString openFile(const QString &title, const QString &filter) override;
    // Qt's own file dialog, not the desktop's, which has no room for the preview.
    QString openPicture(const QString &title, const QString &filter) override;

private:
    QWidget *m_owner;
};

// "desc|pattern;pattern|desc|pattern" to Qt's "desc (pattern pattern);;desc (pattern)"; a
// description that ends in its own list of the patterns keeps it, in Qt's form, as the only one.
QString toQtFileFilter(const QString &filter);
