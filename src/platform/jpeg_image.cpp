#include "platform/jpeg_image.h"

#include "core/shell/file_io.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace kalvintera {
namespace {

// libjpeg reports fatal errors through error_exit; jumping back here keeps a damaged
// file from ending the program.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

void OnFatalError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void IgnoreWarning(j_common_ptr, int) {}

} // namespace

QImage LoadJpeg(const std::filesystem::path& file)
{
    std::string bytes;
    try {
        bytes = ReadWholeFile(file);
    } catch (const std::exception&) {
        return {};
    }
    if (bytes.empty()) return {};

    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = OnFatalError;
    errors.base.emit_message = IgnoreWarning;
    // Nothing with a destructor may live between setjmp and the jump.
    QImage* image = nullptr;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&info);
        delete image;
        return {};
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_width == 0 || info.output_height == 0 || info.output_components != 3
        || info.output_width > 20000 || info.output_height > 20000) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    image = new QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height), QImage::Format_RGB888);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    QImage result = *image;
    delete image;
    return result;
}

} // namespace kalvintera
