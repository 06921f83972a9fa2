#include "platform/pictures/ScaledJpeg.h"

#include "platform/pictures/ExifOrientation.h"
#include "platform/pictures/JpegCodec.h"
#include "platform/pictures/JpegLibrary.h"
#include "platform/pictures/PictureMemory.h"

namespace ScaledJpeg {

namespace {

#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
constexpr J_COLOR_SPACE Rgb32Order = JCS_EXT_BGRA;
#else
constexpr J_COLOR_SPACE Rgb32Order = JCS_EXT_ARGB;
#endif

// All the decoder touches lives here, in the caller's frame, so that longjmp skips no destructor.
struct Decoding
{
    jpeg_decompress_struct cinfo;
    JpegErrorManager errors;
    std::FILE *file;
    QSize box;
    QImage *image;
    int orientation;
    QSize stored;
};

int orientationOf(jpeg_decompress_struct *cinfo)
{
    for (jpeg_saved_marker_ptr marker = cinfo->marker_list; marker; marker = marker->next) {
        if (marker->marker != JPEG_APP0 + 1)
            continue;
        const int orientation = ExifOrientation::fromApp1(
            QByteArray::fromRawData(reinterpret_cast<const char *>(marker->data), qsizetype(marker->data_length)));
        if (orientation != 1)
            return orientation;
    }
    return 1;
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
    jpeg_stdio_src(cinfo, job->file);
    jpeg_save_markers(cinfo, JPEG_APP0 + 1, 0xFFFF);
    jpeg_read_header(cinfo, TRUE);
    if (cinfo->image_width == 0 || cinfo->image_height == 0) {
        jpeg_destroy_decompress(cinfo);
        return Outcome::Unreadable;
    }
    if (qint64(cinfo->image_width) * cinfo->image_height > JpegCodec::MaxPixels) {
        jpeg_destroy_decompress(cinfo);
        return Outcome::TooLarge;
    }
    job->orientation = orientationOf(cinfo);
    job->stored = QSize(int(cinfo->image_width), int(cinfo->image_height));
    const QSize box = ExifOrientation::turnsQuarter(job->orientation) ? job->box.transposed() : job->box;
    cinfo->scale_num = unsigned(coveringEighths(job->stored, box));
    cinfo->scale_denom = 8;
    const bool cmyk = cinfo->jpeg_color_space == JCS_CMYK || cinfo->jpeg_color_space == JCS_YCCK;
    cinfo->out_color_space = cmyk ? JCS_CMYK : Rgb32Order;
    jpeg_start_decompress(cinfo);
    *job->image = allocatePicture(int(cinfo->output_width), int(cinfo->output_height));
    if (job->image->isNull()) {
        jpeg_destroy_decompress(cinfo);
        return Outcome::NoMemory;
    }
    unsigned char *pixels = job->image->bits();
    const qsizetype stride = job->image->bytesPerLine();
    while (cinfo->output_scanline < cinfo->output_height) {
        JSAMPROW row = pixels + stride * qsizetype(cinfo->output_scanline);
        jpeg_read_scanlines(cinfo, &row, 1);
        if (cmyk)
            cmykRowToRgb(row, cinfo->output_width, cinfo->saw_Adobe_marker);
    }
    // The rest of the file holds no pixels of this picture: it is left unread.
    jpeg_destroy_decompress(cinfo);
    return Outcome::Done;
}

} // namespace

int coveringEighths(QSize picture, QSize box)
{
    const QSize fit = picture.boundedTo(box) == picture ? picture : picture.scaled(box, Qt::KeepAspectRatio);
    const auto decoded = [](int side, int eighths) { return (qint64(side) * eighths + 7) / 8; };
    for (int eighths = 1; eighths < 8; ++eighths) {
        if (decoded(picture.width(), eighths) >= fit.width() && decoded(picture.height(), eighths) >= fit.height())
            return eighths;
    }
    return 8;
}

Result decode(std::FILE *file, QSize box)
{
    Result result;
    QImage image;
    Decoding job{};
    job.file = file;
    job.box = box;
    job.image = &image;
    job.orientation = 1;
    result.outcome = runDecoder(&job);
    if (result.outcome != Outcome::Done)
        return result;
    result.fullSize = ExifOrientation::turnsQuarter(job.orientation) ? job.stored.transposed() : job.stored;
    result.image = ExifOrientation::upright(std::move(image), job.orientation);
    return result;
}

} // namespace ScaledJpeg
