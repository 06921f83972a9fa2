#include "platform/widgets/QtDialogs.h"

#include "platform/widgets/PicturePreviewPane.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>

namespace {

QString shownText(QString text)
{
    return text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// Qt reads an entry's patterns from the brackets that end it, apart by spaces. A description
// that already ends in a list of its patterns ("(*.jpg;*.jpeg)") gets that list in Qt's form
// instead of a second list behind it, so the dialog names each pattern once.
QString qtFilterEntry(const QString &description, const QStringList &patterns)
{
    const QString qtPatterns = patterns.join(QLatin1Char(' '));
    static const QRegularExpression trailingList(QStringLiteral("\\(([^()]*)\\)\\s*$"));
    static const QRegularExpression separators(QStringLiteral("[;\\s]+"));
    const QRegularExpressionMatch match = trailingList.match(description);
    if (match.hasMatch()) {
        const QStringList named = match.captured(1).split(separators, Qt::SkipEmptyParts);
        const auto isPattern = [&patterns](const QString &name) {
            return patterns.contains(name, Qt::CaseInsensitive);
        };
        const bool namesPatterns = !named.isEmpty() && std::all_of(named.cbegin(), named.cend(), isPattern);
        if (namesPatterns)
            return description.left(match.capturedStart()) + QLatin1Char('(') + qtPatterns + QLatin1Char(')');
    }
    return description + QStringLiteral(" (") + qtPatterns + QLatin1Char(')');
}

} // namespace

void QtDialogs::showMessage(const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), shownText(text), QMessageBox::Ok,
                    m_owner);
    box.exec();
}

void QtDialogs::showError(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("エラー"), shownText(text), QMessageBox::Ok, m_owner);
    box.exec();
}

bool QtDialogs::askYesNo(const QString &question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("確認"), shownText(question), QMessageBox::NoButton, m_owner);
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

QString QtDialogs::openPicture(const QString &title, const QString &filter)
{
    QFileDialog dialog(m_owner, title, QString(), toQtFileFilter(filter));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    // Qt's dialog lays out its folder row, list, name and type rows on a grid: the list is row 1.
    if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout())) {
        auto *preview = new PicturePreviewPane(&dialog);
        grid->addWidget(preview, 1, grid->columnCount());
        QObject::connect(&dialog, &QFileDialog::currentChanged, preview, &PicturePreviewPane::showPreviewOf);
    }
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

QString toQtFileFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        entries << qtFilterEntry(parts.at(i), parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts));
    return entries.join(QStringLiteral(";;"));
}
