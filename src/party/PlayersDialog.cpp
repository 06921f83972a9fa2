#include "party/PlayersDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

PlayersDialog::PlayersDialog(const QString &face, const QList<RoundPlayer> &remembered, QWidget *parent)
    : QDialog(parent), m_face(face)
{
    setObjectName(QStringLiteral("PlayersDialog"));
    setWindowTitle(QStringLiteral("みんなで遊ぶ"));
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(
        QStringLiteral("「%1」の顔で、順番に遊びます。\n遊ぶ人の名前を、遊ぶ順に%2人から%3人まで入力してください。")
            .arg(face)
            .arg(RoundPlayers::Fewest)
            .arg(RoundPlayers::Most),
        this);
    layout->addWidget(intro);

    auto *rows = new QGridLayout;
    for (int i = 0; i < RoundPlayers::Most; ++i) {
        auto *number = new QLabel(QStringLiteral("%1.").arg(i + 1), this);
        auto *name = new QLineEdit(this);
        name->setObjectName(QStringLiteral("PlayerName%1").arg(i + 1));
        auto *practice = new QCheckBox(QStringLiteral("練習してから"), this);
        practice->setObjectName(QStringLiteral("PlayerPractice%1").arg(i + 1));
        // Practice first unless the last round said otherwise: the youngest need it.
        practice->setChecked(i < remembered.size() ? remembered[i].practice : true);
        if (i < remembered.size())
            name->setText(remembered[i].name);
        rows->addWidget(number, i, 0);
        rows->addWidget(name, i, 1);
        rows->addWidget(practice, i, 2);
        m_names.append(name);
        m_practice.append(practice);
    }
    layout->addLayout(rows);

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("PlayersProblem"));
    m_problem->setStyleSheet(QStringLiteral("color: #ff0000;"));
    m_problem->setWordWrap(true);
    layout->addWidget(m_problem);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *begin = buttons->addButton(QStringLiteral("始める"), QDialogButtonBox::AcceptRole);
    begin->setObjectName(QStringLiteral("BeginRoundButton"));
    begin->setDefault(true);
    buttons->addButton(QStringLiteral("キャンセル"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("CancelRoundButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &PlayersDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PlayersDialog::reject);
    layout->addWidget(buttons);
    m_names.first()->setFocus();
}

QString PlayersDialog::problem() const
{
    return m_problem->text();
}

QList<RoundPlayer> PlayersDialog::typedPlayers() const
{
    QList<RoundPlayer> players;
    for (int i = 0; i < m_names.size(); ++i) {
        const QString name = m_names[i]->text().trimmed();
        if (!name.isEmpty())
            players.append({name, m_practice[i]->isChecked()});
    }
    return players;
}

void PlayersDialog::accept()
{
    const QList<RoundPlayer> players = typedPlayers();
    const QString problem = RoundPlayers::problem(players, m_face);
    // The label shows "\r" as nothing; the rules' messages break lines with it.
    m_problem->setText(QString(problem).replace(u'\r', u'\n'));
    if (!problem.isEmpty())
        return;
    m_players = players;
    QDialog::accept();
}
