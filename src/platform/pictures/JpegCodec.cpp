#include "platform/pictures/JpegCodec.h"

#include "platform/files/AtomicFile.h"
#include "platform/pictures/JpegLibrary.h"
#include "platform/system/AppError.h"
#include "platform/pictures/PictureInput.h"
#include "platform/pictures/PictureMemory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace JpegCodec {

namespace {

enum class Outcome { Done, Unreadable, TooLarge, NoMemory };

// Everything the decoder touches lives here, in the caller's frame, so that longjmp leaves
// behind no object that needs destroying.
struct Decoding
{
    jpeg_decompress_struct cinfo;
    JpegErrorManager errors;
    FILE *stream; // read a buffer at a time when set; else the bytes below
    const unsigned char *data;
    unsigned long size;
    QImage *image;
    QByteArray *exif; // receives the EXIF block when set
    unsigned char *pixels;
    qsizetype stride;
};

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE Rgb32Order = JCS_EXT_BGRA;
#else
constexpr J_COLOR_SPACE Rgb32Order = JCS_EXT_ARGB;
#endif

constexpr int ExifMarker = JPEG_APP0 + 1;

// The payload of the first APP1 marker that holds EXIF data, or nothing.
QByteArray exifBlock(jpeg_saved_marker_ptr marker)
{
    for (; marker; marker = marker->next) {
        const QByteArrayView data(marker->data, qsizetype(marker->data_length));
        if (marker->marker == ExifMarker && data.startsWith(QByteArrayView("Exif\0\0", 6)))
            return data.toByteArray();
    }
    return {};
}

bool allocateImage(Decoding *job)
{
    *job->image = allocatePicture(int(job->cinfo.output_width), int(job->cinfo.output_height));
    if (job->image->isNull())
        return false;
    job->pixels = job->image->bits();
    job->stride = job->image->bytesPerLine();
    return true;
}

Outcome runDecoder(Decoding *job)
{
    jpeg_decompress_struct *cinfo = &job->cinfo;
    installJpegErrorManager(job->errors);
    cinfo->err = &job->errors.manager;
    if (setjmp(job->errors.jump)) {
        jpeg_destroy_decompress(cinfo);
        return Outcome::Unreadable;
    }
    jpeg_create_decompress(cinfo);
    if (job->stream)
        jpeg_stdio_src(cinfo, job->stream);
    else
        jpeg_mem_src(cinfo, job->data, job->size);
    if (job->exif)
        jpeg_save_markers(cinfo, ExifMarker, 0xFFFF);
    jpeg_read_header(cinfo, TRUE);
    if (job->exif)
        *job->exif = exifBlock(cinfo->marker_list);
    if (cinfo->image_width == 0 || cinfo->image_height == 0) {
        jpeg_destroy_decompress(cinfo);
        return Outcome::Unreadable;
    }
    if (qint64(cinfo->image_width) * cinfo->image_height > MaxPixels) {
        jpeg_destroy_decompress(cinfo);
        return Outcome::TooLarge;
    }
    const bool cmyk = cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK;
    cinfo->out_color_space = cmyk ? JCS_CMYK : Rgb32Order;
    jpeg_start_decompress(cinfo);
    if (!allocateImage(job)) {
        jpeg_destroy_decompress(cinfo);
        return Outcome::NoMemory;
    }
    while (cinfo->output_scanline < cinfo->output_height) {
        JSAMPROW row = job->pixels + job->stride * qsizetype(cinfo->output_scanline);
        jpeg_read_scanlines(cinfo, &row, 1);
        if (cmyk)
            cmykRowToRgb(row, cinfo->output_width, cinfo->saw_Adobe_marker);
    }
    jpeg_finish_decompress(cinfo);
    jpeg_destroy_decompress(cinfo);
    return Outcome::Done;
}

struct Encoding
{
    jpeg_compress_struct cinfo;
    JpegErrorManager errors;
    const unsigned char *pixels;
    qsizetype stride;
    JDIMENSION width;
    JDIMENSION height;
    unsigned char *buffer;
    unsigned long size;
};

bool runEncoder(Encoding *job)
{
    jpeg_compress_struct *cinfo = &job->cinfo;
    installJpegErrorManager(job->errors);
    cinfo->err = &job->errors.manager;
    if (setjmp(job->errors.jump)) {
        jpeg_destroy_compress(cinfo);
        return false;
    }
    jpeg_create_compress(cinfo);
    jpeg_mem_dest(cinfo, &job->buffer, &job->size);
    cinfo->image_width = job->width;
    cinfo->image_height = job->height;
    cinfo->input_components = 3;
    cinfo->in_color_space = JCS_RGB;
    jpeg_set_defaults(cinfo);
    jpeg_set_quality(cinfo, 90, TRUE);
    jpeg_start_compress(cinfo, TRUE);
    while (cinfo->next_scanline < cinfo->image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(job->pixels + job->stride * qsizetype(cinfo->next_scanline));
        jpeg_write_scanlines(cinfo, &row, 1);
    }
    jpeg_finish_compress(cinfo);
    jpeg_destroy_compress(cinfo);
    return true;
}

// The picture's colours as 8-bit R, G, B rows; any alpha is dropped, not blended.
QImage rgbPixels(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB888);
    QImage opaque = image.convertToFormat(QImage::Format_ARGB32);
    opaque.reinterpretAsFormat(QImage::Format_RGB32);
    return opaque.convertToFormat(QImage::Format_RGB888);
}

