// Writes <data folder>/tomei.cur, the see-through cursor of the real mode: one 32 × 32
// monochrome entry whose colour bits are all 0 and whose mask bits are all 1, so every
// pixel leaves the screen as it is. Usage: make_cursor [data folder, default "data"]

#include "platform/system/AppError.h"
#include "platform/files/AtomicFile.h"

#include <QByteArray>
#include <QDir>
#include <QString>

#include <cstdio>

namespace {

void put16(QByteArray &out, quint16 value)
{
    out.append(char(value & 0xff));
    out.append(char(value >> 8));
}

void put32(QByteArray &out, quint32 value)
{
    put16(out, quint16(value & 0xffff));
    put16(out, quint16(value >> 16));
}

QByteArray transparentCursor()
{
    constexpr int side = 32;
    constexpr int rowBytes = side / 8; // 1 bit per pixel, already a multiple of 4
    constexpr int planeBytes = rowBytes * side;
    constexpr int headerBytes = 40;
    constexpr int paletteBytes = 2 * 4;
    constexpr quint32 imageBytes = headerBytes + paletteBytes + 2 * planeBytes;

    QByteArray out;
    put16(out, 0); // reserved
    put16(out, 2); // cursor
    put16(out, 1); // one entry

    out.append(char(side));
    out.append(char(side));
    out.append(char(2)); // colours
    out.append(char(0));
    put16(out, 0); // hot spot x
    put16(out, 0); // hot spot y
    put32(out, imageBytes);
    put32(out, quint32(out.size() + 4));

    put32(out, headerBytes);
    put32(out, side);
    put32(out, 2 * side); // colour bitmap and mask
    put16(out, 1);        // planes
    put16(out, 1);        // bits per pixel
    put32(out, 0);        // uncompressed
    put32(out, 2 * planeBytes);
    put32(out, 0);
    put32(out, 0);
    put32(out, 2); // palette entries
    put32(out, 0);

    put32(out, 0x00000000); // black
    put32(out, 0x00ffffff); // white
    out.append(QByteArray(planeBytes, char(0x00)));
    out.append(QByteArray(planeBytes, char(0xff)));
    return out;
}

} // namespace

int main(int argc, char *argv[])
{
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("data");
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return 1;
    }
    try {
        writeFileAtomically(QDir(folder).filePath(QStringLiteral("tomei.cur")), transparentCursor());
    } catch (const AppError &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
