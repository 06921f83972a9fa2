#include "platform/pictures/JpegErrors.h"

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
