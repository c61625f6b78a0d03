// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/export/jpeg_encoder.h"

#include <QSysInfo>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

namespace sw {
namespace {

// libjpeg reports errors by calling error_exit, which by default ends the
// process; ours jumps back to the encoder with the library's message instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void ErrorExit(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void SilentMessage(j_common_ptr) {}

}  // namespace

bool EncodeJpeg(const QImage& image, int quality, QByteArray& out, QString* error) {
    if (image.isNull() || image.format() != QImage::Format_RGB32) {
        *error = QStringLiteral("JPEG encoder: no picture to write");
        return false;
    }
    jpeg_compress_struct info{};
    ErrorManager manager{};
    info.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = &ErrorExit;
    manager.base.output_message = &SilentMessage;
    // libjpeg writes these through their addresses, so they live in memory and
    // keep their values across the longjmp.
    unsigned char* memBuffer = nullptr;
    unsigned long memSize = 0;

    if (setjmp(manager.jump)) {
        jpeg_destroy_compress(&info);
        std::free(memBuffer);
        *error = QStringLiteral("JPEG encoder: %1").arg(QString::fromLocal8Bit(manager.message));
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &memBuffer, &memSize);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    // Format_RGB32 is 0xFFRRGGBB per pixel, which is B, G, R, X in memory on
    // little-endian machines and X, R, G, B on big-endian ones.
    info.input_components = 4;
    info.in_color_space = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRX : JCS_EXT_XRGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(image.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    out = QByteArray(reinterpret_cast<const char*>(memBuffer), qsizetype(memSize));
    jpeg_destroy_compress(&info);
    std::free(memBuffer);
    return true;
}

}  // namespace sw
