#include "platform/jpeg.h"

#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include "platform/error.h"
#include "platform/paths.h"

namespace platform {

namespace {

struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, err->message);
    std::longjmp(err->jump, 1);
}

// Warnings are not shown, except those saying the data ran out: libjpeg
// would fill the rest of the picture with grey, and a picture that ends early
// is a corrupt picture.
void onMessage(j_common_ptr info, int level) {
    const int code = info->err->msg_code;
    if (level < 0 && (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER)) onError(info);
}

// A complete picture spends at least one bit (the shortest Huffman code) on
// every 8x8 block of each component it codes, so the component with the
// fewest blocks says how many bytes the file must have at the least.
bool fitsFile(const jpeg_decompress_struct& info, unsigned long size) {
    uint64_t fewest = UINT64_MAX;
    for (int c = 0; c < info.num_components; ++c)
        fewest = std::min<uint64_t>(fewest, uint64_t(info.comp_info[c].width_in_blocks) *
                                                info.comp_info[c].height_in_blocks);
    return fewest <= uint64_t(size) * 8;
}

// Turns a row of CMYK pixels into the screen's BGRX in place. Files with the
// Adobe marker (as photo programs write them) store every ink inverted.
void cmykToBgrx(JSAMPROW row, JDIMENSION width, bool inverted) {
    for (JDIMENSION x = 0; x < width; ++x, row += 4) {
        unsigned c = row[0], m = row[1], y = row[2], k = row[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        row[0] = static_cast<JSAMPLE>((y * k + 127) / 255);
        row[1] = static_cast<JSAMPLE>((m * k + 127) / 255);
        row[2] = static_cast<JSAMPLE>((c * k + 127) / 255);
        row[3] = 255;
    }
}

// The largest of libjpeg's fast reductions (1/1, 1/2, 1/4, 1/8) whose result
// still covers `atMost` on both sides; 1 when no size is given.
unsigned reduction(JDIMENSION width, JDIMENSION height, int atMostWidth, int atMostHeight) {
    if (atMostWidth <= 0 || atMostHeight <= 0) return 1;
    unsigned denom = 8;
    while (denom > 1 && ((width + denom - 1) / denom < JDIMENSION(atMostWidth) ||
                         (height + denom - 1) / denom < JDIMENSION(atMostHeight)))
        denom /= 2;
    return denom;
}

// The decode proper; returns false with the message filled on a libjpeg error.
// No C++ object with a destructor lives across the setjmp.
bool decodeInto(const unsigned char* data, unsigned long size, int atMostWidth, int atMostHeight,
                QImage* out, ErrorManager* err) {
    jpeg_decompress_struct info;
    info.err = jpeg_std_error(&err->base);
    err->base.error_exit = onError;
    err->base.emit_message = onMessage;
    if (setjmp(err->jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    // libjpeg's own buffers (whole-picture buffers of progressive files) are
    // capped: past this it raises an error instead of taking gigabytes.
    info.mem->max_memory_to_use = 512L * 1024 * 1024;
    jpeg_read_header(&info, TRUE);
    // CMYK and YCCK pictures come out as CMYK (libjpeg turns YCCK into it)
    // and are turned into the screen's colours row by row.
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRX;
    // A header may claim any size; refuse before anything is allocated for it.
    if (info.image_width > JDIMENSION(kMaxJpegSide) ||
        info.image_height > JDIMENSION(kMaxJpegSide) || !fitsFile(info, size)) {
        std::snprintf(err->message, sizeof err->message,
                      "picture too large: %u x %u pixels in a file of %lu bytes", info.image_width,
                      info.image_height, size);
        jpeg_destroy_decompress(&info);
        return false;
    }
    // A picture far larger than it is shown is decoded at a reduced scale,
    // so that its pixels cost a few times what the screen shows of it.
    info.scale_num = 1;
    info.scale_denom = reduction(info.image_width, info.image_height, atMostWidth, atMostHeight);
    jpeg_start_decompress(&info);
    *out = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                  QImage::Format_RGB32);
    if (out->isNull()) {
        std::snprintf(err->message, sizeof err->message, "out of memory");
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = out->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
        if (cmyk) cmykToBgrx(row, info.output_width, info.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

QImage decodeJpeg(std::string_view bytes, const std::string& name, QSize shownAt) {
    ErrorManager err{};
    QImage image;
    if (bytes.empty())
        throw PlatformError("Cannot read picture \"" + messageText(name) + "\": empty file");
    if (!decodeInto(reinterpret_cast<const unsigned char*>(bytes.data()),
                    static_cast<unsigned long>(bytes.size()), shownAt.width(), shownAt.height(),
                    &image, &err)) {
        image = QImage();
        throw PlatformError("Cannot read picture \"" + messageText(name) + "\": " + err.message);
    }
    return image;
}

QImage loadJpeg(const std::string& windowsPath, QSize shownAt) {
    return decodeJpeg(readFile(windowsPath), windowsPath, shownAt);
}

std::string encodeJpeg(const QImage& source, int quality) {
    QImage image = source.convertToFormat(QImage::Format_RGB32);
    jpeg_compress_struct info;
    jpeg_error_mgr jerr;
    info.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(image.width());
    info.image_height = static_cast<JDIMENSION>(image.height());
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row =
            const_cast<uchar*>(image.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    std::string out(reinterpret_cast<char*>(buffer), size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

}  // namespace platform
