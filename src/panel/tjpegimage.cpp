#include "tjpegimage.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// libjpeg reports fatal errors through error_exit, which must not return:
// it jumps back to the decoder, which then gives up on the picture.
struct JumpingErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JumpingErrorManager*>(info->err)->jump, 1);
}

void IgnoreMessage(j_common_ptr) {}

// Only trivial locals live here, so the jump skips no destructor; the
// picture is written into the caller's image.
bool DecodeInto(jpeg_decompress_struct* info, JumpingErrorManager* errors, const QByteArray* bytes,
                QImage* picture) {
    if (setjmp(errors->jump) != 0)
        return false;
    jpeg_mem_src(info, reinterpret_cast<const unsigned char*>(bytes->constData()),
                 static_cast<unsigned long>(bytes->size()));
    jpeg_read_header(info, TRUE);
    if (info->image_width > TJpegImage::MaxSide || info->image_height > TJpegImage::MaxSide)
        return false;
    info->out_color_space = JCS_RGB;
    jpeg_start_decompress(info);
    *picture = QImage(static_cast<int>(info->output_width), static_cast<int>(info->output_height),
                      QImage::Format_RGB888);
    if (picture->isNull() || info->output_components != 3)
        return false;
    while (info->output_scanline < info->output_height) {
        JSAMPROW row = picture->scanLine(static_cast<int>(info->output_scanline));
        jpeg_read_scanlines(info, &row, 1);
    }
    jpeg_finish_decompress(info);
    return true;
}

}  // namespace

QImage TJpegImage::Decode(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return {};
    jpeg_decompress_struct info{};
    JumpingErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = JumpOnError;
    errors.base.output_message = IgnoreMessage;
    jpeg_create_decompress(&info);
    QImage picture;
    const bool decoded = DecodeInto(&info, &errors, &bytes, &picture);
    jpeg_destroy_decompress(&info);
    return decoded ? picture : QImage();
}

QImage TJpegImage::LoadFromFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return Decode(file.readAll());
}
