#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

// The fuzzer's bytes as a QByteArray that owns a copy, so reads past the end are caught.
inline QByteArray fuzzBytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// A property every accepted input must have; its breach is a finding.
inline void require(bool condition)
{
    if (!condition)
        std::abort();
}

// Qt's warnings about broken pictures would flood the fuzzer's log; the findings are what count.
inline void silenceQtMessages()
{
    static const bool installed = [] {
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
        return true;
    }();
    Q_UNUSED(installed);
}
