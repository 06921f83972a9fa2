#include "platform/pictures/JpegLibrary.h"

#include <QColor>

namespace {

[[noreturn]] void jumpBack(j_common_ptr cinfo)
{
    longjmp(reinterpret_cast<JpegErrorManager *>(cinfo->err)->jump, 1);
}

void handleMessage(j_common_ptr cinfo, int level)
{
    if (level >= 0)
        return;
    jpeg_error_mgr *errors = cinfo->err;
    ++errors->num_warnings;
    const int code = errors->msg_code;
    if (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER || code == JWRN_HUFF_BAD_CODE)
        jumpBack(cinfo);
}

void ignoreOutput(j_common_ptr) {}

} // namespace

void installJpegErrorManager(JpegErrorManager &errors)
{
    jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jumpBack;
    errors.manager.emit_message = handleMessage;
    errors.manager.output_message = ignoreOutput;
}

void cmykRowToRgb(unsigned char *row, JDIMENSION width, bool inverted)
{
    QRgb *out = reinterpret_cast<QRgb *>(row);
    for (JDIMENSION x = 0; x < width; ++x) {
        const unsigned char *ink = row + 4 * x;
        int c = ink[0], m = ink[1], y = ink[2], k = ink[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        out[x] = qRgb((c * k + 127) / 255, (m * k + 127) / 255, (y * k + 127) / 255);
    }
}
