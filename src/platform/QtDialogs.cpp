#include "platform/QtDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QString shownText(QString text)
{
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace

void QtDialogs::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), shownText(text),
                    QMessageBox::Ok, m_owner);
    box.exec();
}

void QtDialogs::showError(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("エラー"), shownText(text), QMessageBox::Ok,
                    m_owner);
    box.exec();
}

bool QtDialogs::askYesNo(const QString &question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("確認"), shownText(question),
                    QMessageBox::NoButton, m_owner);
    QPushButton *yes = box.addButton(QStringLiteral("はい(&Y)"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("いいえ(&N)"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.exec();
    return box.clickedButton() == yes;
}

QString QtDialogs::openFile(const QString &title, const QString &filter)
{
    return QFileDialog::getOpenFileName(m_owner, title, QString(), toQtFileFilter(filter));
}

QString toQtFileFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts.at(i + 1);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        entries << parts.at(i) + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return entries.join(QStringLiteral(";;"));
}