// The picture, or the error that tells the player why there is none.
QImage decoded(Outcome outcome, QImage image, const QString &fileNameForMessages)
{
    switch (outcome) {
    case Outcome::Done:
        return image;
    case Outcome::TooLarge:
        throw AppError(
            QStringLiteral("「%1」は画像が大きすぎるため読み込めません（1億画素まで）。").arg(fileNameForMessages));
    case Outcome::NoMemory:
        throw AppError(QStringLiteral("「%1」を読み込むためのメモリが足りません。").arg(fileNameForMessages));
    case Outcome::Unreadable:
        break;
    }
    throw AppError(QStringLiteral("「%1」はJPEG画像として読み込めません。").arg(fileNameForMessages));
}

} // namespace

QImage decode(const QByteArray &bytes, const QString &fileNameForMessages)
{
    QImage image;
    Outcome outcome = Outcome::Unreadable;
    if (!bytes.isEmpty()) {
        Decoding job{};
        job.data = reinterpret_cast<const unsigned char *>(bytes.constData());
        job.size = static_cast<unsigned long>(bytes.size());
        job.image = &image;
        outcome = runDecoder(&job);
    }
    return decoded(outcome, std::move(image), fileNameForMessages);
}

QImage decodeFile(const QString &path, QByteArray *exif)
{
    const std::unique_ptr<QFile> file = openPictureFile(path);
    const QString name = QFileInfo(path).fileName();
    // libjpeg reads the file through a stream of its own, one buffer at a time, and stops at the
    // picture's end: whatever follows it is never read.
    const int descriptor = ::fcntl(file->handle(), F_DUPFD_CLOEXEC, 0);
    FILE *stream = descriptor >= 0 ? ::fdopen(descriptor, "rb") : nullptr;
    if (!stream) {
        if (descriptor >= 0)
            ::close(descriptor);
        throw AppError(
            QStringLiteral("ファイル「%1」が見つからないか、読み込めません。").arg(QDir::toNativeSeparators(path)));
    }
    QImage image;
    Decoding job{};
    job.stream = stream;
    job.image = &image;
    job.exif = exif;
    const Outcome outcome = runDecoder(&job);
    std::fclose(stream);
    return decoded(outcome, std::move(image), name);
}

QByteArray encode(const QImage &image)
{
    if (image.isNull() || image.width() == 0 || image.height() == 0)
        throw AppError(QStringLiteral("空の画像はJPEGに変換できません。"));
    const QImage rgb = rgbPixels(image);
    Encoding job{};
    job.pixels = rgb.constBits();
    job.stride = rgb.bytesPerLine();
    job.width = JDIMENSION(rgb.width());
    job.height = JDIMENSION(rgb.height());
    const bool encoded = runEncoder(&job);
    QByteArray bytes;
    if (encoded)
        bytes = QByteArray(reinterpret_cast<const char *>(job.buffer), qsizetype(job.size));
    std::free(job.buffer);
    if (!encoded)
        throw AppError(QStringLiteral("画像をJPEGに変換できませんでした。"));
    return bytes;
}

void encodeFile(const QImage &image, const QString &path)
{
    writeFileAtomically(path, encode(image));
}

} // namespace JpegCodec
