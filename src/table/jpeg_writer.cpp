#include "table/jpeg_writer.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE
#include <cstdlib>
#include <jpeglib.h>

namespace {

constexpr int quality = 85;

// The library reports a fatal error by calling error_exit, which must not return;
// the default one ends the process, so jump back to the caller instead.
struct JpegFailure {
    jpeg_error_mgr manager;
    std::jmp_buf back;
};

[[noreturn]] void jumpBack(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegFailure *>(info->err)->back, 1);
}

// Only plain C objects live in this frame, so the jump skips no destructors.
bool compress(const QImage &rgb, unsigned char **buffer, unsigned long *size)
{
    jpeg_compress_struct info{};
    JpegFailure failure{};
    info.err = jpeg_std_error(&failure.manager);
    failure.manager.error_exit = jumpBack;
    if (setjmp(failure.back)) {
        // The memory destination hands its newest buffer back only when it terminates;
        // before that *buffer may name one it has already replaced.
        if (info.dest)
            info.dest->term_destination(&info);
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, buffer, size);
    info.image_width = JDIMENSION(rgb.width());
    info.image_height = JDIMENSION(rgb.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

std::optional<QByteArray> encodeJpeg(const QImage &picture)
{
    if (picture.isNull())
        return std::nullopt;
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    if (rgb.isNull())
        return std::nullopt;
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    std::optional<QByteArray> bytes;
    if (compress(rgb, &buffer, &size))
        bytes = QByteArray(reinterpret_cast<const char *>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}
