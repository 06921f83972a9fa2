#include "platform/files/TextCodec.h"

#include "platform/system/AppError.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace {

const char ReplacementUtf8[] = "\xEF\xBF\xBD";

// One conversion descriptor per direction and thread: opening one per call is slow for big files.
class Converter
{
public:
    Converter(const char *to, const char *from) : m_cd(iconv_open(to, from)) {}
    ~Converter()
    {
        if (m_cd != invalidDescriptor())
            iconv_close(m_cd);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // The descriptor with its shift state cleared; throws when the system has no CP932 tables.
    iconv_t ready()
    {
        if (m_cd == invalidDescriptor())
            throw AppError(QStringLiteral("文字コードCP932の変換を利用できません。"));
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        return m_cd;
    }

private:
    static iconv_t invalidDescriptor() { return reinterpret_cast<iconv_t>(-1); }
    iconv_t m_cd;
};

bool isAscii(const QByteArray &bytes)
{
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

bool isAscii(const QString &text)
{
    for (QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

} // namespace

namespace TextCodec {

std::optional<QByteArray> toCp932(const QString &text)
{
    if (isAscii(text))
        return text.toLatin1();
    // A lone surrogate would otherwise reach iconv as a substitute character.
    if (!text.isValidUtf16())
        return std::nullopt;

    thread_local Converter encoder("CP932", "UTF-8");
    iconv_t cd = encoder.ready();
    QByteArray utf8 = text.toUtf8();
    // CP932 never needs more bytes than UTF-8 for the same character.
    QByteArray out(utf8.size() * 2 + 4, Qt::Uninitialized);
    char *in = utf8.data();
    size_t inLeft = size_t(utf8.size());
    char *outPtr = out.data();
    size_t outLeft = size_t(out.size());
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != size_t(-1))
            continue;
        if (errno != E2BIG)
            return std::nullopt;
        const qsizetype used = outPtr - out.data();
        out.resize(out.size() * 2);
        outPtr = out.data() + used;
        outLeft = size_t(out.size() - used);
    }
    out.truncate(outPtr - out.data());
    return out;
}

QString fromCp932(const QByteArray &bytes)
{
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);

    thread_local Converter decoder("UTF-8", "CP932");
    iconv_t cd = decoder.ready();
    // Every CP932 byte yields at most three UTF-8 bytes.
    QByteArray out(bytes.size() * 3 + 4, Qt::Uninitialized);
    char *in = const_cast<char *>(bytes.constData());
    size_t inLeft = size_t(bytes.size());
    char *outPtr = out.data();
    size_t outLeft = size_t(out.size());
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != size_t(-1))
            continue;
        if (errno == E2BIG) {
            const qsizetype used = outPtr - out.data();
            out.resize(out.size() * 2);
            outPtr = out.data() + used;
            outLeft = size_t(out.size() - used);
            continue;
        }
        // An invalid byte, or a lead byte cut off at the end: mark it and go on after it.
        if (outLeft < 3) {
            const qsizetype used = outPtr - out.data();
            out.resize(out.size() + 16);
            outPtr = out.data() + used;
            outLeft = size_t(out.size() - used);
        }
        memcpy(outPtr, ReplacementUtf8, 3);
        outPtr += 3;
        outLeft -= 3;
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    out.truncate(outPtr - out.data());
    return QString::fromUtf8(out);
}

} // namespace TextCodec
