#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// A failure that reaches the player: its message is shown in an error box by the
// handler boundary, and the handler that raised it stops there.
class AppError : public std::exception
{
public:
    explicit AppError(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}

    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};
