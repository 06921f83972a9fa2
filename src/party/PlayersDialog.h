#pragma once

#include "party/RoundPlayers.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;

// "みんなで遊ぶ…": the names of the round's players, two to eight, and whether each may play a
// practice game first. It stays open, saying why, until the names make a round.
class PlayersDialog : public QDialog
{
    Q_OBJECT
public:
    // Filled with the players remembered from the last round.
    PlayersDialog(const QString &face, const QList<RoundPlayer> &remembered, QWidget *parent = nullptr);

    // The players as accepted, in the order of the rows; empty rows left out.
    const QList<RoundPlayer> &players() const { return m_players; }
    QString problem() const;

    void accept() override;

private:
    // The rows' players as typed, blanks at either end of a name dropped.
    QList<RoundPlayer> typedPlayers() const;

    QString m_face;
    QList<QLineEdit *> m_names;
    QList<QCheckBox *> m_practice;
    QLabel *m_problem = nullptr;
    QList<RoundPlayer> m_players;
};
