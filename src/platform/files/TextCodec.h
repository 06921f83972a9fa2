#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Conversions between Qt text and the CP932 (Windows Japanese) code page of the index file.
namespace TextCodec {

// The text in CP932, or nullopt when any character has no CP932 code; nothing is ever substituted.
std::optional<QByteArray> toCp932(const QString &text);

// The text of CP932 bytes; each byte that does not start a valid character becomes U+FFFD.
QString fromCp932(const QByteArray &bytes);

} // namespace TextCodec
